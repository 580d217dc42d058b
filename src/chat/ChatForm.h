// ChatForm: the main window's behaviour without any widget. It owns the
// connection, the interpreters, the options record and the session state, runs
// the connect loop as a state machine driven by events and timer ticks, and
// talks to the screen only through ChatView.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chat/ChatLog.h"
#include "chat/ChatView.h"
#include "chat/EngineBridge.h"
#include "chat/Roster.h"
#include "chat/SoundFolder.h"
#include "chat/WindowLayout.h"
#include "engine/ChatFunctions.h"
#include "engine/ChatLists.h"
#include "interp/BnetChat.h"
#include "interp/TextChat.h"
#include "net/ChatInterface.h"
#include "platform/Platform.h"
#include "records/Options.h"
#include "records/UserRecords.h"

namespace verdo {

inline constexpr std::string_view ProgramTitle = "VerdoChat Version 6";
inline constexpr std::uint16_t DefaultGatewayPort = 6112;
inline constexpr std::string_view DefaultChannel = "Blizzard Chat Verdo-1";

class ChatForm {
  public:
    ChatForm(Platform& platform, ChatView& view);
    ~ChatForm();
    ChatForm(const ChatForm&) = delete;
    ChatForm& operator=(const ChatForm&) = delete;

    // The first showing of the window: the start steps that exist so far.
    void FormShow();

    // What the window and the configuration edit.
    tOptions& options() { return options_; }
    const tOptions& options() const { return options_; }
    // The lists of the current chat file, the product actions among them.
    ChatLists& lists() { return lists_; }
    const ChatLists& lists() const { return lists_; }
    // The user information database.
    tUserList& users() { return users_; }
    ChatFunctions& engine() { return engine_; }
    // Talk and whispers beginning with it get no automatic answer.
    const std::string& ignorePrefix() const { return ignorePrefix_; }
    void setIgnorePrefix(const std::string& prefix) { ignorePrefix_ = prefix; }
    ChatLog& chatLog() { return log_; }
    // Copies the log-on name and password into the interpreter; done whenever
    // a chat file is loaded or the options are confirmed.
    void applyLogonOptions();

    // Session state.
    bool LoggedOn() const { return loggedOn_; }
    bool ConnectPhase() const { return connectPhase_; }
    bool connectLoopRunning() const { return loopRunning_; }
    bool AwayOn() const { return awayOn_; }
    bool DNDOn() const { return dndOn_; }
    bool awayChecked() const { return awayChecked_; }
    bool dndChecked() const { return dndChecked_; }
    int TimeoutCount() const { return timeoutCount_; }
    const std::string& UniqueName() const { return uniqueName_; }
    const std::string& CurrentServer() const { return currentServer_; }
    const std::string& channelName() const { return roster_.ChannelName(); }
    // The names of the channel's users, in roster order.
    std::vector<std::string> rosterNames() const;
    bool settingsModified() const { return settingsModified_; }
    void setSettingsModified(bool modified) { settingsModified_ = modified; }

    TChatInterface& ChatInterface() { return *chatInterface_; }
    TBnetChat& bcChat() { return *bcChat_; }
    // --- Channel roster and plain text dump ---
    const Roster& roster() const { return roster_; }
    TTextChat& tcChat() { return *tcChat_; }
    Timer& ServerTimer() { return *serverTimer_; }

    // Gestures of the window.
    void acConnectExecute();
    void acAwayExecute();
    void acDNDExecute();
    void btnCancelClick();
    void btnNextClick();
    // --- Incoming messages and outgoing text ---
    const std::vector<std::string>& Whisperers() const { return whisperers_; }
    int ReplyIndex() const { return replyIndex_; }
    bool whisperLock() const { return whisperLock_; }
    void acLockExecute();
    // The entry line's Send (Enter), Emote and Whisper buttons.
    void btnSendClick();
    void btnEmoteClick();
    void btnWhisperClick();
    // Tab in the entry: offers a whisper reply to the recent whisperers in turn.
    void CycleWhisperReply();
    // Ctrl+Alt+key while logged on: every macro on that key, in list order.
    void runMacros(char key);
    // The URL bar's link was clicked.
    void lblUrlClick();
    // Whisper windows register their pane for a user; the latest one wins.
    void registerWhisperPane(const std::string& user, PaneId pane);
    void unregisterWhisperPane(PaneId pane);
    PaneId whisperTarget(const std::string& user) const;
    // The folder the program runs from; its "Sounds" folder is looked up once.
    void setProgramFolder(const std::string& folder);
    const std::string& programFolder() const { return programFolder_; }
    bool soundsAvailable() const { return !soundFolder_.empty(); }
    // The sounds for the "&Sounds" and "&Play Sound" menus.
    SoundList soundList() const;
    void SendSoundToChannel(const SoundEntry& entry);
    void SendSoundToUser(const SoundEntry& entry);

    // --- Chat files and Chat.ini (ChatFiles.cpp) ---
    // Where Chat.ini lives; without one nothing is read or written there.
    void setSettingsFile(const std::filesystem::path& iniPath);
    // A chat file named on the command line: opened at start instead of the
    // last one of Chat.ini.
    void setStartChatFile(const std::string& path) { startChatFile_ = path; }
    // The chat file last opened or saved, or "None".
    const std::string& currentFileName() const { return currentFileName_; }
    // Text-file playback state, read at start and written at exit.
    const std::string& batchFile() const { return batchFile_; }
    const std::string& batchUser() const { return batchUser_; }
    void setBatch(const std::string& file, const std::string& user);
    WindowLayout readLayout() const;
    void writeLayout(const WindowLayout& layout);
    // Load or save with their messages; true when everything was read/written.
    bool LoadChatFile(const std::string& path);
    bool SaveChatFile(const std::string& path);
    void acNewExecute();
    void acOpenExecute();
    void acSaveExecute();
    void acSaveAsExecute();
    void acImportExecute();
    // Closing the window: false keeps it open (the user cancelled).
    bool FormCloseQuery();
    // Once closing is agreed: Last File, Batch File and Batch User to Chat.ini.
    void FormClose();

    // --- Periodic work, switches and the pause (Periodic.cpp) ---
    // Timed-message counters, one decimal text per message; never saved.
    std::vector<std::string> TimerCounters;
    bool PlaybackRunning = false;
    std::size_t PlaybackLine = 0;
    int PlaybackTicks = 0;
    const std::vector<std::string>& playbackLines() const { return playbackLines_; }
    // Text-file playback: loads the file and starts at its first line; the
    // whisper target, when not empty, receives every line.
    void startPlayback(const std::string& path, const std::string& whisperTarget);
    void stopPlayback();
    // The playback file named in Chat.ini, loaded at start.
    void loadBatchAtStart();
    Timer& ChatTimer() { return *timer_; }
    void acMasterExecute();
    void acPhraseExecute();
    void acWhisperExecute();
    void acBanExecute();
    void acNoBanExecute();
    void acTimerExecute();
    void acJoinSwitchExecute();
    void acPauseExecute();
    bool paused() const { return paused_; }
    std::size_t heldLineCount() const { return holdList_.size(); }

    // The idle update: runs once after each batch of events.
    void ActionListUpdate();

    // Appends a status line of the program in one colour.
    void addStatusLine(const std::string& text, std::uint32_t color, PaneId pane = ChatPane);
    void EchoOwnText(const std::string& text);
    void WriteChatLog(const std::string& text, LogKind kind);

  private:
    friend class ChatEngineHost;

    // Every event from outside (socket, timer, gesture) runs inside inEvent; when
    // the outermost one returns, the connect loop takes its next step. A modal
    // question nests events the way the loop's own wait would, so the loop never
    // moves while one is open.
    void inEvent(const std::function<void()>& handler);
    void afterEvents();
    void wireConnection();
    void wireInterpreter();
    // --- Chat files and Chat.ini (ChatFiles.cpp) ---
    void startWithChatFile();
    bool askToSaveFirst();
    void saveTo(const std::string& path);
    void reportFileErrors(const std::vector<std::string>& errors);
    std::string settingsFolderPath() const;
    void wireMessages();
    void startTimer();
    void TimerTimer();
    void sendTimedMessages();
    void playNextLine();
    bool loadPlaybackFile(const std::string& path);
    void toggleSwitch(ChatAction action);
    void drainHeldLines();
    // One received line through the decoder and, with the dump on, raw.
    void interpretLine(std::string_view line);

    struct SpeakerColors {
        std::uint32_t name;
        std::uint32_t text;
    };
    SpeakerColors speakerColors(const std::string& user, bool whisper) const;
    void addLine(PaneId pane, const std::string& first, std::uint32_t firstColor,
                 const std::string& second, std::uint32_t secondColor);
    void bcChatTalk(const std::string& user, const std::string& text);
    void bcChatEmote(const std::string& user, const std::string& text);
    void bcChatWhisper(const std::string& user, const std::string& text);
    void bcChatWhisperSent(const std::string& user, const std::string& text);
    void bcChatBroadcast(const std::string& text);
    void channelRefused(const std::string& shown, std::string_view serverText);
    void rememberWhisperer(const std::string& user);
    void ShowUrlBar(const std::string& user, const std::string& text);
    // Plays the requested sound when it is found; returns its name.
    std::string ReceiveSound(const std::string& text);
    std::optional<std::string> selectedUser() const;
    void playSentSound(const SoundEntry& entry);

    // The connect loop, one step per event.
    void startConnectLoop();
    void tryServer();
    void advanceConnectLoop();
    void finishConnectLoop();
    void ServerTimerTimer();

    void ChatInterfaceConnect();
    void ChatInterfaceConnectFailed();
    void ChatInterfaceLogin();
    void ChatInterfaceDataReceived(std::string_view line);
    void ChatInterfaceDisconnect();
    void ChatInterfaceConnectClosed();
    void ChatInterfaceSendError();
    void ChatInterfaceSocketError();

    void bcChatInfo(std::string_view message);
    void bcChatError(std::string_view message);
    void bcChatUniqueName(std::string_view name);
    // --- Channel roster and plain text dump (RosterEvents.cpp) ---
    void wireRoster();
    void refreshChannelBox();
    void bcChatChannel(std::string_view channel);
    void bcChatShowUser(std::string_view user, std::string_view flags, std::string_view product);
    void bcChatJoin(std::string_view user, std::string_view flags, std::string_view product);
    void bcChatLeave(std::string_view user, std::string_view flags, std::string_view product);
    void bcChatUserFlags(std::string_view user, std::string_view flags);
    void welcomeKnownUser(const std::string& name);
    void announceUser(const std::string& name, const std::string& what);
    void tcChatData(std::string_view line);
    void bcChatUnHandled(std::string_view line);
    void handleWelcome();
    bool isKickNotice(std::string_view message) const;
    void refusedLogon();

    void setAwayChecked(bool checked);
    void setDNDChecked(bool checked);
    void toggleMode(bool dnd);
    void emptyRoster();
    void sendLine(const std::string& text);

    Platform& platform_;
    ChatView& view_;
    tOptions options_;
    ChatLists lists_;
    tUserList users_;
    std::string ignorePrefix_;
    ChatLog log_;
    ChatEngineHost engineHost_{*this};
    ChatFunctions engine_{engineHost_};
    std::unique_ptr<TChatInterface> chatInterface_;
    std::unique_ptr<TBnetChat> bcChat_;
    std::unique_ptr<TTextChat> tcChat_;  // the plain text dump
    Roster roster_;
    std::unique_ptr<Timer> serverTimer_;

    bool loggedOn_ = false;
    bool connectCancelled_ = false;
    bool nextServer_ = false;
    bool connectPhase_ = false;
    bool loopRunning_ = false;
    std::size_t serverIndex_ = 0;
    std::size_t refusalsInRow_ = 0;  // attempts refused since the last connection
    int timeoutCount_ = 0;
    std::string currentServer_;
    std::string uniqueName_;
    bool awayOn_ = false;
    bool dndOn_ = false;
    bool awayChecked_ = false;
    bool dndChecked_ = false;
    bool settingsModified_ = false;
    int eventDepth_ = 0;
    std::unique_ptr<Timer> timer_;
    std::vector<std::string> playbackLines_;
    bool paused_ = false;
    std::deque<std::string> holdList_;
    // --- Chat files and Chat.ini ---
    std::optional<IniFile> ini_;
    std::string startChatFile_;
    std::string currentFileName_ = "None";
    std::string batchFile_;
    std::string batchUser_;
    std::vector<std::string> whisperers_;
    int replyIndex_ = -1;
    std::string lastReplyText_;
    bool whisperLock_ = false;
    std::string receivedUrl_;
    std::vector<std::pair<std::string, PaneId>> whisperPanes_;
    std::string programFolder_;
    std::string soundFolder_;
};

}  // namespace verdo
