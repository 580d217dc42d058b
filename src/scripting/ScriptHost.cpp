// The session's bot scripts (see ScriptHost.h).
#include "scripting/ScriptHost.h"

#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "scripting/ScriptContext.h"

namespace verdo {

ScriptHost::ScriptHost(ScriptContext& context)
    : context_(context),
      saveTimer_(context.createTimer()),
      timers_(context.clock(), context.createTimer(),
              [](Script& owner, int, int callback, bool last) { owner.runTimer(callback, last); }) {
    saveTimer_->setInterval(SaveDelayMilliseconds);
    saveTimer_->OnTimer = [this] {
        saveTimer_->setEnabled(false);
        saveData();
    };
}

ScriptHost::~ScriptHost() {
    saveData();
    scripts_.clear();
}

std::filesystem::path ScriptHost::dataFile(const std::filesystem::path& folder,
                                           const std::string& script) {
    return folder / (script + ".data");
}

void ScriptHost::setDataFolder(std::optional<std::filesystem::path> folder) {
    unloadAll();
    if (folder == dataFolder_) return;
    dataFolder_ = std::move(folder);
    stores_.clear();
    toldInMemory_.clear();
}

void ScriptHost::load(std::vector<std::filesystem::path> files) {
    unloadAll();
    files_ = std::move(files);
    for (const std::filesystem::path& file : files_) {
        if (disabled_.count(file)) {
            auto script =
                std::make_unique<Script>(file, context_, storeFor(Script::nameOf(file)), timers_,
                                         [this](Script& changed) { dataChanged(changed); });
            script->setUnstarted(ScriptState::Disabled, "disabled by the user");
            scripts_.push_back(std::move(script));
            continue;
        }
        std::string source;
        if (readRegularFile(file, source) != ReadStatus::Read) {
            auto script =
                std::make_unique<Script>(file, context_, storeFor(Script::nameOf(file)), timers_,
                                         [this](Script& changed) { dataChanged(changed); });
            script->setUnstarted(ScriptState::Failed, "the file could not be read");
            context_.showError("[" + script->name() + "] " + script->message());
            scripts_.push_back(std::move(script));
            continue;
        }
        loadSource(file, source);
    }
}

void ScriptHost::loadSource(const std::filesystem::path& path, std::string_view source) {
    auto script = std::make_unique<Script>(path, context_, storeFor(Script::nameOf(path)), timers_,
                                           [this](Script& changed) { dataChanged(changed); });
    Script& started = *script;
    scripts_.push_back(std::move(script));
    started.start(source);
}

void ScriptHost::reload() {
    load(files_);
}

void ScriptHost::unloadAll() {
    saveData();
    scripts_.clear();
}

void ScriptHost::setEnabled(const std::filesystem::path& file, bool enabled) {
    if (enabled == isEnabled(file)) return;
    if (enabled)
        disabled_.erase(file);
    else
        disabled_.insert(file);
    reload();
}

std::vector<ScriptStatus> ScriptHost::scripts() const {
    std::vector<ScriptStatus> statuses;
    for (const auto& script : scripts_) {
        ScriptStatus status{
            script->path(), script->name(), script->state(), script->message(), {}, {}};
        for (const std::string_view event : script->events())
            status.events.emplace_back(event);
        for (const ScriptCommand& command : script->commands())
            status.commands.push_back(command.word);
        statuses.push_back(std::move(status));
    }
    return statuses;
}

std::size_t ScriptHost::memoryUsed() const {
    std::size_t total = 0;
    for (const auto& script : scripts_)
        total += script->memoryUsed();
    return total;
}

EventResult ScriptHost::onEvent(const SessionEvent& event) {
    const auto index = scriptEventIndex(event.kind);
    if (!index) return EventResult::Continue;
    const ScriptEventName& info = ScriptEventNames[*index];
    if (info.answers) {
        if (!context_.masterSwitch()) return EventResult::Continue;
        if (info.arguments == ScriptArguments::UserText && context_.hasIgnorePrefix(event.text))
            return EventResult::Continue;
    }
    bool handled = false;
    for (const auto& script : scripts_) {
        if (script->state() != ScriptState::Running || !script->listensTo(*index)) continue;
        handled = script->handle(*index, event) || handled;
    }
    return handled && info.answers ? EventResult::Handled : EventResult::Continue;
}

bool ScriptHost::permitted(ScriptCommandLevel level, std::string_view user) const {
    switch (level) {
        case ScriptCommandLevel::Any:
            return true;
        case ScriptCommandLevel::Members:
            return context_.isOwner(user) || context_.isMember(user);
        case ScriptCommandLevel::Owners:
            return context_.isOwner(user);
    }
    return false;
}

std::optional<std::string> ScriptHost::tryCommand(std::string_view user, std::string_view text) {
    const ScriptCommand* best = nullptr;
    Script* owner = nullptr;
    // The longest word wins; between equally long words, the script loaded last.
    for (const auto& script : scripts_) {
        if (script->state() != ScriptState::Running) continue;
        for (const ScriptCommand& command : script->commands()) {
            if (!startsWithIgnoreCaseAZ(text, command.word)) continue;
            if (!best || command.word.size() >= best->word.size()) {
                best = &command;
                owner = script.get();
            }
        }
    }
    if (!best || !permitted(best->level, user)) return std::nullopt;
    // The command word and the one character after it are not part of the parameter.
    const std::size_t skip = best->word.size() + 1;
    const std::string_view parameter = text.size() > skip ? text.substr(skip) : std::string_view();
    const ScriptCommand command = *best;
    return owner->runCommand(command, user, parameter);
}

void ScriptHost::saveData() {
    saveTimer_->setEnabled(false);
    for (const auto& [name, store] : stores_) {
        if (const auto error = store->save()) context_.showError("[" + name + "] " + *error);
    }
}

ScriptStore& ScriptHost::storeFor(const std::string& name) {
    auto& store = stores_[name];
    if (!store) {
        store = std::make_unique<ScriptStore>(
            dataFolder_ ? std::optional(dataFile(*dataFolder_, name)) : std::nullopt);
        for (const std::string& problem : store->load())
            context_.showError("[" + name + "] " + problem);
    }
    return *store;
}

void ScriptHost::dataChanged(Script& script) {
    if (!dataFolder_) {
        if (toldInMemory_.insert(script.name()).second)
            script.log("no chat file is open: the stored data is kept in memory only");
        return;
    }
    if (!saveTimer_->enabled()) saveTimer_->setEnabled(true);
}

}  // namespace verdo
