// The command line: --server, --headless, --help, --version and mistakes.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandLine.h"
#include "platform/ProgramVersion.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

StartOptions parse(QStringList arguments) {
    arguments.prepend("verdochat");
    return parseCommandLine(arguments);
}

TEST(CommandLineTest, NoArgumentsRuns) {
    const StartOptions options = parse({});
    EXPECT_EQ(options.action, StartOptions::Action::Run);
    EXPECT_FALSE(options.server.has_value());
}

TEST(CommandLineTest, ServerIsTakenAsGiven) {
    for (const QString& form :
         {QStringLiteral("--server=127.0.0.1:6112"), QStringLiteral("--server")}) {
        QStringList arguments{form};
        if (!form.contains('=')) arguments << "127.0.0.1:6112";
        const StartOptions options = parse(arguments);
        ASSERT_EQ(options.action, StartOptions::Action::Run);
        EXPECT_EQ(options.server, std::optional<std::string>("127.0.0.1:6112"));
    }
}

TEST(CommandLineTest, HeadlessIsAskedForExplicitly) {
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

TEST(CommandLineTest, HelpAndVersionAnswer) {
    const StartOptions version = parse({"--version"});
    EXPECT_EQ(version.action, StartOptions::Action::ShowVersion);
    EXPECT_EQ(version.message, QStringLiteral("VerdoChat Version 6"));
    const StartOptions help = parse({"--help"});
    EXPECT_EQ(help.action, StartOptions::Action::ShowHelp);
    for (const char* option : {"--server", "--headless", "CHATFILE"})
        EXPECT_TRUE(help.message.contains(option)) << option;
    EXPECT_TRUE(help.message.contains("verdochat"));
}

TEST(CommandLineTest, VersionSaysWhereTheSoundsAreFound) {
    testing::TempFolder prefix;
    std::filesystem::create_directories(prefix / "bin");
    EXPECT_TRUE(versionText(prefix / "bin").endsWith("\nSounds: none"));
    std::filesystem::create_directories(prefix.path() / "share" / "verdochat" / "Sounds");
    const QString text = versionText(prefix / "bin");
    EXPECT_TRUE(text.startsWith(QStringLiteral("VerdoChat Version 6 (") + ProgramVersion + ")\n"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QString::fromStdString(
        "Sounds: " + (prefix.path() / "share" / "verdochat" / "Sounds").string())))
        << text.toStdString();
}

TEST(CommandLineTest, AChatFileIsOpenedByItsAbsolutePath) {
    EXPECT_FALSE(parse({}).chatFile.has_value());
    const StartOptions absolute = parse({"--server", "127.0.0.1:6112", "/tmp/demo bot.ch5"});
    ASSERT_EQ(absolute.action, StartOptions::Action::Run);
    EXPECT_EQ(absolute.chatFile, std::optional<std::string>("/tmp/demo bot.ch5"));
    EXPECT_EQ(absolute.server, std::optional<std::string>("127.0.0.1:6112"));
    const StartOptions relative = parse({"bot.ch5"});
    ASSERT_TRUE(relative.chatFile.has_value());
    EXPECT_EQ(std::filesystem::path(*relative.chatFile),
              std::filesystem::current_path() / "bot.ch5");
}

TEST(CommandLineTest, ScriptsMayBeRepeatedAndAreMadeAbsolute) {
    const StartOptions options = parse({"--script", "dice.lua", "--script", "/srv/seen.lua"});
    ASSERT_EQ(options.action, StartOptions::Action::Run);
    EXPECT_EQ(options.scripts, (std::vector<std::filesystem::path>{
                                   std::filesystem::current_path() / "dice.lua", "/srv/seen.lua"}));
}

TEST(CommandLineTest, MistakesFail) {
    for (const QStringList& arguments :
         {QStringList{"--bogus"}, QStringList{"--headless", "--bogus"}, QStringList{"--server"},
          QStringList{"--server", ":6112"}, QStringList{"one.ch5", "two.ch5"}}) {
        const StartOptions options = parse(arguments);
        EXPECT_EQ(options.action, StartOptions::Action::Fail) << arguments.join(' ').toStdString();
        EXPECT_FALSE(options.message.isEmpty());
    }
}

}  // namespace
}  // namespace verdo
