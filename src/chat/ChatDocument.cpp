// The current chat file and Chat.ini (see ChatDocument.h). The file formats
// themselves live in engine/ChatFile.
#include "chat/ChatDocument.h"

#include <algorithm>

#include "chat/MessageTexts.h"
#include "engine/BuiltInLists.h"
#include "engine/ChatFile.h"
#include "engine/CommandTable.h"
#include "engine/Import.h"
#include "platform/FolderLock.h"

namespace verdo {
namespace {

// Chat.ini's word for "no chat file".
constexpr std::string_view NoFile = "None";
constexpr std::string_view LastFileSection = "Last File";
constexpr std::string_view BatchSection = "Batch File";
constexpr std::string_view ChatFilter = "Chat Files (*.ch5)|*.ch5";
constexpr std::string_view LogFilesSection = "Log Files";
// The newest ones are kept: enough for every log a user keeps in turn.
constexpr std::size_t MaximumChosenLogFiles = 20;

std::string logFileKey(int number) {
    return "File" + std::to_string(number);
}

std::string changedOnDiskQuestion(const std::string& path) {
    return "Another program changed the chat file " + path +
           " since it was read.\rYes: overwrite it with these settings.\rNo: keep the other "
           "program's version and read it.\rCancel: do nothing.";
}

}  // namespace

std::optional<std::string> ChatDocument::lastFile() const {
    if (!ini_) return std::nullopt;
    std::string path = ini_->readString(LastFileSection, LastFileSection, NoFile);
    if (path.empty() || path == NoFile) return std::nullopt;
    return path;
}

void ChatDocument::writeLastFile() {
    if (ini_ && currentFile_) ini_->writeString(LastFileSection, LastFileSection, *currentFile_);
}

std::pair<std::string, std::string> ChatDocument::readBatch() const {
    if (!ini_) return {};
    return {ini_->readString(BatchSection, "Batch File", ""),
            ini_->readString(BatchSection, "Batch User", "")};
}

void ChatDocument::writeBatch(const std::string& file, const std::string& user) {
    if (!ini_) return;
    ini_->writeString(BatchSection, "Batch File", file);
    ini_->writeString(BatchSection, "Batch User", user);
}

std::vector<std::string> ChatDocument::chosenLogFiles() const {
    std::vector<std::string> files;
    if (!ini_) return files;
    const int count = std::min(ini_->readInteger(LogFilesSection, "Count", 0),
                               static_cast<int>(MaximumChosenLogFiles));
    for (int number = 1; number <= count; ++number) {
        std::string file = ini_->readString(LogFilesSection, logFileKey(number), "");
        if (!file.empty()) files.push_back(std::move(file));
    }
    return files;
}

void ChatDocument::chooseLogFile(const std::string& path) {
    options_.setLogFileName(path);
    if (!ini_ || path.empty()) return;
    std::vector<std::string> files = chosenLogFiles();
    std::erase(files, path);
    files.insert(files.begin(), path);
    if (files.size() > MaximumChosenLogFiles) files.resize(MaximumChosenLogFiles);
    for (std::size_t i = 0; i < files.size(); ++i)
        ini_->writeString(LogFilesSection, logFileKey(static_cast<int>(i) + 1), files[i]);
    ini_->writeInteger(LogFilesSection, "Count", static_cast<int>(files.size()));
}

std::string ChatDocument::readIgnorePrefix() const {
    return ini_ ? ini_->readString("Response", "Ignore", "") : std::string();
}

PacingRules ChatDocument::readPacing() const {
    return ini_ ? ReadPacingRules(*ini_) : PacingRules{};
}

std::string ChatDocument::settingsFolderPath() const {
    return ini_ ? ini_->path().parent_path().string() : std::string();
}

WindowLayout ChatDocument::readLayout() const {
    return ini_ ? ReadLayout(*ini_) : WindowLayout{};
}

void ChatDocument::writeLayout(const WindowLayout& layout) {
    if (ini_) WriteLayout(*ini_, layout);
}

AlertSettings ChatDocument::readAlerts() const {
    return ini_ ? readAlertSettings(*ini_) : AlertSettings{};
}

bool ChatDocument::writeAlerts(const AlertSettings& settings) {
    return ini_ && writeAlertSettings(*ini_, settings);
}

void ChatDocument::fillBuiltInLists() {
    ResetOptions(options_, lists_.ProductActions);
    FillBuiltInCommands(lists_);
    FillDefaultServers(lists_);
    FillDefaultChannels(lists_);
}

void ChatDocument::openAtStart(const std::string& path) {
    if (LoadChatFile(path)) {
        currentFile_ = path;
        addStatusLine(view_, texts::ChatFile + path + texts::Loaded, options_.infoColor());
    } else {
        addStatusLine(view_, texts::LoadFailed, options_.errorColor());
        currentFile_.reset();
    }
}

void ChatDocument::reportFileErrors(const std::vector<std::string>& errors) {
    for (const std::string& error : errors)
        view_.showMessage(error, MessageKind::Error);
}

void ChatDocument::replaced() {
    if (OnOptionsReplaced) OnOptionsReplaced();
}

// What was read or written last, to tell another program's change later.
void ChatDocument::remember(const std::string& path) {
    stamps_ = StampsOfChatFile(path);
    baseOptions_ = options_;
    baseLists_ = lists_;
}

bool ChatDocument::changedOnDisk() const {
    return currentFile_ && StampsOfChatFile(*currentFile_) != stamps_;
}

std::optional<ChatFileEdits::Count> ChatDocument::reloadKeepingEdits() {
    if (!currentFile_) return std::nullopt;
    const ChatFileEdits edits = ChatFileEdits::between(baseOptions_, baseLists_, options_, lists_);
    if (!LoadChatFile(*currentFile_)) return std::nullopt;
    const ChatFileEdits::Count count = edits.replayOnto(options_, lists_);
    modified_ = !edits.empty();
    if (!edits.empty()) replaced();
    return count;
}

// A failed load changed nothing, so there is nothing to apply. The folder
// lock keeps another writer out while the three files are read.
bool ChatDocument::LoadChatFile(const std::string& path) {
    FolderLock lock(path);
    const FileOutcome outcome = verdo::LoadChatFile(path, {options_, lists_, users_});
    if (outcome.ok) remember(path);
    lock.release();
    reportFileErrors(outcome.errors);
    if (!outcome.ok) return false;
    if (outcome.upgraded) modified_ = true;
    replaced();
    if (OnFileLoaded) OnFileLoaded();
    if (OnFileRead) OnFileRead(path);
    return true;
}

bool ChatDocument::SaveChatFile(const std::string& path) {
    FolderLock lock(path);
    const FileOutcome outcome = verdo::SaveChatFile(path, {options_, lists_, users_});
    if (outcome.ok) remember(path);
    lock.release();
    reportFileErrors(outcome.errors);
    return outcome.ok;
}

// The question before New, Open and exit. False when the user cancels, or
// when the settings were to be saved and were not: they are never dropped
// behind the user's back.
bool ChatDocument::askToSaveFirst() {
    if (!modified_) return true;
    switch (view_.askYesNoCancel(texts::SaveQuestion)) {
        case Answer::Cancel:
            return false;
        case Answer::No:
            return true;
        case Answer::Yes:
            break;
    }
    acSaveExecute();
    return !modified_;
}

void ChatDocument::acNewExecute() {
    if (!askToSaveFirst()) return;
    if (BeforeFileChange) BeforeFileChange();
    modified_ = false;
    ResetOptions(options_, lists_.ProductActions);
    users_.Clear();
    NewChatLists(lists_);
    if (ClearPlaybackLines) ClearPlaybackLines();
    replaced();
    controls_.userRecordsCleared();
    addStatusLine(view_, texts::SettingsCleared, options_.infoColor());
}

void ChatDocument::acOpenExecute() {
    if (!askToSaveFirst()) return;
    const auto path = view_.chooseFile(
        {false, texts::OpenTitle, std::string(ChatFilter), "ch5", settingsFolderPath()});
    if (!path) return;
    if (LoadChatFile(*path)) {
        currentFile_ = *path;
        addStatusLine(view_, texts::SettingsLoaded, options_.infoColor());
        modified_ = false;
    } else {
        addStatusLine(view_, texts::LoadFailed, options_.errorColor());
    }
}

// Saving over a chat file that another program changed since it was read
// would lose that program's edit: the user chooses.
void ChatDocument::saveTo(const std::string& path) {
    if (currentFile_ == path && changedOnDisk()) {
        switch (view_.askYesNoCancel(changedOnDiskQuestion(path))) {
            case Answer::Cancel:
                return;
            case Answer::No:
                if (LoadChatFile(path)) {
                    modified_ = false;
                    addStatusLine(view_, texts::SettingsLoaded, options_.infoColor());
                } else {
                    addStatusLine(view_, texts::LoadFailed, options_.errorColor());
                }
                return;
            case Answer::Yes:
                break;
        }
    }
    if (SaveChatFile(path)) {
        currentFile_ = path;
        addStatusLine(view_, texts::SettingsSaved, options_.infoColor());
        modified_ = false;
    } else {
        addStatusLine(view_, texts::SaveFailed, options_.errorColor());
    }
}

void ChatDocument::acSaveExecute() {
    if (currentFile_)
        saveTo(*currentFile_);
    else
        acSaveAsExecute();
}

void ChatDocument::acSaveAsExecute() {
    const auto path = view_.chooseFile(
        {true, texts::SaveTitle, std::string(ChatFilter), "ch5", settingsFolderPath()});
    if (!path) return;
    if (const std::string problem = NewChatFileNameProblem(*path); !problem.empty()) {
        view_.showMessage(problem, MessageKind::Error);
        addStatusLine(view_, texts::SaveFailed, options_.errorColor());
        return;
    }
    if (BeforeFileChange) BeforeFileChange();
    saveTo(*path);
}

// The merged lists count as modified, so that exit asks before they are lost.
void ChatDocument::acImportExecute() {
    if (!view_.askYesNo(texts::ImportQuestion)) return;
    const auto path =
        view_.chooseFile({false, texts::ImportTitle, "VerdoChat 4 Files (*.cht)|*.cht", "cht",
                          settingsFolderPath()});
    if (!path) return;
    ImportVersion4(ChatFileBaseName(*path), lists_);
    modified_ = true;
    replaced();
    view_.showMessage(texts::ImportComplete, MessageKind::Information);
}

bool ChatDocument::FormCloseQuery() {
    return askToSaveFirst();
}

}  // namespace verdo
