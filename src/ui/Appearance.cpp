// ApplyAppearance: the fonts, colours and row heights of the options record on
// the main window's panes, lists, channel box and entry line.
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>

#include "controls/OptionsStyle.h"
#include "controls/RichPane.h"
#include "ui/Chat.h"
#include "ui/ChatWindows.h"
#include "ui/RosterView.h"

namespace verdo {

void TfrmChat::ApplyAppearance() {
    applyOptionsStyle();  // pane, entry and list colours; the user-list font
    const tOptions& options = form_->document().options();
    reChat->setFont(toQFont(options.chatFont()));
    reWhisper->setFont(toQFont(options.whisperFont()));
    QPalette channel = edChannel->palette();
    channel.setColor(QPalette::Base, toQColor(options.userListBackground(), palette()));
    channel.setColor(QPalette::Text, toQColor(options.userListColor(), palette()));
    edChannel->setPalette(channel);
    const int height = rosterRowHeight(QFontInfo(lstUser->font()).pixelSize());
    rosterDelegate->setRowHeight(height);
    customDelegate->setRowHeight(height);
    // Rows are laid out again at their new height and repainted.
    for (QListWidget* list : {lstUser, lstDef}) {
        list->doItemsLayout();
        list->viewport()->update();
    }
    if (windows_) windows_->whisper.ApplyAppearance();
}

}  // namespace verdo
