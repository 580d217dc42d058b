// `verdochat chatfile ...` through the built program in a scratch folder: each
// subcommand's status, message and the files the loader reads back; refusals
// write nothing; export then import gives back the demo file byte for byte.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>

#include "app/chatfile/ChatFileCommand.h"
#include "engine/ChatFile.h"
#include "support/FakePasswordInput.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::readFile;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class ChatFileCommandTest : public ::testing::Test {
  protected:
    // `redirect` gives standard input and output (and may go on with more
    // shell); errors go to err.txt.
    Outcome chatfile(const std::vector<std::string>& arguments,
                     const std::string& redirect = ">out.txt </dev/null") {
        std::string line = "cd " + shellQuoted(dir.path()) + " && env -u DISPLAY " +
                           shellQuoted(VERDOCHAT_PROGRAM) + " chatfile";
        for (const std::string& argument : arguments)
            line += " " + shellQuoted(argument);
        line += " 2>err.txt " + redirect;
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir / "out.txt"),
                readFile(dir / "err.txt")};
    }
    // Every file of the chat file "bot", for "nothing was written".
    std::string botFiles() {
        return readFile(dir / "bot.ch5") + "|" + readFile(dir / "bot.ext") + "|" +
               readFile(dir / "bot.usr");
    }
    void load() { ASSERT_TRUE(LoadChatFile(dir / "bot.ch5", {options, lists, users}).ok); }

    testing::TempFolder dir;
    tOptions options;
    ChatLists lists;
    tUserList users;
};

TEST_F(ChatFileCommandTest, MakesABotFromNothing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> steps = {
        {{"new", "bot.ch5"}, "bot.ch5: new chat file written"},
        {{"set", "bot.ch5", "user-name", "Robo"}, "user-name = Robo"},
        {{"set", "bot.ch5", "master-switch", "on"}, "master-switch = on"},
        {{"set", "bot.ch5", "info-color", "#00ff80"}, "info-color = #00ff80"},
        {{"set", "bot.ch5", "brood-war-action", "/ban <user>"}, "brood-war-action = /ban <user>"},
        {{"add", "bot.ch5", "servers", "127.0.0.1"}, "servers #1: 127.0.0.1"},
        {{"add", "bot.ch5", "owners", "Zed"}, "owners #1: Zed"},
        {{"add", "bot.ch5", "commands", "hi", "Hello <user>!", "0"}, "commands #"},
        {{"add", "bot.ch5", "phrases", "hello", "Hi <user>", "Yo"}, "phrases #1: hello"},
        {{"add", "bot.ch5", "phrases", "bye", "See you"}, "phrases #2: bye"},
        {{"add", "bot.ch5", "users", "Zed", "Welcome back"}, "users #1: Zed"},
        {{"remove", "bot.ch5", "phrases", "1"}, "removed phrases #1: hello"},
        {{"remove", "bot.ch5", "channels", "the void"}, "removed channels #24: The Void"},
    };
    for (const auto& [arguments, message] : steps) {
        const Outcome run = chatfile(arguments);
        EXPECT_EQ(run.status, 0) << arguments[0] << run.err;
        EXPECT_THAT(run.out, HasSubstr(message));
    }
    for (const char* name : {"bot.ch5", "bot.ext", "bot.usr"}) {
        struct stat info {};
        ASSERT_EQ(::stat((dir / name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u) << name;
    }
    load();
    EXPECT_EQ(options.userName(), "Robo");
    EXPECT_TRUE(options.masterSwitch());
    EXPECT_EQ(options.infoColor(), 0x0080FF00u);
    EXPECT_EQ(lists.ProductActions[7], "/ban <user>");
    EXPECT_EQ(lists.ServerList.front(), "127.0.0.1");
    EXPECT_THAT(lists.OwnerList, ElementsAre("Zed"));
    EXPECT_EQ(lists.CommandList.back(), "hi");
    EXPECT_EQ(lists.CommandLevel.back(), "0");
    EXPECT_THAT(lists.PhraseList, ElementsAre("bye"));
    EXPECT_THAT(lists.PhraseRes[0], ElementsAre("See you"));
    EXPECT_THAT(lists.PhraseRes[1], ElementsAre(""));
    EXPECT_EQ(lists.ChannelList.size(), 27u);
    ASSERT_EQ(users.Count(), 1);
    EXPECT_EQ(users.Items(0)->Greeting(), "Welcome back");

    const Outcome shown = chatfile({"show", "bot.ch5", "phrases"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out,
              "[phrases]\n# 1\nentry = bye\nresponse-1 = See you\nresponse-2 =\n"
              "response-3 =\n");
    EXPECT_THAT(chatfile({"show", "bot.ch5"}).out, HasSubstr("\nuser-name = Robo\n"));
}

TEST_F(ChatFileCommandTest, RefusesBadInputAndWritesNothing) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    const std::string before = botFiles();
    // One refused value stands for all: the fields' own tests hold the rules.
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"set", "bot.ch5", "favourite", "x"}, "unknown option \"favourite\""},
        {{"set", "bot.ch5", "login-timeout", "101"},
         "login-timeout: expected a number from 2 to 100"},
        {{"add", "bot.ch5", "friends", "Zed"}, "unknown list \"friends\""},
        {{"add", "bot.ch5", "commands", "hi", "x", "7"}, "commands level: expected 0"},
        {{"add", "bot.ch5", "users", "ANameOfSeventeen!"}, "users name: too long"},
        {{"remove", "bot.ch5", "owners", "1"}, "owners has 0 items: no item 1"},
        {{"remove", "bot.ch5", "servers", "99"}, "servers has 15 items: no item 99"},
        {{"remove", "bot.ch5", "owners", "Zed"}, "owners: no item \"Zed\""},
        {{"show", "bot.ch5", "friends"}, "unknown section \"friends\""},
        {{"set", "bot.ch5", "user-name"}, "usage: verdochat chatfile set FILE.ch5 OPTION VALUE"},
        {{"new", "bot.ch5"}, "bot.ch5: already exists"},
        {{"new", "b*ot.ch5"}, "b*ot.ch5: a chat file's name cannot hold \"*\""},
        {{"frobnicate"}, "unknown subcommand \"frobnicate\""},
    };
    for (const auto& [arguments, message] : refused) {
        const Outcome run = chatfile(arguments);
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_THAT(run.err, HasSubstr(message));
        EXPECT_EQ(run.out, "") << message;
    }
    EXPECT_EQ(botFiles(), before);
}

TEST_F(ChatFileCommandTest, ANonChatFileIsRefusedUntouched) {
    const std::string notes(tOptions::Size, 'x');
    for (const auto& [name, contents] : std::vector<std::pair<std::string, std::string>>{
             {"notes.ch5", notes}, {"short.ch5", "hello"}}) {
        std::ofstream(dir / name, std::ios::binary) << contents;
        const Outcome run = chatfile({"set", name, "user-name", "x"});
        EXPECT_EQ(run.status, 2);
        EXPECT_THAT(run.err, HasSubstr(name + ": not a chat file"));
        EXPECT_EQ(readFile(dir / name), contents);
    }
    EXPECT_THAT(chatfile({"show", "missing.ch5"}).err, HasSubstr("missing.ch5: no such file"));
    EXPECT_THAT(chatfile({"new", "bot.txt"}).err, HasSubstr("a chat file's name ends in .ch5"));
    std::ofstream(dir / "bad.txt") << "[options]\nuser-name = a\nmaster-switch = maybe\n";
    const Outcome run = chatfile({"import", "bad.txt", "bot.ch5"});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("bad.txt, line 3: master-switch: expected on or off"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bot.ch5"));
    EXPECT_THAT(dir.entries(), ::testing::UnorderedElementsAre("notes.ch5", "short.ch5", "bad.txt",
                                                               "out.txt", "err.txt"));
}

TEST_F(ChatFileCommandTest, NewRefusesWhenAnyOfTheThreeFilesExists) {
    std::ofstream(dir / "bot.usr", std::ios::binary) << std::string(4096, 'u');
    const Outcome run = chatfile({"new", "bot.ch5"});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("bot.usr: already exists"));
    EXPECT_FALSE(std::filesystem::exists(dir / "bot.ch5"));
    EXPECT_EQ(readFile(dir / "bot.usr"), std::string(4096, 'u'));
}

// What is not a chat file document never replaces the chat file: every user
// record would be gone.
TEST_F(ChatFileCommandTest, ImportRefusesWhatIsNotADocumentAndWritesNothing) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    ASSERT_EQ(chatfile({"add", "bot.ch5", "users", "Zed"}).status, 0);
    const std::string before = botFiles();
    std::ofstream(dir / "empty.txt") << "";
    std::ofstream(dir / "notes.txt") << "just some notes\n";
    std::filesystem::create_directory(dir / "folder");
    // Standard input, then the refusal.
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::string>> refused = {
        {{"import", "-", "bot.ch5"}, "", "standard input: empty"},
        {{"import", "empty.txt", "bot.ch5"}, "", "empty.txt: empty"},
        {{"import", "folder", "bot.ch5"}, "", "folder: a folder, not a document"},
        {{"import", "/dev/zero", "bot.ch5"}, "", "/dev/zero: a device, not a document"},
        {{"import", "gone.txt", "bot.ch5"}, "", "gone.txt: no such file"},
        {{"import", "notes.txt", "bot.ch5"}, "", "line 1: expected \"name = value\""},
        {{"import", "-", "bot.ch5"}, "# nothing but a comment\n", "no [section] line"},
        {{"import", "-", "bot.ch5"},
         "[options]\nlogin-timeout = 101\n",
         "line 2: login-timeout: expected a number from 2 to 100"},
        {{"import", "-", "a*b.ch5"}, "[options]\n", "cannot hold \"*\""},
    };
    for (const auto& [arguments, input, message] : refused) {
        std::ofstream(dir / "in.txt") << input;
        const Outcome run = chatfile(arguments, ">out.txt <in.txt");
        EXPECT_EQ(run.status, 2) << message;
        EXPECT_THAT(run.err, HasSubstr(message));
    }
    EXPECT_EQ(botFiles(), before);
    EXPECT_FALSE(std::filesystem::exists(dir / "bot.ch5.bak"));
    // --stored takes a value a chat file may hold beyond the dialog's limits.
    std::ofstream(dir / "in.txt") << "[options]\nlogin-timeout = 101\n";
    const Outcome stored =
        chatfile({"import", "--stored", "--no-backup", "-", "bot.ch5"}, ">out.txt <in.txt");
    EXPECT_EQ(stored.status, 0) << stored.err;
    load();
    EXPECT_EQ(options.loginTimeout(), 101);
}

// A FIFO is read like standard input; the chat file it replaces is kept as
// backups that belong together, owner only, with the replaced file's owner.
TEST_F(ChatFileCommandTest, ImportFromAPipeKeepsTheReplacedFilesAsBackups) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    ASSERT_EQ(chatfile({"add", "bot.ch5", "users", "Zed"}).status, 0);
    const std::string record = readFile(dir / "bot.ch5");
    const std::string userFile = readFile(dir / "bot.usr");
    const bool root = ::geteuid() == 0;  // only root may give a file to another user
    if (root) {
        ASSERT_EQ(::chown((dir / "bot.usr").c_str(), 65534, 65534), 0);
    }
    std::ofstream(dir / "bot.ext.bak") << "an older backup";
    ASSERT_EQ(::mkfifo((dir / "doc.fifo").c_str(), 0600), 0);
    const Outcome run = chatfile({"import", "doc.fifo", "bot.ch5"},
                                 ">out.txt </dev/null & printf '[owners]\\nentry = Boss\\n' >" +
                                     shellQuoted((dir / "doc.fifo").string()) + "; wait $!");
    ASSERT_EQ(run.status, 0) << run.err;
    load();
    EXPECT_THAT(lists.OwnerList, ElementsAre("Boss"));
    EXPECT_EQ(users.Count(), 0);
    EXPECT_EQ(readFile(dir / "bot.ch5.bak"), record);
    EXPECT_EQ(readFile(dir / "bot.usr.bak"), userFile);
    EXPECT_THAT(readFile(dir / "bot.ext.bak"), HasSubstr("ServerList="));
    struct stat info {};
    ASSERT_EQ(::stat((dir / "bot.usr.bak").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
    }

    std::ofstream(dir / "in.txt") << "[owners]\n";
    ASSERT_EQ(chatfile({"import", "--no-backup", "-", "bot.ch5"}, ">out.txt <in.txt").status, 0);
    EXPECT_EQ(readFile(dir / "bot.ch5.bak"), record);  // untouched by --no-backup
}

// A full disk behind standard output: the document is incomplete, so the
// command must not report success (`export > f && import f` would lose data).
TEST_F(ChatFileCommandTest, ExportAndShowFailWhenStandardOutputCannotBeWritten) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    for (const char* command : {"export", "show"}) {
        const Outcome run = chatfile({command, "bot.ch5"}, ">/dev/full </dev/null");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_THAT(run.err, HasSubstr("standard output could not be written")) << command;
    }
}

TEST_F(ChatFileCommandTest, ExportThenImportGivesTheDemoFileBack) {
    const auto demo = std::filesystem::path(VERDO_SOURCE_DIR) / "resources" / "demo";
    for (const char* suffix : {".ch5", ".ext", ".usr"})
        std::filesystem::copy_file(demo / ("demo" + std::string(suffix)),
                                   dir / ("demo" + std::string(suffix)));
    const Outcome exported = chatfile({"export", "--show-passwords", "demo.ch5"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::ofstream(dir / "demo.txt", std::ios::binary) << exported.out;
    const Outcome imported = chatfile({"import", "demo.txt", "bot.ch5"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "bot.ch5: imported from demo.txt\n");
    for (const char* suffix : {".ch5", ".ext", ".usr"})
        EXPECT_EQ(readFile(dir / ("bot" + std::string(suffix))),
                  readFile(demo / ("demo" + std::string(suffix))))
            << suffix;
}

// A password given as "-" comes from standard input, never from the command
// line; listings hide it, and a document that hides it keeps the passwords
// of the chat file it is imported into.
TEST_F(ChatFileCommandTest, PasswordsComeFromStandardInputAndStayHidden) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    const std::vector<std::tuple<std::vector<std::string>, std::string, std::string>> typed = {
        {{"set", "bot.ch5", "password", "-"}, "s3cret\n", "password = ********\n"},
        {{"add", "bot.ch5", "names", "Bob", "-"}, "bobpw\n", "names #1: Bob\n"},
    };
    for (const auto& [arguments, input, answer] : typed) {
        std::ofstream(dir / "in.txt") << input;
        const Outcome run = chatfile(arguments, ">out.txt <in.txt");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, answer);
    }
    load();
    EXPECT_EQ(options.password(), "s3cret");
    EXPECT_THAT(lists.PasswordList, ElementsAre("bobpw"));
    const Outcome shown = chatfile({"show", "bot.ch5"});
    EXPECT_THAT(shown.out, HasSubstr("\npassword = ********\n"));
    EXPECT_THAT(shown.out, Not(HasSubstr("s3cret")));
    EXPECT_THAT(chatfile({"show", "--show-passwords", "bot.ch5", "names"}).out,
                HasSubstr("password = bobpw\n"));

    const Outcome masked = chatfile({"export", "bot.ch5"});
    ASSERT_EQ(masked.status, 0);
    EXPECT_THAT(masked.out, ::testing::StartsWith("# passwords hidden\n"));
    EXPECT_THAT(masked.out, Not(HasSubstr("bobpw")));
    std::ofstream(dir / "masked.txt") << masked.out;
    const Outcome refused = chatfile({"import", "masked.txt", "copy.ch5"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_THAT(refused.err, HasSubstr("masked.txt: its passwords are hidden, and copy.ch5 "
                                       "does not exist to keep them from"));
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.ch5"));
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.ext"));

    // Into the chat file it came from: the same bytes; into another chat
    // file: that one's passwords, a name's by the same name.
    const std::string before = botFiles();
    ASSERT_EQ(chatfile({"import", "--no-backup", "masked.txt", "bot.ch5"}).status, 0);
    EXPECT_EQ(botFiles(), before);
    ASSERT_EQ(chatfile({"set", "bot.ch5", "password", "other"}).status, 0);
    ASSERT_EQ(chatfile({"remove", "bot.ch5", "names", "Bob"}).status, 0);
    ASSERT_EQ(chatfile({"add", "bot.ch5", "names", "BOB", "otherbob"}).status, 0);
    const Outcome imported = chatfile({"import", "masked.txt", "bot.ch5"});
    EXPECT_EQ(imported.status, 0) << imported.err;
    load();
    EXPECT_EQ(options.password(), "other");
    EXPECT_THAT(lists.NameList, ElementsAre("Bob"));
    EXPECT_THAT(lists.PasswordList, ElementsAre("otherbob"));
}

// The command asks its password source only where "-" stands for a password,
// before it touches the chat file.
TEST(ChatFileCommandPasswordTest, AsksOnlyForAPasswordGivenAsADash) {
    testing::TempFolder dir;
    const std::string file = (dir / "bot.ch5").string();
    testing::FakePasswordInput input;
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    const auto run = [&](const std::vector<std::string>& arguments) {
        out.str("");
        err.str("");
        return ChatFileCommand(out, err, in, input).run(arguments);
    };
    ASSERT_EQ(run({"new", file}), 0);
    input.answer = "typed";
    EXPECT_EQ(run({"set", file, "password", "-"}), 0);
    EXPECT_EQ(run({"add", file, "names", "Bob", "-"}), 0);
    EXPECT_EQ(run({"set", file, "away-reason", "-"}), 0);
    EXPECT_EQ(run({"add", file, "names", "-", "plain"}), 0);
    EXPECT_THAT(input.prompts, ElementsAre("Password for " + file + ": ", "Password for Bob: "));
    tOptions options;
    ChatLists lists;
    tUserList users;
    ASSERT_TRUE(LoadChatFile(file, {options, lists, users}).ok);
    EXPECT_EQ(options.password(), "typed");
    EXPECT_EQ(options.awayReason(), "-");
    EXPECT_THAT(lists.NameList, ElementsAre("Bob", "-"));
    EXPECT_THAT(lists.PasswordList, ElementsAre("typed", "plain"));

    const std::string record = readFile(file);
    const std::string listFile = readFile(dir / "bot.ext");
    input.refusal = "standard input holds no password";
    EXPECT_EQ(run({"set", file, "password", "-"}), ChatFileCommand::Refused);
    EXPECT_EQ(err.str(), "verdochat chatfile set: standard input holds no password\n");
    EXPECT_EQ(run({"add", file, "names", "Ann", "-"}), ChatFileCommand::Refused);
    EXPECT_EQ(readFile(file), record);
    EXPECT_EQ(readFile(dir / "bot.ext"), listFile);
}

// Help is asked for where an option stands; after the first other argument
// the words are values, so a bot may answer a command "help".
TEST_F(ChatFileCommandTest, HelpWordsAfterTheFirstArgumentAreValues) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    const Outcome added = chatfile({"add", "bot.ch5", "commands", "help", "-h", "0"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_THAT(added.out, HasSubstr(": help\n"));
    load();
    EXPECT_EQ(lists.CommandList.back(), "help");
    EXPECT_EQ(lists.CommandRes.back(), "-h");
    const Outcome set = chatfile({"set", "bot.ch5", "home-channel", "--help"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "home-channel = --help\n");
}

// A bare number is an index; with --entry it is the entry itself.
TEST_F(ChatFileCommandTest, RemovesAnEntryThatIsANumberWithTheEntryOption) {
    ASSERT_EQ(chatfile({"new", "bot.ch5"}).status, 0);
    ASSERT_EQ(chatfile({"add", "bot.ch5", "channels", "1"}).status, 0);
    load();
    const std::string first = lists.ChannelList.front();
    const std::size_t count = lists.ChannelList.size();
    const Outcome byValue = chatfile({"remove", "bot.ch5", "channels", "--entry", "1"});
    EXPECT_EQ(byValue.status, 0) << byValue.err;
    EXPECT_EQ(byValue.out, "removed channels #" + std::to_string(count) + ": 1\n");
    load();
    EXPECT_EQ(lists.ChannelList.size(), count - 1);
    EXPECT_EQ(lists.ChannelList.front(), first);
    EXPECT_EQ(chatfile({"remove", "bot.ch5", "channels", "--entry", "1"}).status, 2);
    EXPECT_EQ(chatfile({"remove", "bot.ch5", "channels", "1"}).out,
              "removed channels #1: " + first + "\n");
}

TEST_F(ChatFileCommandTest, EverySubcommandHasItsHelp) {
    for (const std::string command : {"new", "show", "set", "add", "remove", "export", "import"}) {
        const Outcome run = chatfile({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_THAT(run.out, HasSubstr("Usage: verdochat chatfile " + command + " "));
    }
    EXPECT_THAT(chatfile({"set", "--help"}).out,
                HasSubstr("connection-timeout: a number from 2 to 100"));
    EXPECT_THAT(chatfile({"add", "--help"}).out, HasSubstr("timers        ENTRY [INTERVAL]=60"));
    EXPECT_THAT(chatfile({"--help"}).out,
                HasSubstr("import [--no-backup] [--stored] TEXT FILE.ch5"));
    for (const std::string command : {"show", "export"})
        EXPECT_THAT(chatfile({"--help"}).out, HasSubstr(command + " [--show-passwords] FILE.ch5"));
    EXPECT_EQ(chatfile({}).status, 2);
}

}  // namespace
}  // namespace verdo
