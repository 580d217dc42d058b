// Every text of the session that users see or that the help quotes, against
// its published wording: a typo here is a fault users notice and search for.
#include <gtest/gtest.h>

#include <string>

#include "chat/MessageTexts.h"

namespace verdo {
namespace {

struct PublishedText {
    const char* program;
    const char* published;
};

TEST(MessageTextsTest, EachTextIsWordedAsPublished) {
    const PublishedText table[] = {
        {texts::AttemptingToConnect, "Attempting to connect."},
        {texts::TryingServer, "Trying Server: "},
        {texts::TimeoutIn, "Timeout in: "},
        {texts::AttemptingToLogOn, "Attempting to log on to "},
        {texts::LoggedOnTo, "Logged on to "},
        {texts::ConnectedTo, "Connected to: "},
        {texts::ChatPaused, "CHAT PAUSED"},
        {texts::ConnectionTerminated, "Connection was terminated."},
        {texts::SendError, "Send error:  Server may not be responding"},
        {texts::SocketError, "Socket Error"},
        {texts::Rejoining, "Rejoining "},
        {texts::LogOnFailed,
         "Log on failed.  Please check your name and password\nand be sure you are using a name "
         "and password\nyou have already set up with Diablo or Starcraft"},
        {texts::AwayTitle, "Away"},
        {texts::AwayPrompt, "Enter reason why you will be away:"},
        {texts::DNDTitle, "DND"},
        {texts::DNDPrompt, "Enter reason why you will be in DND mode:"},
        {texts::ChannelFull, "Channel is full."},
        {texts::ChannelDoesNotExist, "Channel does not exist."},
        {texts::ChannelRestricted, "Channel is restricted."},
        {texts::SaveQuestion, "Save current chat settings?"},
        {texts::SettingsCleared, "Chat settings cleared."},
        {texts::SettingsLoaded, "Chat settings loaded."},
        {texts::SettingsSaved, "Chat settings saved."},
        {texts::LoadFailed, "An Error occured loading chat settings."},
        {texts::SaveFailed, "An Error occured saving chat settings."},
        {texts::ChatFile, "Chat file "},
        {texts::Loaded, " loaded."},
        {texts::OpenTitle, "Open Chat Settings File..."},
        {texts::SaveTitle, "Save Chat Settings..."},
        {texts::ImportQuestion,
         "Importing will combine version 4 response files\rwith the current file.  Do you wish to "
         "continue?"},
        {texts::ImportTitle, "Select Location of Version 4 Files..."},
        {texts::ImportComplete, "Import complete."},
        {texts::LogFileInvalid, "Log File is invalid"},
        {texts::CouldNotOpenTextFile, "Could not open text file"},
        {texts::TextFile, "Text file: "},
        {texts::Done, " done."},
    };
    for (const PublishedText& text : table)
        EXPECT_EQ(std::string(text.program), text.published);
}

}  // namespace
}  // namespace verdo
