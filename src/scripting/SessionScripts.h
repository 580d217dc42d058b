// SessionScripts: the bot scripts of a running session, in the window and
// headless alike. It is the ScriptContext of the program: scripts send through
// the session's one sending door, read the roster and the chat file's lists,
// and get the session's events and the whispers that no command of the chat
// file took. The scripts follow the chat file: loaded with it, written before
// New and Save As, and when the session ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "chat/ChatForm.h"
#include "chat/SessionEvents.h"
#include "chat/SessionView.h"
#include "platform/Platform.h"
#include "scripting/PlatformScriptContext.h"
#include "scripting/ScriptHost.h"

namespace verdo {

class SessionScripts : public PlatformScriptContext {
  public:
    // The Chat.ini section that keeps the scripts switched off by the user,
    // keyed by the script's full path.
    static constexpr std::string_view SettingsSection = "Scripts";

    SessionScripts(Platform& platform, ChatForm& form, SessionView& view);
    // Writes the stored data that changed.
    ~SessionScripts() override;
    SessionScripts(const SessionScripts&) = delete;
    SessionScripts& operator=(const SessionScripts&) = delete;

    // Chat.ini, where the enabled state is kept; without it nothing is kept.
    void setSettingsFile(std::filesystem::path iniPath) { settingsFile_ = std::move(iniPath); }
    // The --script files of this run, loaded after the chat file's folder.
    void setExtraFiles(std::vector<std::filesystem::path> files) { extra_ = std::move(files); }

    // Loads the scripts of `chatFile` (its folder's, then the extra files);
    // without a chat file, only the extra files, their data in memory.
    void loadFor(const std::optional<std::string>& chatFile);
    // After the start: the --script files alone when no chat file was read.
    void loadIfNoChatFile() {
        if (!loaded_) loadFor(std::nullopt);
    }
    // The scripts of the current chat file again, the folder listed anew;
    // stored data survives.
    void reload();
    // Switches a script on or off and remembers it in Chat.ini.
    void setEnabled(const std::filesystem::path& file, bool enabled);
    // The folder of the current chat file's scripts, if there is a chat file.
    std::optional<std::filesystem::path> folder() const;

    ScriptHost& host() { return host_; }

    // ScriptContext
    void sendLine(std::string_view line, SendClass sendClass) override;
    std::string me() const override;
    std::string channel() const override;
    std::vector<ScriptUser> users() const override;
    bool isOwner(std::string_view name) const override;
    bool isMember(std::string_view name) const override;
    bool loggedOn() const override;
    bool masterSwitch() const override;
    bool hasIgnorePrefix(std::string_view text) const override;
    bool mayAnswer(std::string_view user) override;
    void showInfo(std::string_view text) override;
    void showError(std::string_view text) override;

  private:
    void runCommand(const std::string& user, const std::string& text);
    bool enabledInSettings(const std::filesystem::path& file) const;

    ChatForm& form_;
    SessionView& view_;
    std::optional<std::filesystem::path> settingsFile_;
    std::vector<std::filesystem::path> extra_;
    ScriptHost host_;
    SessionEvents::Subscription subscription_;
    bool loaded_ = false;
};

}  // namespace verdo
