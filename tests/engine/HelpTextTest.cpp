// Finding the help file and its topics, and the shipped help text itself: every
// topic a window asks for is a heading of it.
#include "engine/HelpText.h"
#include "platform/DataFolders.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TempFolder.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(HelpFile, IsLookedForBesideTheProgramThenInTheInstalledDataFolder) {
    TempFolder dir;
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "share/verdochat");
    const auto folders = dataFolders(dir / "bin");
    ASSERT_EQ(folders, (std::vector<fs::path>{dir / "bin", dir / "share/verdochat"}));

    EXPECT_EQ(findHelpFile(folders),
              dir / "bin/VerdoHelp.rtf");  // none: the first, for the message
    std::ofstream(dir / "share/verdochat/VerdoHelp.rtf") << "{\\rtf1 shared}";
    EXPECT_EQ(findHelpFile(folders), dir / "share/verdochat/VerdoHelp.rtf");
    std::ofstream(dir / "bin/VerdoHelp.rtf") << "{\\rtf1 beside}";
    EXPECT_EQ(findHelpFile(folders), dir / "bin/VerdoHelp.rtf");

    EXPECT_EQ(loadHelpFile(findHelpFile(folders))->text, "beside");
    EXPECT_FALSE(loadHelpFile(dir / "missing.rtf"));
    EXPECT_FALSE(loadHelpFile(dir / "bin"));
}

TEST(HelpTopic, IsFoundWithoutRegardToCaseFromTheSecondCharacter) {
    const std::string text = "Topic\nUser Information Screen  \nnotes\nText Files\n";
    struct Case {
        std::string_view topic;
        std::optional<std::size_t> at;
    };
    const Case cases[] = {
        {"User Information Screen  ", 6},
        {"user INFORMATION screen  ", 6},
        {"notes", 32},
        {"Text Files  ", std::nullopt},  // blanks count
        {"Topic", std::nullopt},
        {"opic", 1},  // the search starts at character 1
        {"", std::nullopt},
        {"Missing", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findHelpTopic(text, c.topic), c.at) << c.topic;
}

// Every topic the program's windows ask for, with the window that asks.
struct AskedTopic {
    const char* window;
    const char* topic;
};
const AskedTopic AskedTopics[] = {
    {"main window (F1)", "The Main Chat Screen"},
    {"configuration, General Options", "General Options Tab "},
    {"configuration, Log File/Owners", "Log File/Owners Tab"},
    {"configuration, Responses", "Responses Tab"},
    {"configuration, User Join", "User Join Tab"},
    {"configuration, Banning", "Banning Tab"},
    {"configuration, Product Actions", "Product Action Tab"},
    {"configuration, Commands", "User Defined Commands"},
    {"configuration, Timers", "Timers Tab"},
    {"configuration, other tabs", "Chat Configuration"},
    {"user information", "User Information Screen  "},
    {"account information", "User Account Screen"},
    {"channel list", "join channel screen"},
    {"text file playback", "Text Files  "},
};

void PrintTo(const AskedTopic& asked, std::ostream* out) {
    *out << asked.window << ": \"" << asked.topic << '"';
}

class ShippedHelpText : public ::testing::TestWithParam<AskedTopic> {
  protected:
    static void SetUpTestSuite() {
        document = loadHelpFile(fs::path(VERDO_SOURCE_DIR) / "resources" / HelpFileName);
    }
    static inline std::optional<RtfDocument> document;
};

// The first match is the heading itself, a paragraph of its own, so that the
// window lands on the topic and not on a mention of it in other text.
TEST_P(ShippedHelpText, HasTheTopicAsAHeading) {
    ASSERT_TRUE(document);
    const std::string& text = document->text;
    const std::string_view topic = GetParam().topic;
    const auto at = findHelpTopic(text, topic);
    ASSERT_TRUE(at) << GetParam().window;
    EXPECT_EQ(text[*at - 1], '\n');
    EXPECT_TRUE(*at + topic.size() == text.size() || text[*at + topic.size()] == '\n')
        << GetParam().window;
    for (const RtfSpan& span : document->spans) {
        if (span.start <= *at && *at < span.start + span.length) {
            EXPECT_TRUE(span.format.bold) << GetParam().window;
        }
    }
    // Followed by real help text, not just the next heading.
    const std::size_t next = text.find('\n', *at + topic.size() + 1);
    EXPECT_GT(next - (*at + topic.size()), 60u) << GetParam().window;
}

INSTANTIATE_TEST_SUITE_P(EveryAskedTopic, ShippedHelpText, ::testing::ValuesIn(AskedTopics));

}  // namespace
}  // namespace verdo
