// ChatDialogHost: the main window's answers to what its dialogs ask: the help
// window, links through the platform, the chat file's modified flag, the
// platform's file, colour and font dialogs, the program's sounds folder and
// message boxes over the main window.
#pragma once

#include "dialogs/DialogHost.h"

namespace verdo {

class ChatForm;
class ChatWindows;
class Platform;

class ChatDialogHost : public DialogHost {
  public:
    // Messages show over `window`; help opens in `windows`' help window.
    ChatDialogHost(QWidget& window, ChatWindows& windows, ChatForm& form, Platform& platform);

    void showHelp(const std::string& topic) override;
    void openLink(const std::string& url) override;
    void markModified() override;
    std::optional<QString> chooseOpenFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<ChosenFont> chooseFont(QWidget* parent) override;
    QString soundFolder() override;
    void showMessage(const std::string& text, MessageKind kind) override;

  private:
    QWidget& window_;
    ChatWindows& windows_;
    ChatForm& form_;
    Platform& platform_;
};

}  // namespace verdo
