// TfrmChat: the main window. It shows what the window's logic (ChatForm) says
// through SessionView and WindowControls and hands every gesture to it. Its
// widgets, menus, windows and the wiring of keys and popups are parts of
// their own; tests find the widgets by object name.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chat/ChatForm.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "platform/Platform.h"

class QAction;

namespace verdo {

class ChatAlerts;
class ChatFind;
class ChatTray;
class Notifier;
struct SessionEvent;
class ChatPopups;
class ChatWidgets;
class ChatWindows;
class EditActions;
class MainActions;
class MessageControls;
class SessionScripts;
class SoundMenus;
class SplashPanel;
class TfrmConnect;

class TfrmChat : public QMainWindow, public SessionView, public WindowControls {
    Q_OBJECT

  public:
    // The program passes the Qt services, tests their fakes.
    explicit TfrmChat(std::unique_ptr<Platform> platform, QWidget* parent = nullptr);
    ~TfrmChat() override;

    ChatForm& form() { return *form_; }
    // The bot scripts of the session.
    SessionScripts& scripts() { return *scripts_; }
    // The action of the table (see chat/ChatActions.h).
    QAction* action(ChatAction id) const;
    // Fonts, colours and row heights of the options record, all at once.
    void ApplyAppearance();
    // Desktop notifications go through `notifier` from now on; it must
    // outlive the window.
    void setNotifier(Notifier& notifier);
    // The desktop alerts' subscriber: a notification and the task bar's
    // attention for what needs the person while the program is in the
    // background. Without a notifier only the task bar entry asks.
    void alertOn(const SessionEvent& event);

    // SessionView
    void addChatLine(PaneId pane, const ChatLine& line) override;
    void setStatusText(StatusPanel panel, const std::string& text) override;
    Answer askYesNoCancel(const std::string& question) override;
    bool askYesNo(const std::string& question) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    void optionsChanged() override;
    void setChannelText(const std::string& channel) override;
    void rosterChanged() override;
    void showMessage(const std::string& text, MessageKind kind) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initial) override;
    void requestIdleUpdate() override;
    // WindowControls
    void setActionEnabled(ChatAction action, bool enabled) override;
    void setActionChecked(ChatAction action, bool checked) override;
    void setActionCaption(ChatAction action, const std::string& caption) override;
    void setSendButtonsEnabled(bool enabled) override;
    void showConnectDialog() override;
    void hideConnectDialog() override;
    void setConnectServerText(const std::string& text) override;
    void setConnectTimeoutText(const std::string& text) override;
    void setMainInputEnabled(bool enabled) override;
    void focusEntry() override;
    void setEntryText(const std::string& text) override;
    void addEntryHistory(const std::string& text) override;
    void showUrlBar(const std::string& label, const std::string& link) override;
    void customListChanged(std::optional<std::size_t> selectRow) override;
    void showUserInfo(const std::string& name) override;
    void userRecordsCleared() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // the exit question
    void changeEvent(QEvent* event) override;

  private:
    // What the window does for the actions that have no logic.
    void setWindowHandlers();
    void toggleToolBar();
    // The tray icon as the alert settings say; closing hides to it.
    void updateTray();
    void hideToTray();
    void restoreFromTray();
    void createAlerts(Notifier& notifier);
    // Options > Scripts...
    void showScripts();
    // The Screen section of Chat.ini onto the window, and the window's layout
    // back into it.
    void readLayout();
    void writeLayout();
    // The start: the chat file, the sound menus, the layout, the batch file.
    void startUp();
    // The connecting dialog, made when first needed.
    TfrmConnect& connectDialog();

    std::unique_ptr<Platform> platform_;
    std::unique_ptr<ChatForm> form_;
    std::unique_ptr<SessionScripts> scripts_;
    MainActions* actions_ = nullptr;  // a child: its actions outlive the logic
    std::unique_ptr<ChatWidgets> widgets_;
    TfrmConnect* frmConnect_ = nullptr;  // a child of the window, once made
    std::unique_ptr<ChatWindows> windows_;
    // The wiring that watches the widgets goes before them.
    std::unique_ptr<EditActions> edit_;
    std::unique_ptr<MessageControls> controls_;
    std::unique_ptr<ChatPopups> popups_;
    std::unique_ptr<SoundMenus> sounds_;
    SplashPanel* splash_ = nullptr;  // a child of the window, made for a slow start
    ChatFind* find_ = nullptr;       // a child of the window
    ChatTray* tray_ = nullptr;       // a child of the window
    std::unique_ptr<Notifier> silentNotifier_;
    std::unique_ptr<ChatAlerts> alerts_;
    std::vector<QPointer<QWidget>> hiddenToTray_;
    bool exiting_ = false;  // Exit, not the close box: no hiding to the tray
    bool shown_ = false;
    bool idleUpdatePending_ = false;
};

}  // namespace verdo
