// The bot scripts of a running session (see SessionScripts.h).
#include "scripting/SessionScripts.h"

#include "chat/Roster.h"
#include "platform/AnsiText.h"
#include "platform/IniFile.h"
#include "protocol/ProtocolLines.h"
#include "scripting/ScriptFolder.h"

namespace verdo {

namespace {
bool listHolds(const tStringList& names, std::string_view name) {
    for (const std::string& item : names) {
        if (equalsIgnoreCaseAZ(item, name)) return true;
    }
    return false;
}
}  // namespace

SessionScripts::SessionScripts(Platform& platform, ChatForm& form, SessionView& view)
    : PlatformScriptContext(platform), form_(form), view_(view), host_(*this) {
    subscription_ = form_.events().subscribe(
        [this](const SessionEvent& event) { return host_.onEvent(event); });
    form_.incoming().OnUnmatchedCommand = [this](const std::string& user, const std::string& text) {
        runCommand(user, text);
    };
    ChatDocument& document = form_.document();
    document.OnFileRead = [this](const std::string& path) { loadFor(path); };
    document.BeforeFileChange = [this] { host_.saveData(); };
}

SessionScripts::~SessionScripts() {
    ChatDocument& document = form_.document();
    document.OnFileRead = nullptr;
    document.BeforeFileChange = nullptr;
    form_.incoming().OnUnmatchedCommand = nullptr;
    form_.events().unsubscribe(subscription_);
    host_.saveData();
}

void SessionScripts::loadFor(const std::optional<std::string>& chatFile) {
    loaded_ = true;
    const std::optional<std::filesystem::path> scriptFolder =
        chatFile ? std::optional(ScriptFolder::of(*chatFile)) : std::nullopt;
    host_.setDataFolder(scriptFolder);
    const ScriptFolder::Listing listing =
        ScriptFolder::list(scriptFolder.value_or(std::filesystem::path()), extra_);
    for (const std::string& refused : listing.refused)
        showError(refused);
    // Nothing runs while the switched-off scripts are marked.
    host_.load({});
    for (const std::filesystem::path& file : listing.files)
        host_.setEnabled(file, enabledInSettings(file));
    host_.load(listing.files);
}

void SessionScripts::reload() {
    loadFor(form_.document().currentFile());
}

std::optional<std::filesystem::path> SessionScripts::folder() const {
    const std::optional<std::string>& chatFile = form_.document().currentFile();
    if (!chatFile) return std::nullopt;
    return ScriptFolder::of(*chatFile);
}

bool SessionScripts::enabledInSettings(const std::filesystem::path& file) const {
    if (!settingsFile_) return true;
    return IniFile(*settingsFile_).readBool(SettingsSection, file.string(), true);
}

void SessionScripts::setEnabled(const std::filesystem::path& file, bool enabled) {
    if (settingsFile_ &&
        !IniFile(*settingsFile_).writeBool(SettingsSection, file.string(), enabled))
        showError("Could not write " + settingsFile_->string() + ": the script's state is kept " +
                  "for this run only.");
    host_.setEnabled(file, enabled);
}

// A reply goes back like the replies of the chat file's commands.
void SessionScripts::runCommand(const std::string& user, const std::string& text) {
    const std::optional<std::string> reply = host_.tryCommand(user, text);
    if (!reply) return;
    if (!reply->empty()) form_.session().sendLine(whisperLine(user, *reply), SendClass::Command);
    showInfo("Command from " + user + " " + text);
}

void SessionScripts::sendLine(std::string_view line, SendClass sendClass) {
    form_.session().sendLine(line, sendClass);
    form_.engine().EchoOwnText(std::string(line));
}

std::string SessionScripts::me() const {
    return form_.session().UniqueName();
}

std::string SessionScripts::channel() const {
    return form_.roster().channelName();
}

std::vector<ScriptUser> SessionScripts::users() const {
    const Roster& roster = form_.roster().roster();
    std::vector<ScriptUser> users;
    users.reserve(roster.size());
    for (std::size_t i = 0; i < roster.size(); ++i) {
        const RosterRow& row = roster.row(i);
        users.push_back({row.name, std::string(shownProduct(row.name, row.product)), row.flags});
    }
    return users;
}

bool SessionScripts::isOwner(std::string_view name) const {
    return listHolds(form_.document().lists().OwnerList, name);
}

bool SessionScripts::isMember(std::string_view name) const {
    return listHolds(form_.document().lists().MemberList, name);
}

bool SessionScripts::loggedOn() const {
    return form_.session().LoggedOn();
}

bool SessionScripts::masterSwitch() const {
    return form_.document().options().masterSwitch();
}

bool SessionScripts::hasIgnorePrefix(std::string_view text) const {
    return form_.engine().HasIgnorePrefix(text);
}

bool SessionScripts::mayAnswer(std::string_view user) {
    return form_.engine().mayAnswer(std::string(user));
}

void SessionScripts::showInfo(std::string_view text) {
    addStatusLine(view_, std::string(text), form_.document().options().infoColor());
}

void SessionScripts::showError(std::string_view text) {
    addStatusLine(view_, std::string(text), form_.document().options().errorColor());
}

}  // namespace verdo
