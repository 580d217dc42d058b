// The main window's chat-file commands (New, Open, Save, Save As, Import), the
// start with the last or given chat file, and the Chat.ini side of start and
// exit. The file formats themselves live in engine/ChatFile.
#include "chat/ChatForm.h"
#include "engine/BuiltInLists.h"
#include "engine/ChatFile.h"
#include "engine/CommandTable.h"
#include "engine/Import.h"

namespace verdo {
namespace {

constexpr std::string_view NoFile = "None";
constexpr std::string_view LastFileSection = "Last File";
constexpr std::string_view BatchSection = "Batch File";
constexpr std::string_view SaveQuestion = "Save current chat settings?";
constexpr std::string_view ChatFilter = "Chat Files (*.ch5)|*.ch5";

}  // namespace

void ChatForm::setSettingsFile(const std::filesystem::path& iniPath) {
    ini_.emplace(iniPath);
}

std::string ChatForm::settingsFolderPath() const {
    return ini_ ? ini_->path().parent_path().string() : std::string();
}

WindowLayout ChatForm::readLayout() const {
    return ini_ ? ReadLayout(*ini_) : WindowLayout{};
}

void ChatForm::writeLayout(const WindowLayout& layout) {
    if (ini_) WriteLayout(*ini_, layout);
}

void ChatForm::setBatch(const std::string& file, const std::string& user) {
    batchFile_ = file;
    batchUser_ = user;
}

// Start: the built-in lists, then the chat file of the command line or the
// last one of Chat.ini, then the playback state and the ignore prefix.
void ChatForm::startWithChatFile() {
    FillDefaultServers(lists_);
    FillDefaultChannels(lists_);
    std::string path = startChatFile_;
    if (path.empty() && ini_) path = ini_->readString(LastFileSection, LastFileSection, NoFile);
    if (!path.empty() && path != NoFile) {
        if (LoadChatFile(path)) {
            currentFileName_ = path;
            addStatusLine("Chat file " + path + " loaded.", options_.infoColor());
        } else {
            addStatusLine("An Error occured loadng chat settings.", options_.errorColor());
            currentFileName_ = NoFile;
        }
    }
    if (!ini_) return;
    batchFile_ = ini_->readString(BatchSection, "Batch File", "");
    batchUser_ = ini_->readString(BatchSection, "Batch User", "");
    setIgnorePrefix(ini_->readString("Response", "Ignore", ""));
    loadBatchAtStart();
}

void ChatForm::reportFileErrors(const std::vector<std::string>& errors) {
    for (const std::string& error : errors)
        view_.showMessage(error, MessageKind::Error);
}

bool ChatForm::LoadChatFile(const std::string& path) {
    const FileOutcome outcome = verdo::LoadChatFile(path, {options_, lists_, users_});
    if (outcome.upgraded) settingsModified_ = true;
    reportFileErrors(outcome.errors);
    applyLogonOptions();
    chatInterface_->Address = options_.server();
    view_.optionsChanged();
    bool ok = outcome.ok;
    log_.close();
    if (options_.keepLog() && !options_.logFileName().empty() &&
        !log_.open(options_.logFileName())) {
        view_.showMessage("Log File is invalid", MessageKind::Error);
    }
    return ok;
}

bool ChatForm::SaveChatFile(const std::string& path) {
    const FileOutcome outcome = verdo::SaveChatFile(path, {options_, lists_, users_});
    reportFileErrors(outcome.errors);
    return outcome.ok;
}

// The question before New, Open and exit. False when the user cancels, or
// when the settings were to be saved and were not: they are never dropped
// behind the user's back.
bool ChatForm::askToSaveFirst() {
    if (!settingsModified_) return true;
    switch (view_.askYesNoCancel(std::string(SaveQuestion))) {
        case Answer::Cancel:
            return false;
        case Answer::No:
            return true;
        case Answer::Yes:
            break;
    }
    acSaveExecute();
    return !settingsModified_;
}

void ChatForm::acNewExecute() {
    if (!askToSaveFirst()) return;
    settingsModified_ = false;
    ResetOptions(options_, lists_.ProductActions);
    users_.Clear();
    NewChatLists(lists_);
    applyLogonOptions();
    view_.optionsChanged();
    addStatusLine("Chat settings cleared.", options_.infoColor());
}

void ChatForm::acOpenExecute() {
    if (!askToSaveFirst()) return;
    const auto path = view_.chooseFile({false, "Open Chat Settings File...",
                                        std::string(ChatFilter), "ch5", settingsFolderPath()});
    if (!path) return;
    settingsModified_ = false;
    if (LoadChatFile(*path)) {
        currentFileName_ = *path;
        addStatusLine("Chat settings loaded.", options_.infoColor());
        settingsModified_ = false;
    } else {
        addStatusLine("An Error occured loading chat settings.", options_.errorColor());
    }
}

void ChatForm::saveTo(const std::string& path) {
    if (SaveChatFile(path)) {
        currentFileName_ = path;
        addStatusLine("Chat settings saved.", options_.infoColor());
        settingsModified_ = false;
    } else {
        addStatusLine("An Error occured saving chat settings.", options_.errorColor());
    }
}

void ChatForm::acSaveExecute() {
    if (currentFileName_ == NoFile)
        acSaveAsExecute();
    else
        saveTo(currentFileName_);
}

void ChatForm::acSaveAsExecute() {
    const auto path = view_.chooseFile(
        {true, "Save Chat Settings...", std::string(ChatFilter), "ch5", settingsFolderPath()});
    if (path) saveTo(*path);
}

// The merged lists count as modified, so that exit asks before they are lost.
void ChatForm::acImportExecute() {
    if (!view_.askYesNo("Importing will combine version 4 response files\r"
                        "with the current file.  Do you wish to continue?"))
        return;
    const auto path =
        view_.chooseFile({false, "Select Location of Version 4 Files...",
                          "VerdoChat 4 Files (*.cht)|*.cht", "cht", settingsFolderPath()});
    if (!path) return;
    ImportVersion4(ChatFileBaseName(*path), lists_);
    settingsModified_ = true;
    view_.optionsChanged();
    view_.showMessage("Import complete.", MessageKind::Information);
}

bool ChatForm::FormCloseQuery() {
    return askToSaveFirst();
}

void ChatForm::FormClose() {
    if (!ini_) return;
    if (currentFileName_ != NoFile)
        ini_->writeString(LastFileSection, LastFileSection, currentFileName_);
    ini_->writeString(BatchSection, "Batch File", batchFile_);
    ini_->writeString(BatchSection, "Batch User", batchUser_);
}

}  // namespace verdo
