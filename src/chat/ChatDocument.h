// The current chat file: the options record, the lists and the user records,
// whether they changed since the last load or save, the file they came from,
// and Chat.ini, where the program keeps what outlives a chat file (the last
// file, the layout, the playback file). The File menu's commands live here;
// they ask their questions through the view.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/AlertSettings.h"
#include "chat/SessionView.h"
#include "chat/WindowControls.h"
#include "chat/WindowLayout.h"
#include "engine/ChatFile.h"
#include "engine/ChatFileEdits.h"
#include "engine/ChatLists.h"
#include "interp/PacingRules.h"
#include "platform/IniFile.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {

class ChatDocument {
  public:
    ChatDocument(SessionView& view, WindowControls& controls) : view_(view), controls_(controls) {}

    tOptions& options() { return options_; }
    const tOptions& options() const { return options_; }
    // The lists of the current chat file, the product actions among them.
    ChatLists& lists() { return lists_; }
    const ChatLists& lists() const { return lists_; }
    // The user information database.
    tUserList& users() { return users_; }
    // Changed since the last load or save: exit and Open ask before dropping it.
    bool modified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // Talk and whispers beginning with it get no automatic answer.
    const std::string& ignorePrefix() const { return ignorePrefix_; }
    void setIgnorePrefix(const std::string& prefix) { ignorePrefix_ = prefix; }
    // The chat file last opened or saved, if any.
    const std::optional<std::string>& currentFile() const { return currentFile_; }

    // Called after the options and lists were replaced (load, New, Import).
    std::function<void()> OnOptionsReplaced;
    // New also empties the playback lines, which live outside the chat file.
    std::function<void()> ClearPlaybackLines;
    // Called after a chat file was read whole and replaced the settings.
    std::function<void()> OnFileLoaded;
    // Called with the path of a chat file just read, after OnFileLoaded: what
    // lives beside the chat file (the bot scripts) follows it.
    std::function<void(const std::string& path)> OnFileRead;
    // Called before New and Save As: what lives beside the chat file writes
    // its data first.
    std::function<void()> BeforeFileChange;

    // Where Chat.ini lives; without one nothing is read or written there.
    void setSettingsFile(const std::filesystem::path& iniPath) { ini_.emplace(iniPath); }
    bool hasSettingsFile() const { return ini_.has_value(); }
    // "Last File" of Chat.ini, when it names one.
    std::optional<std::string> lastFile() const;
    void writeLastFile();
    // "Batch File" and "Batch User": the text-file playback kept between runs.
    std::pair<std::string, std::string> readBatch() const;
    void writeBatch(const std::string& file, const std::string& user);
    // "Log Files": the files the user picked as the log with "Ch&ange...";
    // the log may append to them whatever their name.
    std::vector<std::string> chosenLogFiles() const;
    // A log file picked with "Ch&ange...": stored as the log file at once
    // (even when the dialog is then cancelled) and remembered in Chat.ini.
    void chooseLogFile(const std::string& path);
    // "Response" / "Ignore".
    std::string readIgnorePrefix() const;
    // "Pacing": the server's message quota; the defaults without Chat.ini.
    PacingRules readPacing() const;
    WindowLayout readLayout() const;
    void writeLayout(const WindowLayout& layout);
    // [Alerts]; writing reports false when Chat.ini could not be written.
    AlertSettings readAlerts() const;
    bool writeAlerts(const AlertSettings& settings);

    // The built-in servers and channels, before any chat file is read.
    void fillBuiltInLists();
    // The start: loads `path` with a status line saying how it went.
    void openAtStart(const std::string& path);

    // Load or save with their messages; true when everything was read/written.
    // A failed load leaves the settings, the modified flag and the file name.
    bool LoadChatFile(const std::string& path);
    bool SaveChatFile(const std::string& path);
    // Another program changed the current chat file's files since this
    // program last read or wrote them.
    bool changedOnDisk() const;
    // Re-reads the current chat file and replays the edits made here since
    // the last load or save onto it; nothing when the file cannot be read.
    std::optional<ChatFileEdits::Count> reloadKeepingEdits();
    void acNewExecute();
    void acOpenExecute();
    void acSaveExecute();
    void acSaveAsExecute();
    void acImportExecute();
    // Closing the window: false keeps it open (the user cancelled).
    bool FormCloseQuery();

  private:
    bool askToSaveFirst();
    void saveTo(const std::string& path);
    void remember(const std::string& path);
    void reportFileErrors(const std::vector<std::string>& errors);
    std::string settingsFolderPath() const;
    void replaced();

    SessionView& view_;
    WindowControls& controls_;
    tOptions options_;
    ChatLists lists_;
    tUserList users_;
    bool modified_ = false;
    std::string ignorePrefix_;
    std::optional<std::string> currentFile_;
    std::optional<IniFile> ini_;
    // The files and settings as last read or written.
    ChatFileStamps stamps_{};
    tOptions baseOptions_;
    ChatLists baseLists_;
};

}  // namespace verdo
