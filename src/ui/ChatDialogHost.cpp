// What the main window's dialogs ask of it (see ChatDialogHost.h).
#include "ui/ChatDialogHost.h"

#include <QCoreApplication>

#include "chat/ChatForm.h"
#include "platform/Platform.h"
#include "ui/ChatWindows.h"

namespace verdo {

ChatDialogHost::ChatDialogHost(QWidget& window, ChatWindows& windows, ChatForm& form,
                               Platform& platform)
    : window_(window), windows_(windows), form_(form), platform_(platform) {}

void ChatDialogHost::showHelp(const std::string& topic) {
    windows_.showHelpTopic(topic);
}

void ChatDialogHost::openLink(const std::string& url) {
    platform_.openLink(url);
}

void ChatDialogHost::markModified() {
    form_.document().setModified(true);
}

std::optional<QString> ChatDialogHost::chooseOpenFile(QWidget* parent, const FileRequest& request) {
    return verdo::chooseOpenFile(parent, request);
}

std::optional<QString> ChatDialogHost::chooseSaveFile(QWidget* parent, const FileRequest& request) {
    return verdo::chooseSaveFile(parent, request);
}

std::optional<QColor> ChatDialogHost::chooseColor(QWidget* parent, const QColor& initial) {
    return verdo::chooseColor(parent, initial);
}

std::optional<ChosenFont> ChatDialogHost::chooseFont(QWidget* parent) {
    return verdo::chooseFont(parent);
}

// The program's sounds folder (beside it, else the installed one); the
// program's own folder when it has none.
QString ChatDialogHost::soundFolder() {
    const std::string& sounds = form_.sounds().soundFolder();
    return sounds.empty() ? QCoreApplication::applicationDirPath() : QString::fromStdString(sounds);
}

void ChatDialogHost::showMessage(const std::string& text, MessageKind kind) {
    verdo::showMessage(&window_, text, kind);
}

}  // namespace verdo
