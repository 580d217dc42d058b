// The Wine prefix as the installed-games store: the registry text format,
// rewriting one value safely, and Windows paths inside the prefix.
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/TempFolder.h"

namespace verdo {
namespace {

using testing::TempFolder;

// What Wine writes, with the cases the reader must handle.
const std::string Registry =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Battle.net\\\\Configuration] 1700000000\n"
    "#time=1da1234567890ab\n"
    "\"Battle.net gateways\"=\"2001\"\n"
    "\"Server List\"=\"a;b;c\"\n"
    "\n"
    "[Software\\\\Blizzard Entertainment\\\\Starcraft] 1700000001\n"
    "\"InstallPath\"=\"C:\\\\Program Files\\\\Starcraft\"\n"
    "\"Program\"=\"C:\\\\Program Files\\\\Starcraft\\\\StarCraft.exe\"\n"
    "\"Quoted\"=\"say \\\"hi\\\"\\ttab \\x00e9t\\xe9\\x263a\"\n"
    "\"Expand\"=str(2):\"%ProgramFiles%\\\\Game\"\n"
    "\"Utf16\"=hex(1):41,00,42,00,\\\n"
    "  43,00,00,00\n"
    "\"Count\"=dword:00000001\n"
    "\"Binary\"=hex:01,02,03\n"
    "@=\"default\"\n"
    "\n"
    "[Software\\\\Wow6432Node\\\\Blizzard Entertainment\\\\Archives] 1700000002\n"
    "\"DiabloInstall\"=\"C:\\\\Diablo\\\\\"\n";

constexpr std::string_view Starcraft = "Software\\Blizzard Entertainment\\Starcraft";

TEST(WineRegistryText, ReadsStringValuesOnly) {
    struct Case {
        std::string_view key, name;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {Starcraft, "Program", "C:\\Program Files\\Starcraft\\StarCraft.exe"},
        {"software\\BLIZZARD entertainment\\starcraft", "program",
         "C:\\Program Files\\Starcraft\\StarCraft.exe"},
        {Starcraft, "Quoted", "say \"hi\"\ttab \xe9t\xe9?"},
        {Starcraft, "Expand", "%ProgramFiles%\\Game"},
        {Starcraft, "Utf16", "ABC"},
        {Starcraft, "", "default"},
        {Starcraft, "Count", std::nullopt},
        {Starcraft, "Binary", std::nullopt},
        {Starcraft, "Missing", std::nullopt},
        {"Software\\Blizzard Entertainment", "Program", std::nullopt},
        {"Software\\Battle.net\\Configuration", "Server List", "a;b;c"},
        // a 64-bit prefix keeps 32-bit programs' keys under Wow6432Node
        {"Software\\Blizzard Entertainment\\Archives", "DiabloInstall", "C:\\Diablo\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WineRegistry::readFromText(Registry, c.key, c.name), c.expected)
            << c.key << " / " << c.name;
}

TEST(WineRegistryText, ReplacesOneValueAndKeepsEveryOtherLine) {
    const auto changed = WineRegistry::replaceInText(
        Registry, "Software\\Battle.net\\Configuration", "server list", "x\\y\"z;\xe9");
    ASSERT_TRUE(changed);
    std::string expected = Registry;
    const std::string old = "\"Server List\"=\"a;b;c\"\n";
    expected.replace(expected.find(old), old.size(), "\"Server List\"=\"x\\\\y\\\"z;\\x00e9\"\n");
    EXPECT_EQ(*changed, expected);
    EXPECT_EQ(
        WineRegistry::readFromText(*changed, "Software\\Battle.net\\Configuration", "Server List"),
        "x\\y\"z;\xe9");

    // A value over continuation lines is replaced whole; an expandable string stays one.
    const auto utf16 = WineRegistry::replaceInText(Registry, Starcraft, "Utf16", "D");
    ASSERT_TRUE(utf16);
    EXPECT_NE(utf16->find("\"Utf16\"=\"D\"\n\"Count\""), std::string::npos);
    const auto expand = WineRegistry::replaceInText(Registry, Starcraft, "Expand", "E");
    ASSERT_TRUE(expand);
    EXPECT_NE(expand->find("\"Expand\"=str(2):\"E\"\n"), std::string::npos);

    // Windows line ends stay Windows line ends.
    std::string crlf = "[A] 1\r\n\"V\"=\"1\"\r\n\"W\"=\"2\"\r\n";
    EXPECT_EQ(WineRegistry::replaceInText(crlf, "A", "V", "3"),
              "[A] 1\r\n\"V\"=\"3\"\r\n\"W\"=\"2\"\r\n");
}

// "Quoted" holds U+263A, which the program reads as "?": writing back what
// was read would destroy it, so the value is refused as it is.
TEST(WineRegistryText, NeverRewritesAStringItCouldNotReadWhole) {
    StoreWrite refusal = StoreWrite::Written;
    EXPECT_FALSE(WineRegistry::replaceInText(Registry, Starcraft, "Quoted", "x", &refusal));
    EXPECT_EQ(refusal, StoreWrite::Unrepresentable);
    EXPECT_FALSE(WineRegistry::replaceInText(Registry, Starcraft, "Missing", "x", &refusal));
    EXPECT_EQ(refusal, StoreWrite::Failed);
    // Windows-1252 text both ways: the euro sign is one of the program's bytes.
    const std::string euro = "[A] 1\n\"V\"=\"\\x20ac\"\n";
    EXPECT_EQ(WineRegistry::readFromText(euro, "A", "V"), "\x80");
    EXPECT_EQ(WineRegistry::replaceInText(euro, "A", "V", "\x80;b"),
              "[A] 1\n\"V\"=\"\\x20ac;b\"\n");
}

TEST(WineRegistryText, NeverCreatesKeysOrValuesNorReplacesOtherTypes) {
    EXPECT_FALSE(WineRegistry::replaceInText(Registry, "Software\\New", "Server List", "a"));
    EXPECT_FALSE(WineRegistry::replaceInText(Registry, Starcraft, "New", "a"));
    EXPECT_FALSE(WineRegistry::replaceInText(Registry, Starcraft, "Count", "a"));
}

TEST(WineRegistryText, SurvivesBrokenText) {
    for (const std::string_view text :
         {"[", "[Key", "\"", "\"Name\"=", "\"Name\"=\"unterminated", "[A]\n\"V\"=\"x\\",
          "[A]\n\"V\"=hex(1):zz", "[A]\n@", "\\\n\\\n"})
        EXPECT_FALSE(WineRegistry::readFromText(text, "A", "V")) << text;
}

TEST(WineRegistryFile, ReadsAndWritesSystemReg) {
    TempFolder dir;
    WineRegistry store(dir.path());
    EXPECT_FALSE(store.readString(Starcraft, "Program"));
    EXPECT_EQ(store.writeString("Software\\Battle.net\\Configuration", "Server List", "b"),
              StoreWrite::Failed);

    std::ofstream(dir / "system.reg", std::ios::binary) << Registry;
    EXPECT_EQ(store.readString(Starcraft, "Program"),
              "C:\\Program Files\\Starcraft\\StarCraft.exe");
    ASSERT_EQ(store.writeString("Software\\Battle.net\\Configuration", "Server List", "b;a;c"),
              StoreWrite::Written);
    EXPECT_EQ(store.readString("Software\\Battle.net\\Configuration", "Server List"), "b;a;c");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"system.reg"});
}

// A prefix kept elsewhere through a link, with its own permissions: the
// rewrite goes to the real file and keeps them.
TEST(WineRegistryFile, ARewriteKeepsTheLinkAndThePermissions) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "elsewhere");
    std::ofstream(dir / "elsewhere" / "system.reg", std::ios::binary) << Registry;
    std::filesystem::permissions(dir / "elsewhere" / "system.reg", std::filesystem::perms(0600));
    std::filesystem::create_symlink(dir / "elsewhere" / "system.reg", dir / "system.reg");
    WineRegistry store(dir.path());
    ASSERT_EQ(store.writeString("Software\\Battle.net\\Configuration", "Server List", "b;a;c"),
              StoreWrite::Written);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "system.reg"));
    EXPECT_EQ(store.readString("Software\\Battle.net\\Configuration", "Server List"), "b;a;c");
    EXPECT_EQ(std::filesystem::status(dir / "elsewhere" / "system.reg").permissions(),
              std::filesystem::perms(0600));
}

// Reading stops at a bound (64 MiB) however large the file claims to be: a
// sparse file costs the test nothing.
TEST(WineRegistryFile, AHugeRegistryIsNotRead) {
    TempFolder dir;
    std::ofstream(dir / "system.reg", std::ios::binary) << Registry;
    std::filesystem::resize_file(dir / "system.reg", 64u * 1024 * 1024 + 1);
    WineRegistry store(dir.path());
    EXPECT_FALSE(store.readString(Starcraft, "Program"));
    EXPECT_EQ(store.writeString("Software\\Battle.net\\Configuration", "Server List", "b"),
              StoreWrite::Failed);
}

TEST(WinePaths, MapsDrivesIntoThePrefixFindingTheLetterCaseOfExistingFiles) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "drive_c/Program Files/StarCraft");
    std::ofstream(dir / "drive_c/Program Files/StarCraft/StarCraft.exe") << "x";
    EXPECT_EQ(windowsPathInPrefix(dir.path(), "c:\\program files\\Starcraft\\starcraft.exe"),
              dir / "drive_c/Program Files/StarCraft/StarCraft.exe");
    EXPECT_EQ(windowsPathInPrefix(dir.path(), "C:\\diablo\\diablo.exe"),
              dir / "drive_c/diablo/diablo.exe");
    EXPECT_EQ(windowsPathInPrefix(dir.path(), "d:\\Games\\x.exe"),
              dir / "dosdevices/d:/Games/x.exe");
    EXPECT_EQ(windowsPathInPrefix(dir.path(), "game.exe"), std::filesystem::path("game.exe"));

    // A prefix made by Wine reaches drive C through its dosdevices link.
    std::filesystem::create_directories(dir / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", dir / "dosdevices/c:");
    EXPECT_EQ(windowsPathInPrefix(dir.path(), "C:/PROGRAM FILES/starcraft/starcraft.exe"),
              dir / "dosdevices/c:/Program Files/StarCraft/StarCraft.exe");

    WineRegistry store(dir.path());
    EXPECT_EQ(
        store.startCommand("c:\\diablo\\diablo.exe"),
        (std::vector<std::string>{"wine", (dir / "dosdevices/c:/diablo/diablo.exe").string()}));
}

}  // namespace
}  // namespace verdo
