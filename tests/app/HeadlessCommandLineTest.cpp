// --headless on the command line, with and without a chat file.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace verdo {
namespace {

StartOptions parse(QStringList arguments) {
    arguments.prepend("verdochat");
    return parseCommandLine(arguments);
}

TEST(HeadlessCommandLineTest, HeadlessIsAskedForExplicitly) {
    EXPECT_FALSE(parse({}).headless);
    EXPECT_FALSE(parse({"bot.ch5"}).headless);
    const StartOptions options =
        parse({"--headless", "--server", "127.0.0.1:6112", "/srv/bot.ch5"});
    ASSERT_EQ(options.action, StartOptions::Action::Run);
    EXPECT_TRUE(options.headless);
    EXPECT_EQ(options.chatFile, std::optional<std::string>("/srv/bot.ch5"));
    EXPECT_EQ(options.server, std::optional<std::string>("127.0.0.1:6112"));
    EXPECT_TRUE(parse({"/srv/bot.ch5", "--headless"}).headless);
}

TEST(HeadlessCommandLineTest, HelpShowsIt) {
    EXPECT_TRUE(parse({"--help"}).message.contains("--headless"));
    EXPECT_EQ(parse({"--headless", "--bogus"}).action, StartOptions::Action::Fail);
}

}  // namespace
}  // namespace verdo
