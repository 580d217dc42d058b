// The gateway's console: "NAME: TEXT" said in the first channel by a simulated
// user made on first use, the demo's users spoken for, and refusals.
#include <sstream>

#include "GatewayConsole.h"
#include "GatewayTestSupport.h"

namespace verdo::gateway::test {
namespace {

class ConsoleTest : public GatewayTest {
  protected:
    void SetUp() override { start(); }
    std::ostringstream errors;
};

TEST_F(ConsoleTest, ALineIsSaidInTheFirstChannelByItsNamedUserMadeOnce) {
    RawClient& alice = user("alice");
    GatewayConsole console(server_->world(), errors);
    console.handleLine("Ann: hello Robo");
    ASSERT_TRUE(alice.waitForLine("1002 JOIN Ann"));
    ASSERT_TRUE(alice.waitForLine("1005 TALK Ann 0010 \"hello Robo\""));
    const std::size_t from = alice.lines().size();
    console.handleLine("Ann:again, no blank\r");
    ASSERT_TRUE(alice.waitForLine("1005 TALK Ann 0010 \"again, no blank\"", from));
    EXPECT_EQ(alice.count("1002 JOIN Ann"), 1u);
    EXPECT_EQ(server_->world().userCount(), 2u);

    // One kicked out of the first channel comes back to it to talk.
    alice.send("/kick Ann\r");
    ASSERT_TRUE(alice.waitForLine("1003 LEAVE Ann", from));
    console.handleLine("ann: back again");
    ASSERT_TRUE(alice.waitForLine("1005 TALK Ann 0010 \"back again\"", from));
    EXPECT_EQ(alice.count("1002 JOIN Ann"), 2u);
    EXPECT_TRUE(errors.str().empty());
}

TEST_F(ConsoleTest, RefusesLinesWithoutANameAndNamesOfClients) {
    RawClient& alice = user("alice");
    GatewayConsole console(server_->world(), errors);
    console.handleLine("");
    EXPECT_TRUE(errors.str().empty());
    for (const char* wrong : {"no colon here", ": no name", "two words: hi", "alice: hi"}) {
        errors.str({});
        console.handleLine(wrong);
        EXPECT_FALSE(errors.str().empty()) << wrong;
    }
    EXPECT_TRUE(alice.sync());
    EXPECT_FALSE(alice.has("TALK"));
    EXPECT_EQ(server_->world().userCount(), 1u);
}

}  // namespace
}  // namespace verdo::gateway::test
