// The readable-name table of the records' fields: every field lies inside its
// record without overlapping another, and each kind reads and writes its bytes
// with the dialog's limits for a person and the field's own for a file.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "records/OptionFields.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {
namespace {

void expectTiled(std::span<const OptionField> table, std::size_t size) {
    std::set<std::string_view> names;
    std::vector<bool> used(size, false);
    for (const OptionField& field : table) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        const std::size_t width =
            field.kind == OptionKind::Text ? 1 + field.capacity
            : field.kind == OptionKind::Number || field.kind == OptionKind::Color ? 4
                                                                                  : 1;
        ASSERT_LE(field.offset + width, size) << field.name;
        for (std::size_t i = field.offset; i < field.offset + width; ++i) {
            EXPECT_FALSE(used[i]) << field.name << " overlaps at " << i;
            used[i] = true;
        }
    }
}

TEST(OptionFieldsTest, FieldsLieInsideTheirRecordWithoutOverlap) {
    expectTiled(OptionFields::options(), tOptions::Size);
    expectTiled(OptionFields::userRecord(), tUser::Size);
    EXPECT_EQ(OptionFields::find(OptionFields::options(), "MASTER-Switch")->caption,
              "Master Event Switch");
    EXPECT_EQ(OptionFields::find(OptionFields::options(), "format-version"), nullptr);
}

// One field, one value given, what is stored or the start of the refusal.
struct Case {
    const char* field;
    OptionInput input;
    const char* value;
    const char* shown;  // the value read back; empty when refused
};

class OptionFieldCase : public ::testing::TestWithParam<Case> {};

TEST_P(OptionFieldCase, StoresOrRefuses) {
    const Case& c = GetParam();
    tOptions options;
    tProductActions actions;
    ResetOptions(options, actions);
    const tOptions before = options;
    const OptionField* field = OptionFields::find(OptionFields::options(), c.field);
    ASSERT_NE(field, nullptr);
    const std::string why = field->store(options.data(), c.value, c.input);
    if (std::string(c.shown).empty()) {
        EXPECT_NE(why, "") << c.value;
        EXPECT_EQ(std::memcmp(before.data(), options.data(), tOptions::Size), 0);
    } else {
        EXPECT_EQ(why, "");
        EXPECT_EQ(field->format(options.data()), c.shown);
    }
}

const std::string Long241(241, 'x');
const std::string Long256(256, 'x');

INSTANTIATE_TEST_SUITE_P(
    Kinds, OptionFieldCase,
    ::testing::Values(
        Case{"user-name", OptionInput::Editor, "Zed", "Zed"},
        Case{"user-name", OptionInput::Editor, Long241.c_str(), ""},  // the dialog's 240
        Case{"user-name", OptionInput::Stored, Long241.c_str(), Long241.c_str()},
        Case{"join-response", OptionInput::Stored, Long256.c_str(), ""},  // the record's 255
        Case{"master-switch", OptionInput::Editor, "ON", "on"},
        Case{"master-switch", OptionInput::Editor, "2", ""},
        Case{"master-switch", OptionInput::Stored, "2", "2"},  // a damaged byte comes back
        Case{"connection-timeout", OptionInput::Editor, "100", "100"},
        Case{"connection-timeout", OptionInput::Editor, "101", ""},
        Case{"connection-timeout", OptionInput::Editor, "1", ""},
        Case{"connection-timeout", OptionInput::Editor, "5s", ""},
        Case{"connection-timeout", OptionInput::Stored, "-7", "-7"},
        Case{"double-click", OptionInput::Editor, "kick user", "Kick user"},
        Case{"double-click", OptionInput::Editor, "5", "Open whisper window"},
        Case{"double-click", OptionInput::Editor, "8", ""},
        Case{"double-click", OptionInput::Stored, "200", "200"},
        Case{"info-color", OptionInput::Editor, "#A0b1C2", "#a0b1c2"},
        Case{"info-color", OptionInput::Editor, "red", ""},
        Case{"info-color", OptionInput::Editor, "0x80000005", ""},
        Case{"info-color", OptionInput::Stored, "0x80000005", "0x80000005"},
        Case{"chat-font-style", OptionInput::Editor, "italic+bold", "bold italic"},
        Case{"chat-font-style", OptionInput::Editor, "plain", "plain"},
        Case{"chat-font-style", OptionInput::Editor, "heavy", ""},
        Case{"chat-font-style", OptionInput::Stored, "64", "64"},
        Case{"chat-font-pitch", OptionInput::Editor, "fixed", "fixed"}));

TEST(OptionFieldsTest, ColoursAreStoredBlueHighAsTheRecordLaysThemOut) {
    tOptions options;
    OptionFields::find(OptionFields::options(), "info-color")
        ->store(options.data(), "#112233", OptionInput::Editor);
    EXPECT_EQ(options.infoColor(), 0x00332211u);
}

}  // namespace
}  // namespace verdo
