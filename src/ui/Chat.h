// TfrmChat: the main window. It shows what the window's logic (ChatForm) says
// through SessionView and WindowControls and hands every gesture to it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "chat/ChatForm.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "platform/Platform.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QToolBar;
class QToolButton;

namespace verdo {

class ChatPopups;
class RichPane;
class TTabEdit;
class TfrmConnect;
class RosterDelegate;
class FixedRowDelegate;
class UrlBar;
struct ChatWindows;
class TfrmHelp;
class TfrmLaunch;
class TfrmUsers;
class tWhisperWindows;

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

class TfrmChat : public QMainWindow, public SessionView, public WindowControls {
    Q_OBJECT

  public:
    // The program passes the Qt services, tests their fakes.
    explicit TfrmChat(std::unique_ptr<Platform> platform, QWidget* parent = nullptr);
    ~TfrmChat() override;

    ChatForm& form() { return *form_; }
    // The action of the table (see chat/ChatActions.h).
    QAction* action(ChatAction id) const { return actions_[static_cast<std::size_t>(id)]; }
    // Colours and fonts of the options record onto the panes, lists and entry.
    void applyOptionsStyle();
    // Fonts, colours and row heights of the options record, all at once.
    void ApplyAppearance();
    void applyLayout(const ChatLayoutSizes& sizes);

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

    // What the user typed and selected, handed to the logic with each gesture.
    std::string entryText() const;
    std::optional<std::string> selectedRosterName() const;
    std::optional<std::string> selectedCustomName() const;
    UserSelection selection() const;
    // The Screen section of Chat.ini onto the window (position only when
    // `applyPosition`), and the window's layout back into it.
    void ReadLayout(bool applyPosition);
    void WriteLayout();
    UrlBar* pnlUrl = nullptr;
    QToolBar* ToolBar = nullptr;
    QToolButton* btnConnect = nullptr;
    RichPane* reChat = nullptr;
    RichPane* reWhisper = nullptr;
    QLineEdit* edChannel = nullptr;
    QListWidget* lstUser = nullptr;
    QListWidget* lstDef = nullptr;
    TTabEdit* edEntry = nullptr;
    QPushButton* btnSend = nullptr;
    QPushButton* btnEmote = nullptr;
    QPushButton* btnWhisper = nullptr;
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 2> statusPanels{};
    QSplitter* mainSplitter = nullptr;
    QSplitter* chatSplitter = nullptr;
    QSplitter* userSplitter = nullptr;
    TfrmConnect* frmConnect = nullptr;
    RosterDelegate* rosterDelegate = nullptr;    // paints lstUser
    FixedRowDelegate* customDelegate = nullptr;  // row height of lstDef
    QMenu* mnSounds = nullptr;
    // The roster popup's "&Play Sound" submenu: whoever builds that popup sets
    // it, and BuildSoundMenus fills it from then on.
    QMenu* mnPlaySound = nullptr;
    void BuildSoundMenus();
    // The popup menus on the user lists and chat panes, and the lists' gestures.
    ChatPopups* popups = nullptr;
    // lstDef from the custom user list, with `selectRow` selected.
    void showCustomList(std::optional<std::size_t> selectRow);
    // "Reorder &List" and "&Reorder Custom List...".
    void ReorderCustomList();
    // The windows the popups open for a user (an empty name: none).
    void sendUrlTo(const std::string& name);
    void openWhisperWindow(const std::string& name);
    void showUserInfo(const std::string& name);
    void showAccountInfo(const std::string& name);
    // Inserts the selected roster name, then the selected custom name, at the caret.
    void btnAltNClick();
    void acUndoExecute();  // the entry line's own undo
    void acCutExecute();
    void acCopyExecute();
    void acPasteExecute();
    void acSelectAllExecute();
    void acToolbarExecute();
    // Enabling of the edit actions and the sound menus, at every idle update.
    void updateMessageActions();

    // The help window at a topic of the help text; every window's help goes here.
    void showHelpTopic(const std::string& topic);
    void acSetupExecute();
    void acFontsExecute();
    void acMacrosExecute();
    void acUserInfoExecute();
    void acAccountsExecute();
    void acTextExecute();
    void acJoinExecute();
    void acListExecute();
    void acLaunchExecute();
    void acHelpScreenExecute();
    void acAboutExecute();
    // The windows that live as long as this one.
    TfrmHelp* helpWindow() const;
    TfrmUsers* usersWindow() const;
    TfrmLaunch* launchWindow() const;
    tWhisperWindows& whisperWindows() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // the exit question

  private:
    // The actions, menus and tool bar, from the action table.
    void createActions();
    void createMenus();
    void createToolBar();
    void runAction(ChatAction id);
    void createPanes();
    QWidget* createEntryRow();
    void createStatusBar();
    void createConnectDialog();
    void createWindows();
    void rebuildWindowMenu();
    // After New the user information window is emptied and closed.
    void chatFileCleared();
    // The chat settings changed by a dialog.
    void markModified();
    // The channel dialog; sends `command` + the chosen channel.
    void selectChannelAndSend(const std::string& command);
    void setTabOrder();
    void createSoundMenu();
    void wireMessageControls();
    void updateEditActions();
    void updateSoundMenus();
    QWidget* editFocus() const;
    bool entryHasFocus() const;

    RichPane* paneFor(PaneId pane) const;

    std::unique_ptr<Platform> platform_;
    std::unique_ptr<ChatForm> form_;
    std::array<QAction*, ChatActionCount> actions_{};
    std::array<QMenu*, 8> menus_{};  // by MenuId
    // The checks belong to the logic: a click must not flip them on its own.
    std::array<bool, ChatActionCount> checkedByLogic_{};
    int soundMenuFixed_ = 0;  // entries of "&Sounds" before the sound files
    bool shown_ = false;
    bool idleUpdatePending_ = false;
    QPointer<QWidget> lastFocus_;             // the last focused control of this window
    std::unique_ptr<ChatWindows> windows_;    // gone before the logic (see ~TfrmChat)
    std::unique_ptr<QObject> messageWiring_;  // declared last: dies before the widgets
};

}  // namespace verdo
