// The headless program: the main window's logic with the console view, driven
// by standard input and signals instead of a window. Mirrors what the window
// does when first shown, then starts the Connect action at once.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/headless/ConsoleView.h"
#include "app/headless/HeadlessPlatform.h"
#include "chat/ChatForm.h"

namespace verdo {

class AutoSave;
class SessionScripts;
class FdLineReader;
class SignalPipe;

struct HeadlessOptions {
    std::optional<std::string> chatFile;  // otherwise the last one of Chat.ini
    std::optional<std::string> server;    // tried before the chat file's servers
    std::filesystem::path programFolder;
    std::filesystem::path settingsFile;          // Chat.ini
    std::vector<std::filesystem::path> scripts;  // --script files
};

// Exit statuses of the headless program.
inline constexpr int HeadlessStopped = 0;
inline constexpr int HeadlessSaveFailed = 1;
inline constexpr int HeadlessNoChatFile = 2;

class HeadlessRunner {
  public:
    HeadlessRunner(HeadlessOptions options, ConsoleOutput output);
    ~HeadlessRunner();
    HeadlessRunner(const HeadlessRunner&) = delete;
    HeadlessRunner& operator=(const HeadlessRunner&) = delete;

    // Loads the chat file and starts connecting; false (with the reason on
    // standard error) when there is no chat file to run with.
    bool start();
    // Reads standard input and catches SIGINT, SIGTERM and SIGHUP until stop()
    // asks the event loop to end.
    void listen();

    // A line typed on standard input: talk, or a "/" command to the server.
    void send(const std::string& bytes);
    // SIGHUP: the chat file as it is now on disk, with the bot's own edits
    // not yet saved made again on it. When it cannot be read the bot keeps
    // its settings and saves nothing until a reload succeeds.
    void reloadChatFile();
    // SIGINT, SIGTERM: saves changed settings, disconnects, writes Chat.ini
    // and ends the event loop with the exit status.
    void stop();

    ChatForm& form() { return *form_; }

  private:
    void handleSignal(int number);
    bool saveChangedSettings();
    void noteReplayed(const ChatFileEdits::Count& count);

    HeadlessOptions options_;
    HeadlessPlatform platform_;
    ConsoleView view_;
    std::unique_ptr<ChatForm> form_;
    std::unique_ptr<SessionScripts> scripts_;
    std::unique_ptr<AutoSave> autoSave_;
    std::unique_ptr<FdLineReader> input_;
    std::unique_ptr<SignalPipe> signals_;
    bool stopping_ = false;
    // The last reload failed: nothing is saved until one succeeds.
    bool reloadFailed_ = false;
    bool savesHeldNoted_ = false;
};

// main() of `verdochat --headless`: QCoreApplication, no window system.
int runHeadless(int argc, char** argv, const std::optional<std::string>& chatFile,
                const std::optional<std::string>& server,
                const std::vector<std::filesystem::path>& scripts);

}  // namespace verdo
