// A script's stored data: its file form, the way back, and the size cap.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "scripting/ScriptStore.h"
#include "support/TempFolder.h"

namespace verdo::testing {
namespace {

TEST(ScriptStore, EveryKeyAndValueComesBackWithItsType) {
    TempFolder folder;
    ScriptStore store(folder / "seen.data");
    const std::vector<std::pair<std::string, ScriptStore::Value>> values = {
        {"plain", std::string("text")},
        {"a = b", std::string(" blanks around ")},
        {"#comment-like", std::string("\"quoted\" and \\ back")},
        {";semi", std::string("line\nbreak\ttab\r\x01 and \xc3\xa9t\xc3\xa9 and \xe9")},
        {"", std::string()},
        {" lead", std::int64_t{-42}},
        {"[section", 0.1},
        {"big", 1e300},
        {"whole float", 2.0},
        {"yes", true},
        {"no", false},
        {"number text", std::string("17")},
    };
    for (const auto& [key, value] : values)
        ASSERT_TRUE(store.store(key, value)) << key;
    EXPECT_FALSE(store.save().has_value());

    struct stat info {};
    ASSERT_EQ(::stat((folder / "seen.data").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    ScriptStore again(folder / "seen.data");
    EXPECT_TRUE(again.load().empty());
    EXPECT_EQ(again.keys().size(), values.size());
    for (const auto& [key, value] : values) {
        ASSERT_NE(again.fetch(key), nullptr) << key;
        EXPECT_EQ(*again.fetch(key), value) << key;
    }
}

TEST(ScriptStore, HandEditedLinesAreReadAndBadOnesSkipped) {
    TempFolder folder;
    folder.write("k.data", "# a comment\nname = Zed\ncount = 5\nbroken line\nbad = \"open\n");
    ScriptStore store(folder / "k.data");
    EXPECT_EQ(store.load(),
              (std::vector<std::string>{
                  "k.data line 4 skipped", "k.data line 5 skipped",
                  "the file as it was is kept in k.data.old when the data is next written"}));
    EXPECT_EQ(*store.fetch("name"), ScriptStore::Value(std::string("Zed")));
    EXPECT_EQ(*store.fetch("count"), ScriptStore::Value(std::int64_t{5}));
    EXPECT_FALSE(store.changed());
    // Nothing the person wrote is lost: the file is kept before it is replaced.
    store.store("count", std::int64_t{6});
    EXPECT_FALSE(store.save().has_value());
    EXPECT_EQ(folder.read("k.data.old"),
              "# a comment\nname = Zed\ncount = 5\nbroken line\nbad = \"open\n");
    EXPECT_NE(folder.read("k.data").find("count = 6"), std::string::npos);
}

TEST(ScriptStore, AFileThatCannotBeReadIsNeverWrittenOver) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "x.data");  // not a regular file
    ScriptStore store(folder / "x.data");
    EXPECT_EQ(store.load(),
              std::vector<std::string>{"x.data could not be read; it will not be written over"});
    store.store("k", true);
    EXPECT_EQ(store.save(), "x.data was not written: it could not be read at start");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "x.data"));
}

TEST(ScriptStore, DataStaysWithinItsSizeLimit) {
    ScriptStore store;
    const std::string half(ScriptStore::SizeLimit / 2, 'x');
    EXPECT_TRUE(store.store("a", half));
    EXPECT_FALSE(store.store("b", half));
    EXPECT_EQ(store.fetch("b"), nullptr);
    // Replacing a value by a smaller one, or removing it, is always possible.
    EXPECT_TRUE(store.store("a", std::string("small")));
    EXPECT_TRUE(store.store("b", half));
    EXPECT_TRUE(store.store("a", std::nullopt));
    EXPECT_EQ(store.keys(), std::vector<std::string>{"b"});
    EXPECT_LE(store.size(), ScriptStore::SizeLimit);
}

TEST(ScriptStore, AFailedWriteSaysWhy) {
    TempFolder folder;
    folder.write("blocker", "a file where a folder should be");
    ScriptStore store(folder / "blocker" / "x.data");
    store.store("k", true);
    const auto error = store.save();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("x.data could not be written", 0), 0u);
    EXPECT_TRUE(store.changed());
}

}  // namespace
}  // namespace verdo::testing
