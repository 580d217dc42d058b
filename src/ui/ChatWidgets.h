// ChatWidgets: the main window's panes, user lists, channel box, entry row, URL
// bar and status bar, built once and laid out in splitters. The window shows
// the logic's news through them; its helpers reach the few parts they work on.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chat/OutgoingText.h"
#include "view/ViewTypes.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPalette;
class QPushButton;
class QString;
class QSplitter;
class QStatusBar;
class QWidget;

namespace verdo {

class ChatForm;
class FixedRowDelegate;
class RichPane;
class Roster;
class RosterDelegate;
class TTabEdit;
class UrlBar;
class tOptions;

// Pane sizes in pixels until the layout is read from Chat.ini.
struct ChatLayoutSizes {
    int left = 50;
    int top = 50;
    int width = 800;
    int height = 600;
    int userWidth = 162;
    int customHeight = 132;
    int whisperHeight = 132;
};

class ChatWidgets {
  public:
    // Builds the central widget and the status bar of `window`; the lists
    // paint from `form`'s roster and options.
    ChatWidgets(QMainWindow& window, ChatForm& form);

    // The options' colours and fonts on the panes, lists, channel box and
    // entry, and the user lists' row height that follows their font.
    void applyAppearance(const tOptions& options, const QPalette& base);
    // The window's geometry and the splitters' sizes.
    void applyLayout(QWidget& window, const ChatLayoutSizes& sizes);
    // The splitters' second panes, as Chat.ini keeps them.
    int userWidth() const;
    int customHeight() const;
    int whisperHeight() const;

    // The custom user list shows `names`, with `selectRow` selected.
    void showCustomList(const std::vector<std::string>& names,
                        std::optional<std::size_t> selectRow);
    // The user list follows `roster`, its selection kept.
    void showRoster(const Roster& roster);
    void showChannel(const QString& channel);
    void showStatus(StatusPanel panel, const QString& text);
    // The URL bar opens with who sent the link and the link.
    void showUrlBar(const QString& label, const QString& link);
    // The logic's text in the entry line, its bytes kept, the caret after it.
    void setEntryText(const std::string& text);
    void addEntryHistory(const std::string& text);
    // What the user typed and selected, handed to the logic with each gesture.
    std::string entryText() const;
    std::optional<std::string> selectedRosterName() const;
    std::optional<std::string> selectedCustomName() const;
    UserSelection selection() const;
    void setSendButtonsEnabled(bool enabled);
    // Keyboard focus to the entry line, caret after the last character.
    void focusEntry();
    void setTabOrder();

    // The parts the window's helpers work on themselves: the find bar and the
    // alerts search and mark the panes, the key filter and the drags move the
    // lists' selection and names, the edit actions and drops edit the entry.
    // The main chat pane or the whisper pane; nullptr for a whisper window's.
    RichPane* pane(PaneId id) const;
    QListWidget& rosterList() const { return *lstUser; }
    QListWidget& customList() const { return *lstDef; }
    TTabEdit& entry() const { return *edEntry; }

  private:
    QWidget* createEntryRow(ChatForm& form);
    void createStatusBar(QMainWindow& window);

    RichPane* reChat = nullptr;
    RichPane* reWhisper = nullptr;
    QLineEdit* edChannel = nullptr;
    QListWidget* lstUser = nullptr;
    QListWidget* lstDef = nullptr;
    TTabEdit* edEntry = nullptr;
    QPushButton* btnSend = nullptr;
    QPushButton* btnEmote = nullptr;
    QPushButton* btnWhisper = nullptr;
    UrlBar* pnlUrl = nullptr;
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 2> statusPanels{};
    QSplitter* mainSplitter_ = nullptr;
    QSplitter* chatSplitter_ = nullptr;
    QSplitter* userSplitter_ = nullptr;
    RosterDelegate* rosterDelegate_ = nullptr;    // paints lstUser
    FixedRowDelegate* customDelegate_ = nullptr;  // row height of lstDef
};

}  // namespace verdo
