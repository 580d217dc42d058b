// The action table: one row per action, unique names and keys, and each
// switch row flipping its option through the session.
#include "chat/ChatActions.h"

#include <gmock/gmock.h>

#include <set>
#include <string>

#include "chat/SessionFixture.h"

namespace verdo::testing {
namespace {

TEST(ChatActionsTest, NamesAndKeysAreUniqueAndEverySwitchHasOneRow) {
    std::set<std::string> names;
    std::set<std::string> keys;
    std::set<SwitchId> switches;
    for (const ChatActionInfo& info : chatActions()) {
        EXPECT_TRUE(names.insert(info.objectName).second) << info.objectName;
        if (info.shortcut != nullptr) {
            EXPECT_TRUE(keys.insert(info.shortcut).second) << info.shortcut;
        }
        if (info.option) {
            EXPECT_EQ(info.check, Check::Option) << info.objectName;
            EXPECT_TRUE(switches.insert(*info.option).second) << info.objectName;
        }
    }
    EXPECT_EQ(switches.size(), OptionSwitches.size());
}

using SwitchRowsTest = SessionFixture;

TEST_F(SwitchRowsTest, EachSwitchRowFlipsItsOptionAndItsCheck) {
    for (const ChatActionInfo& info : chatActions()) {
        if (!info.option) continue;
        const OptionSwitch& option = optionSwitch(*info.option);
        tOptions& options = form.document().options();
        const bool before = (options.*option.get)();
        form.document().setModified(false);
        form.runAction(info.id);
        EXPECT_EQ((options.*option.get)(), !before) << info.objectName;
        EXPECT_EQ(view.checked[info.id], !before) << info.objectName;
        EXPECT_TRUE(form.document().modified()) << info.objectName;
    }
}

}  // namespace
}  // namespace verdo::testing
