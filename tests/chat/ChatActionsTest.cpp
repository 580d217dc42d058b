// The action table: one row per action, unique names and keys, and each
// switch action flipping the option whose row names it, through the session.
#include "chat/ChatActions.h"

#include <gmock/gmock.h>

#include <set>
#include <string>

#include "chat/SessionFixture.h"
#include "records/OptionFields.h"
#include "records/OptionSwitches.h"

namespace verdo::testing {
namespace {

// Each switch action finds its own option, and each option that names an
// action names one of the table, so a misspelt name cannot go unnoticed.
TEST(ChatActionsTest, NamesAndKeysAreUniqueAndSwitchesAndActionsFindEachOther) {
    std::set<std::string> names;
    std::set<std::string> keys;
    std::set<const OptionField*> switches;
    for (const ChatActionInfo& info : chatActions()) {
        EXPECT_TRUE(names.insert(info.objectName).second) << info.objectName;
        if (info.shortcut != nullptr) {
            EXPECT_TRUE(keys.insert(info.shortcut).second) << info.shortcut;
        }
        if (info.check != Check::Option) continue;
        const OptionField* option = OptionSwitches::byAction(info.objectName);
        ASSERT_NE(option, nullptr) << info.objectName;
        EXPECT_TRUE(switches.insert(option).second) << info.objectName;
    }
    for (const OptionField& field : OptionFields::options()) {
        if (field.action.empty()) continue;
        EXPECT_EQ(names.count(std::string(field.action)), 1u) << field.name;
        EXPECT_EQ(switches.count(&field), 1u) << field.name;
    }
}

using SwitchRowsTest = SessionFixture;

TEST_F(SwitchRowsTest, EachSwitchRowFlipsItsOptionAndItsCheck) {
    for (const ChatActionInfo& info : chatActions()) {
        if (info.check != Check::Option) continue;
        const OptionField& option = *OptionSwitches::byAction(info.objectName);
        tOptions& options = form.document().options();
        const bool before = option.isOn(options.data());
        form.document().setModified(false);
        form.runAction(info.id);
        EXPECT_EQ(option.isOn(options.data()), !before) << info.objectName;
        EXPECT_EQ(view.checked[info.id], !before) << info.objectName;
        EXPECT_TRUE(form.document().modified()) << info.objectName;
    }
}

}  // namespace
}  // namespace verdo::testing
