// The text form of a chat file: export then import gives the very same three
// files, for the demo file and for varied generated ones (odd bytes, residue,
// damaged flag bytes, followers longer than their list); a partial document
// starts from a new chat file; a faulty document changes nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "engine/ChatFile.h"
#include "engine/ChatFileText.h"
#include "engine/ListEditing.h"
#include "support/TempFolder.h"

namespace verdo {
namespace {

using testing::readFile;

struct ChatFileState {
    tOptions options;
    ChatLists lists;
    tUserList users;
    ChatFileData data() { return {options, lists, users}; }
    std::string text() { return ChatFileText::write(options, lists, users, TextDetail::Complete); }
};

// Bytes of every kind a value can hold, line breaks only where a file keeps them.
std::string randomBytes(std::mt19937& random, std::size_t most, bool oneLine) {
    static const std::vector<std::string> pieces = {"a",
                                                    "Z",
                                                    " ",
                                                    "\"",
                                                    "\\",
                                                    "=",
                                                    "#",
                                                    "\t",
                                                    "\x01",
                                                    "\x7f",
                                                    "\xe9",
                                                    "\xc3\xa9",
                                                    "\xff",
                                                    "\xe2\x82\xac",
                                                    "\xc3",
                                                    "<user>",
                                                    std::string(1, '\0'),
                                                    "\r",
                                                    "\n"};
    std::string text;
    const std::size_t length = random() % (most + 1);
    while (text.size() < length) {
        const std::string& piece = pieces[random() % pieces.size()];
        if (oneLine && piece.find_first_of("\r\n") != std::string::npos) continue;
        text += piece;
    }
    return text.substr(0, most);
}

void randomChatFile(unsigned seed, ChatFileState& state) {
    std::mt19937 random(seed);
    for (std::size_t i = 0; i < tOptions::Size; ++i)
        state.options.data()[i] = static_cast<std::uint8_t>(random());
    state.options.setFormatVersion("6.20");  // the loader upgrades anything older
    for (const ChatListShape& shape : ListEditing::lists()) {
        const std::size_t items = random() % 4;
        for (std::size_t c = 0; c < shape.columns.size(); ++c) {
            // Now and then a follower longer than its list, as a damaged file has.
            const std::size_t count = items + (c > 0 && random() % 5 == 0 ? 1 : 0);
            for (std::size_t i = 0; i < count; ++i)
                shape.columns[c].in(state.lists).push_back(randomBytes(random, 12, true));
        }
    }
    for (std::string& action : state.lists.ProductActions)
        action = randomBytes(random, 10, true);
    const std::size_t users = random() % 4;
    for (std::size_t u = 0; u < users; ++u) {
        auto user = std::make_unique<tUser>();
        for (std::size_t i = 0; i < tUser::Size; ++i)
            user->data()[i] = static_cast<std::uint8_t>(random() % 8 == 0 ? random() : 0);
        user->data()[0] %= tUser::NameCapacity + 1;  // length bytes the program can write
        user->data()[17] %= tUser::GreetingCapacity + 1;
        state.users.Add(std::move(user));
    }
}

// Saves `state` and loads it as the program does; the program's own save of
// that is the file to get back through export and import.
void expectRoundTrip(ChatFileState& state, const std::string& what) {
    testing::TempFolder dir;
    ASSERT_TRUE(SaveChatFile(dir / "state.ch5", state.data()).ok) << what;
    ChatFileState loaded;
    ASSERT_TRUE(LoadChatFile(dir / "state.ch5", loaded.data()).ok) << what;
    ASSERT_TRUE(SaveChatFile(dir / "a.ch5", loaded.data()).ok) << what;
    ChatFileState imported;
    // Random bytes hold values no person could enter: what --stored is for.
    ASSERT_EQ(ChatFileText::read(loaded.text(), imported.options, imported.lists, imported.users,
                                 OptionInput::Stored),
              "")
        << what;
    ASSERT_TRUE(SaveChatFile(dir / "b.ch5", imported.data()).ok) << what;
    for (const char* suffix : {".ch5", ".ext", ".usr"})
        EXPECT_EQ(readFile(dir / ("b" + std::string(suffix))),
                  readFile(dir / ("a" + std::string(suffix))))
            << what << suffix;
}

TEST(ChatFileTextTest, RoundTripIsByteIdenticalForTheDemoFile) {
    ChatFileState demo;
    ASSERT_TRUE(
        LoadChatFile(std::filesystem::path(VERDO_SOURCE_DIR) / "resources" / "demo" / "demo.ch5",
                     demo.data())
            .ok);
    expectRoundTrip(demo, "demo");
}

TEST(ChatFileTextTest, RoundTripIsByteIdenticalForVariedFiles) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        ChatFileState state;
        randomChatFile(seed, state);
        expectRoundTrip(state, "seed " + std::to_string(seed));
    }
}

TEST(ChatFileTextTest, AnEditedTextWinsOverTheResidueBehindIt) {
    ChatFileState state;
    NewChatFile(state.data());
    state.options.setUserName("LongerName");
    state.options.setUserName("Bob");  // leaves "erName" behind as residue
    std::string text = state.text();
    ASSERT_THAT(text, ::testing::HasSubstr("\nresidue-905 = "));
    text.replace(text.find("user-name = Bob"), 15, "user-name = Alexander");
    ChatFileState edited;
    ASSERT_EQ(ChatFileText::read(text, edited.options, edited.lists, edited.users), "");
    EXPECT_EQ(edited.options.userName(), "Alexander");
}

// A chat file with a log-on password that replaced a longer one (whose tail
// stays in the record) and names with and without a password.
void chatFileWithPasswords(ChatFileState& state) {
    NewChatFile(state.data());
    state.options.setPassword("Zq9LongerSecret");
    state.options.setPassword("Zq9");
    state.lists.NameList = {"Bob", "Ann"};
    state.lists.PasswordList = {"bobpw", ""};
}

TEST(ChatFileTextTest, HiddenPasswordsAreMaskedWithoutWhatOlderOnesLeftBehind) {
    ChatFileState state;
    chatFileWithPasswords(state);
    const std::string shown = state.text();
    ASSERT_THAT(shown, ::testing::HasSubstr("\nresidue-1161 = "));
    for (const TextDetail detail : {TextDetail::Complete, TextDetail::Readable}) {
        const std::string hidden = ChatFileText::write(state.options, state.lists, state.users,
                                                       detail, {}, Passwords::Hidden);
        EXPECT_THAT(hidden, ::testing::StartsWith("# passwords hidden\n"));
        EXPECT_THAT(hidden, ::testing::HasSubstr("\npassword = ********\n"));
        EXPECT_THAT(hidden, ::testing::HasSubstr("entry = Bob\npassword = ********\n"));
        EXPECT_THAT(hidden, ::testing::HasSubstr("entry = Ann\npassword =\n"));
        EXPECT_THAT(hidden, ::testing::Not(::testing::HasSubstr("\nresidue-")));
        EXPECT_THAT(hidden, ::testing::Not(::testing::HasSubstr("bobpw")));
        EXPECT_THAT(hidden, ::testing::Not(::testing::HasSubstr("Zq9")));
    }
    // Only a section that holds a password says so.
    EXPECT_THAT(ChatFileText::write(state.options, state.lists, state.users, TextDetail::Readable,
                                    "names", Passwords::Hidden),
                ::testing::StartsWith("# passwords hidden\n[names]\n"));
    EXPECT_THAT(ChatFileText::write(state.options, state.lists, state.users, TextDetail::Readable,
                                    "owners", Passwords::Hidden),
                ::testing::StartsWith("[owners]\n"));

    // What an empty password left behind is hidden too; with nothing to hide,
    // the document is the one that shows the passwords.
    state.options.setPassword("");
    state.lists.PasswordList = {"", ""};
    EXPECT_THAT(ChatFileText::write(state.options, state.lists, state.users, TextDetail::Complete,
                                    {}, Passwords::Hidden),
                ::testing::StartsWith("# passwords hidden\n"));
    NewChatFile(state.data());
    state.lists.NameList = {"Bob"};
    state.lists.PasswordList = {""};
    EXPECT_EQ(ChatFileText::write(state.options, state.lists, state.users, TextDetail::Complete, {},
                                  Passwords::Hidden),
              state.text());
}

TEST(ChatFileTextTest, AMaskedDocumentKeepsThePasswordsOfTheChatFileReadInto) {
    ChatFileState source;
    chatFileWithPasswords(source);
    const std::string masked = ChatFileText::write(source.options, source.lists, source.users,
                                                   TextDetail::Complete, {}, Passwords::Hidden);
    ASSERT_TRUE(ChatFileText::hidesPasswords(masked));

    // Into the chat file it came from: every byte as it was.
    ChatFileState same;
    chatFileWithPasswords(same);
    ASSERT_EQ(ChatFileText::read(masked, same.options, same.lists, same.users), "");
    EXPECT_EQ(same.text(), source.text());

    // Names listed twice, and a password beside no name, come back too.
    same.lists.NameList = {"Bob", "BOB"};
    same.lists.PasswordList = {"one", "two", "three"};
    const std::string twice = ChatFileText::write(same.options, same.lists, same.users,
                                                  TextDetail::Complete, {}, Passwords::Hidden);
    const std::string before = same.text();
    ASSERT_EQ(ChatFileText::read(twice, same.options, same.lists, same.users), "");
    EXPECT_EQ(same.text(), before);

    // Into another: its password, and by name (any letter case) its name's.
    ChatFileState other;
    NewChatFile(other.data());
    other.options.setPassword("TargetPw");
    other.lists.NameList = {"Cy", "BOB"};
    other.lists.PasswordList = {"cypw", "targetbob"};
    ASSERT_EQ(ChatFileText::read(masked, other.options, other.lists, other.users), "");
    EXPECT_EQ(other.options.password(), "TargetPw");
    EXPECT_THAT(other.lists.NameList, ::testing::ElementsAre("Bob", "Ann"));
    EXPECT_THAT(other.lists.PasswordList, ::testing::ElementsAre("targetbob", ""));

    // A value put in place of the mask is taken as written; a new name's
    // masked password is none.
    std::string edited = masked;
    edited.replace(edited.find("\npassword = ********"), 20, "\npassword = fresh");
    edited.replace(edited.find("entry = Ann\npassword ="), 22,
                   "entry = Ann\npassword = annpw\nentry = Dee\npassword = ********");
    ASSERT_EQ(ChatFileText::read(edited, other.options, other.lists, other.users), "");
    EXPECT_EQ(other.options.password(), "fresh");
    EXPECT_THAT(other.lists.PasswordList, ::testing::ElementsAre("targetbob", "annpw", ""));

    // Without the first line the mask is a password like any other.
    ASSERT_EQ(ChatFileText::read(masked.substr(masked.find('\n') + 1), other.options, other.lists,
                                 other.users),
              "");
    EXPECT_EQ(other.options.password(), "********");
    EXPECT_TRUE(ChatFileText::hidesPasswords("# passwords hidden\r\n[owners]\n"));
    EXPECT_FALSE(ChatFileText::hidesPasswords("[owners]\n# passwords hidden\n"));
}

TEST(ChatFileTextTest, APartialDocumentStartsFromANewChatFile) {
    ChatFileState fresh;
    NewChatFile(fresh.data());
    ChatFileState state;
    const std::string text =
        "# a bot\n[options]\nuser-name = \" Bot \"\nmaster-switch = on\n"
        "[phrases]\nentry = hi\nresponse-1 = Hello <user>\\x21\nentry = bye\nresponse-2 = Bye\n"
        "[servers]\nentry = 127.0.0.1\n";
    ASSERT_EQ(ChatFileText::read(text, state.options, state.lists, state.users), "");
    EXPECT_EQ(state.options.userName(), " Bot ");
    EXPECT_TRUE(state.options.masterSwitch());
    EXPECT_EQ(state.options.connectionTimeout(), 5);
    EXPECT_THAT(state.lists.ServerList, ::testing::ElementsAre("127.0.0.1"));
    EXPECT_EQ(state.lists.ChannelList, fresh.lists.ChannelList);
    EXPECT_EQ(state.lists.CommandList, fresh.lists.CommandList);
    EXPECT_THAT(state.lists.PhraseRes[0], ::testing::ElementsAre("Hello <user>!", ""));
    EXPECT_THAT(state.lists.PhraseRes[1], ::testing::ElementsAre("", "Bye"));
    EXPECT_THAT(state.lists.PhraseRes[2], ::testing::ElementsAre("", ""));
}

TEST(ChatFileTextTest, AFaultyDocumentChangesNothing) {
    const std::vector<std::pair<std::string, std::string>> faulty = {
        {"user-name = x\n", "line 1: a value before the first [section]"},
        {"[options]\nfavourite = x\n", "line 2: unknown name \"favourite\""},
        {"[options]\nlogin-timeout = soon\n", "line 2: login-timeout: expected a number"},
        {"[options]\nuser-name = a\nuser-name = b\n", "line 3: \"user-name\" is given twice"},
        {"[options]\nresidue-4095 = 0102\n", "line 2: residue does not fit the record"},
        {"[friends]\n", "line 1: unknown section [friends]"},
        {"[owners]\nentry = a\n[owners]\n", "line 3: section [owners] is given twice"},
        {"[timers]\nentry = a\ndelay = 5\n", "line 3: unknown column \"delay\" in [timers]"},
        {"[owners]\nentry = \"open\n", "line 2: malformed value"},
        {"[owners]\nentry = a\\qb\n", "line 2: malformed value"},
        {"[owners]\nentry = a\\nb\n", "line 2: a line break cannot be stored in a list"},
        {"[users]\ngreeting = hi\n", "line 2: a user record starts with \"name\""},
        {"[users]\nname = 12345678901234567\n", "line 2: name: too long"},
        {"[options]\nnothing here\n", "line 2: expected \"name = value\""},
        {"", "no [section] line: not a chat file document"},
        {"# VerdoChat chat file as text\n", "no [section] line"},
        {"[options]\nresidue-2706 = 39\n", "line 2: residue cannot change the format version"},
        {"[options]\nresidue-2700 = 00000000000000\n", "line 2: residue cannot change the form"},
    };
    for (const auto& [text, error] : faulty) {
        ChatFileState state;
        NewChatFile(state.data());
        state.lists.OwnerList = {"Zed"};
        const std::string before = state.text();
        EXPECT_THAT(ChatFileText::read(text, state.options, state.lists, state.users),
                    ::testing::StartsWith(error))
            << text;
        EXPECT_EQ(state.text(), before) << text;
    }
}

// A person's document keeps the configuration dialog's limits; a document
// exported from a file that already held other values comes back with
// Stored, exactly.
TEST(ChatFileTextTest, ValuesOutsideTheDialogsLimitsNeedStoredInput) {
    const std::string text = "[options]\nlogin-timeout = 101\n";
    ChatFileState state;
    EXPECT_EQ(ChatFileText::read(text, state.options, state.lists, state.users),
              "line 2: login-timeout: expected a number from 2 to 100");
    ASSERT_EQ(
        ChatFileText::read(text, state.options, state.lists, state.users, OptionInput::Stored), "");
    EXPECT_EQ(state.options.loginTimeout(), 101);
}

// Each user record costs a whole record however short its lines, so their
// number is bounded.
TEST(ChatFileTextTest, MoreThanTheUserRecordLimitIsRefused) {
    std::string text = "[users]\n";
    for (std::size_t i = 0; i <= tUserList::MaxRecords; ++i)
        text += "name=u\n";
    ChatFileState state;
    EXPECT_EQ(
        ChatFileText::read(text, state.options, state.lists, state.users),
        "line " + std::to_string(tUserList::MaxRecords + 2) + ": more than 100000 user records");
    EXPECT_EQ(state.users.Count(), 0);
}

TEST(ChatFileTextTest, BytesThatAreNotTextAreEscaped) {
    EXPECT_EQ(ChatFileText::quote("caf\xc3\xa9 \xe9\x01\\\t"), "caf\xc3\xa9 \\xe9\\x01\\\\\\t");
    EXPECT_EQ(ChatFileText::quote("/msg <user> "), "\"/msg <user> \"");
    EXPECT_EQ(ChatFileText::quote("\"hi\" he said"), "\"\\\"hi\\\" he said\"");
    EXPECT_EQ(ChatFileText::quote("say \"hi\""), "say \"hi\"");
}

// A right-to-left override (U+202E) or a C1 control (U+009B, a terminal's
// command start) in a UTF-8 value would reorder or steer what shows the
// document; as escapes they cannot, and they read back as the same bytes.
TEST(ChatFileTextTest, ControlCharactersOfUtf8AreEscapedAndReadBack) {
    const std::string value =
        "caf\xc3\xa9 \xe2\x80\xae"
        "evil \xc2\x9b"
        "2J \xe2\x81\xa6x";
    const std::string quoted = ChatFileText::quote(value);
    EXPECT_EQ(quoted, "caf\xc3\xa9 \\xe2\\x80\\xaeevil \\xc2\\x9b2J \\xe2\\x81\\xa6x");
    EXPECT_EQ(ChatFileText::unquote(quoted), value);
}

// The listing a person reads shows those controls as "?", while the text of a
// Windows-1252 value keeps its 0x80..0x9F characters (escaped, as not UTF-8).
TEST(ChatFileTextTest, TheReadableListingShowsControlsAsQuestionMarks) {
    tOptions options;
    ChatLists lists;
    tUserList users;
    NewChatFile({options, lists, users});
    lists.PhraseList = {
        "\xe2\x80\xae"
        "evil\x1b[2J",
        "\x93quoted\x94"};
    lists.PhraseRes[0] = {"", ""};
    lists.PhraseRes[1] = {"", ""};
    lists.PhraseRes[2] = {"", ""};
    const std::string shown =
        ChatFileText::write(options, lists, users, TextDetail::Readable, "phrases");
    EXPECT_THAT(shown, ::testing::HasSubstr("entry = ?evil?[2J\n"));
    EXPECT_THAT(shown, ::testing::HasSubstr("entry = \\x93quoted\\x94\n"));
}

}  // namespace
}  // namespace verdo
