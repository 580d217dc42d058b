// ScriptHost: the bot scripts of a session. Loads them in order, hands them
// the session's events and the whispers that no command of the chat file
// took, runs their timers and keeps their stored data, written a few seconds
// after a change. It reaches the program only through a ScriptContext.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "chat/SessionEvents.h"
#include "platform/Timer.h"
#include "scripting/Script.h"
#include "scripting/ScriptStore.h"
#include "scripting/ScriptTimers.h"

namespace verdo {

class ScriptContext;

// What the Scripts window and --check-script show of one script.
struct ScriptStatus {
    std::filesystem::path path;
    std::string name;
    ScriptState state;
    std::string message;
    std::vector<std::string> events;
    std::vector<std::string> commands;
};

class ScriptHost {
  public:
    // Stored data is written this long after its last change.
    static constexpr int SaveDelayMilliseconds = 3000;

    explicit ScriptHost(ScriptContext& context);
    // Writes data that changed.
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // The folder of the SCRIPT.data files, or nothing to keep the data in
    // memory. Writes what changed first; the next load reads from the folder.
    void setDataFolder(std::optional<std::filesystem::path> folder);
    // Replaces the scripts by `files`, loaded in this order. A file that
    // cannot be read, or fails, is listed with its error.
    void load(std::vector<std::filesystem::path> files);
    // Adds one script made of `source`, named after `path`.
    void loadSource(const std::filesystem::path& path, std::string_view source);
    // Loads the same files again; stored data survives.
    void reload();
    // Writes the data and removes every script.
    void unloadAll();
    // A script disabled by the user is not loaded until enabled again.
    void setEnabled(const std::filesystem::path& file, bool enabled);
    bool isEnabled(const std::filesystem::path& file) const { return !disabled_.count(file); }

    std::vector<ScriptStatus> scripts() const;
    std::size_t memoryUsed() const;

    // Gives an event to the scripts listening to it.
    EventResult onEvent(const SessionEvent& event);
    // Runs the script command a whisper begins with, when the whisperer has
    // its level. Nothing when no script command applies; otherwise the reply
    // to whisper back ("" for none).
    std::optional<std::string> tryCommand(std::string_view user, std::string_view text);

    // Writes every stored data that changed; failures are shown.
    void saveData();

    // The SCRIPT.data file of `script` in `folder`.
    static std::filesystem::path dataFile(const std::filesystem::path& folder,
                                          const std::string& script);

  private:
    ScriptStore& storeFor(const std::string& name);
    void dataChanged(Script& script);
    bool permitted(ScriptCommandLevel level, std::string_view user) const;

    ScriptContext& context_;
    std::unique_ptr<Timer> saveTimer_;
    ScriptTimers timers_;
    std::optional<std::filesystem::path> dataFolder_;
    std::vector<std::filesystem::path> files_;
    std::set<std::filesystem::path> disabled_;
    // Stores by script name; they outlive reloads.
    std::map<std::string, std::unique_ptr<ScriptStore>> stores_;
    std::set<std::string> toldInMemory_;
    std::vector<std::unique_ptr<Script>> scripts_;
};

}  // namespace verdo
