// A chat file's in-memory parts and a scratch folder for the file tests.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "engine/ChatFile.h"
#include "support/TempFolder.h"

namespace verdo::testing {

// Fills every list with items that name the list and position, so that a
// mixed-up list shows in a comparison.
inline void fillEveryList(ChatLists& lists) {
    int counter = 0;
    auto fill = [&counter](tStringList& list, const std::string& name, int count) {
        list.clear();
        for (int i = 0; i < count; ++i)
            list.push_back(name + " " + std::to_string(++counter));
    };
    fill(lists.UserDef, "custom", 2);
    fill(lists.NameList, "name", 2);
    fill(lists.PasswordList, "secret", 2);
    fill(lists.ServerList, "server", 3);
    fill(lists.HomeList, "home", 1);
    fill(lists.ChannelList, "channel", 2);
    fill(lists.OwnerList, "owner", 1);
    fill(lists.MemberList, "member", 2);
    fill(lists.AccountList, "account", 2);
    fill(lists.NumberList, "#", 2);
    fill(lists.PhraseList, "phrase", 2);
    fill(lists.WhisperList, "whisper", 2);
    fill(lists.BanList, "ban", 1);
    fill(lists.NoBanList, "noban", 1);
    fill(lists.UserJoinList, "joiner", 2);
    fill(lists.TimerList, "timer", 2);
    fill(lists.IntervalList, "", 2);
    fill(lists.CommandList, "/cmd", 2);
    fill(lists.CommandRes, "res", 2);
    fill(lists.CommandLevel, "", 2);
    fill(lists.MacroList, "macro", 1);
    fill(lists.MacroKeys, "F", 1);
    for (int n = 0; n < 3; ++n) {
        fill(lists.PhraseRes[n], "p-alt", 2);
        fill(lists.WhiserRes[n], "w-alt", 2);
        fill(lists.UserRes[n], "u-alt", 2);
    }
    for (std::size_t i = 0; i < lists.ProductActions.size(); ++i)
        lists.ProductActions[i] = "/kick <user> " + std::to_string(i);
}

inline mode_t permissionsOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// A 4096-byte record with the version field (length byte at 2704, four
// characters) set to `version`, every other byte as given.
inline std::string recordBytes(const std::string& version, char fill = '\0') {
    std::string bytes(4096, fill);
    bytes[2704] = static_cast<char>(version.size());
    bytes.replace(2705, version.size(), version);
    return bytes;
}

class ChatFileTest : public ::testing::Test {
  protected:
    ChatFileData data() { return {options, lists, users}; }
    ChatFileData otherData() { return {otherOptions, otherLists, otherUsers}; }
    std::filesystem::path file(const std::string& name) const { return dir / name; }

    TempFolder dir;
    tOptions options;
    ChatLists lists;
    tUserList users;
    tOptions otherOptions;
    ChatLists otherLists;
    tUserList otherUsers;
};

}  // namespace verdo::testing
