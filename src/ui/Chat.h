// TfrmChat: the main window. It shows what the window's logic (ChatForm) says
// through the ChatView interface and hands every gesture to it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "chat/ChatForm.h"
#include "chat/ChatView.h"
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

class RichPane;
class TTabEdit;
class TfrmConnect;
class RosterDelegate;
class FixedRowDelegate;
class UrlBar;

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

class TfrmChat : public QMainWindow, public ChatView {
    Q_OBJECT

  public:
    // The program passes the Qt services, tests their fakes.
    explicit TfrmChat(std::unique_ptr<Platform> platform, QWidget* parent = nullptr);
    ~TfrmChat() override;

    ChatForm& form() { return *form_; }
    // A server tried before the chat file's list, put at its front on first show.
    void setStartServer(const std::string& server) { startServer_ = server; }
    // Colours and fonts of the options record onto the panes, lists and entry.
    void applyOptionsStyle();
    // --- Roster painting and appearance (RosterView.cpp, Appearance.cpp) ---
    // Fonts, colours and row heights of the options record, all at once.
    void ApplyAppearance();
    void applyLayout(const ChatLayoutSizes& sizes);

    // ChatView
    void addChatLine(PaneId pane, const ChatLine& line) override;
    void setStatusText(StatusPanel panel, const std::string& text) override;
    void setActionEnabled(ChatAction action, bool enabled) override;
    void setActionChecked(ChatAction action, bool checked) override;
    void setActionCaption(ChatAction action, const std::string& caption) override;
    void showConnectDialog() override;
    void hideConnectDialog() override;
    void setConnectServerText(const std::string& text) override;
    void setConnectTimeoutText(const std::string& text) override;
    void setMainInputEnabled(bool enabled) override;
    void setChannelText(const std::string& channel) override;
    void rosterChanged() override;
    void showMessage(const std::string& text, MessageKind kind) override;
    std::optional<std::string> inputBox(const std::string& title, const std::string& prompt,
                                        const std::string& initial) override;
    void focusEntry() override;
    void requestIdleUpdate() override;
    // --- Entry line, list selection and URL bar ---
    std::string entryText() const override;
    void setEntryText(const std::string& text) override;
    void addEntryHistory(const std::string& text) override;
    std::optional<std::string> selectedRosterName() const override;
    std::optional<std::string> selectedCustomName() const override;
    void showUrlBar(const std::string& label, const std::string& link) override;
    // --- Chat files and the layout in Chat.ini (FileMenu.cpp) ---
    Answer askYesNoCancel(const std::string& question) override;
    bool askYesNo(const std::string& question) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    void optionsChanged() override;
    // The Screen section of Chat.ini onto the window (position only when
    // `applyPosition`), and the window's layout back into it.
    void ReadLayout(bool applyPosition);
    void WriteLayout();
    QAction* acNew = nullptr;
    QAction* acOpen = nullptr;
    QAction* acSave = nullptr;
    QAction* acSaveAs = nullptr;
    QAction* acImport = nullptr;

    // The window's parts, named as the rest of the program knows them.
    QAction* acConnect = nullptr;
    QAction* acAway = nullptr;
    QAction* acDND = nullptr;
    QAction* acExit = nullptr;
    QAction* acLock = nullptr;
    // --- Switches, pause and tool bar ---
    QAction* acMaster = nullptr;
    QAction* acPhrase = nullptr;
    QAction* acWhisper = nullptr;
    QAction* acBan = nullptr;
    QAction* acNoBan = nullptr;
    QAction* acTimer = nullptr;
    QAction* acJoinSwitch = nullptr;
    QAction* acPause = nullptr;
    QAction* acToolbar = nullptr;
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
    // --- Roster painting ---
    RosterDelegate* rosterDelegate = nullptr;    // paints lstUser
    FixedRowDelegate* customDelegate = nullptr;  // row height of lstDef
    // --- Window side of messages: keys, name drops, edit actions, sounds ---
    QAction* acCut = nullptr;
    QAction* acCopy = nullptr;
    QAction* acPaste = nullptr;
    QAction* acSelectAll = nullptr;
    QAction* acAltN = nullptr;  // Alt+N: btnAltNClick
    QMenu* mnEdit = nullptr;
    QMenu* mnSounds = nullptr;
    QAction* acRefreshSounds = nullptr;
    // The roster popup's "&Play Sound" submenu: whoever builds that popup sets
    // it, and BuildSoundMenus fills it from then on.
    QMenu* mnPlaySound = nullptr;
    void BuildSoundMenus();
    // Inserts the selected roster name, then the selected custom name, at the caret.
    void btnAltNClick();
    void acCutExecute();
    void acCopyExecute();
    void acPasteExecute();
    void acSelectAllExecute();
    // Enabling of the edit actions and the sound menus, at every idle update.
    void updateMessageActions();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // chat files: the exit question

  private:
    void createFileActions(QMenu* file);  // chat files
    void createActions();
    void createMenus();
    void createToolBar();
    // The seven switches, the pause and the tool bar's own switch.
    void createSwitchActions(QMenu* menu);
    void createPanes();
    QWidget* createEntryRow();
    void createStatusBar();
    void createConnectDialog();
    void setTabOrder();
    // --- Window side of messages ---
    void createEditMenu();
    void createSoundMenu();
    void wireMessageControls();
    void updateEditActions();
    void updateSoundMenus();
    QWidget* editFocus() const;
    bool entryHasFocus() const;

    QAction* actionFor(ChatAction action) const;
    RichPane* paneFor(PaneId pane) const;
    void runAction(ChatAction action, void (ChatForm::*handler)());

    std::unique_ptr<Platform> platform_;
    std::unique_ptr<ChatForm> form_;
    // The checks belong to the logic: a click must not flip them on its own.
    std::array<bool, ChatActionCount> checkedByLogic_{};
    std::optional<std::string> startServer_;
    bool shown_ = false;
    bool idleUpdatePending_ = false;
    // --- Window side of messages ---
    QPointer<QWidget> lastFocus_;             // the last focused control of this window
    std::unique_ptr<QObject> messageWiring_;  // declared last: dies before the widgets
};

}  // namespace verdo
