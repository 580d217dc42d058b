// The session's own words: the status lines, status-bar texts, questions and
// message boxes of the connection, the chat file and text-file playback. The
// texts are the program's published ones, odd spacing included; a text that
// ends in a blank is followed by a name or a path.
#pragma once

namespace verdo::texts {

// The connection.
inline constexpr const char* AttemptingToConnect = "Attempting to connect.";
inline constexpr const char* TryingServer = "Trying Server: ";
inline constexpr const char* TimeoutIn = "Timeout in: ";
inline constexpr const char* AttemptingToLogOn = "Attempting to log on to ";
inline constexpr const char* LoggedOnTo = "Logged on to ";
inline constexpr const char* ConnectedTo = "Connected to: ";
inline constexpr const char* ChatPaused = "CHAT PAUSED";
inline constexpr const char* ConnectionTerminated = "Connection was terminated.";
inline constexpr const char* SendError = "Send error:  Server may not be responding";
inline constexpr const char* SocketError = "Socket Error";
inline constexpr const char* Rejoining = "Rejoining ";
inline constexpr const char* LogOnFailed =
    "Log on failed.  Please check your name and password\nand be sure you are using a name and "
    "password\nyou have already set up with Diablo or Starcraft";
inline constexpr const char* NotDelivered = "Not delivered: ";
// Followed by the number of lines and one of the two endings.
inline constexpr const char* QueueFull = "Too many lines waiting to be sent: dropped ";
inline constexpr const char* DroppedLine = " automatic or timed line.";
inline constexpr const char* DroppedLines = " automatic or timed lines.";

// Away and do not disturb.
inline constexpr const char* AwayTitle = "Away";
inline constexpr const char* AwayPrompt = "Enter reason why you will be away:";
inline constexpr const char* DNDTitle = "DND";
inline constexpr const char* DNDPrompt = "Enter reason why you will be in DND mode:";

// Channels refused.
inline constexpr const char* ChannelFull = "Channel is full.";
inline constexpr const char* ChannelDoesNotExist = "Channel does not exist.";
inline constexpr const char* ChannelRestricted = "Channel is restricted.";

// The chat file.
inline constexpr const char* SaveQuestion = "Save current chat settings?";
inline constexpr const char* SettingsCleared = "Chat settings cleared.";
inline constexpr const char* SettingsLoaded = "Chat settings loaded.";
inline constexpr const char* SettingsSaved = "Chat settings saved.";
inline constexpr const char* LoadFailed = "An Error occured loading chat settings.";
inline constexpr const char* SaveFailed = "An Error occured saving chat settings.";
inline constexpr const char* ChatFile = "Chat file ";  // + path + Loaded
inline constexpr const char* Loaded = " loaded.";
inline constexpr const char* OpenTitle = "Open Chat Settings File...";
inline constexpr const char* SaveTitle = "Save Chat Settings...";
inline constexpr const char* ImportQuestion =
    "Importing will combine version 4 response files\rwith the current file.  Do you wish to "
    "continue?";
inline constexpr const char* ImportTitle = "Select Location of Version 4 Files...";
inline constexpr const char* ImportComplete = "Import complete.";
inline constexpr const char* LogFileInvalid = "Log File is invalid";

// Text-file playback.
inline constexpr const char* CouldNotOpenTextFile = "Could not open text file";
inline constexpr const char* TextFile = "Text file: ";  // + path + Done
inline constexpr const char* Done = " done.";

}  // namespace verdo::texts
