// The console view: pane lines with the time and the whisper mark, colours for
// a terminal only, harmless control characters, status changes, and the safe
// answers it gives for nobody.
#include <gtest/gtest.h>

#include <sstream>

#include "app/headless/ConsoleText.h"
#include "app/headless/ConsoleView.h"
#include "support/WaitFor.h"

namespace verdo {
namespace {

constexpr std::uint32_t Red = 0x000000FF;
constexpr std::uint32_t Azure = 0x00FF8000;  // 0x00BBGGRR: blue FF, green 80

ChatLine line(const std::string& first, std::uint32_t firstColor, const std::string& second = "",
              std::uint32_t secondColor = 0) {
    return ChatLine{ChatSegment{first, firstColor}, ChatSegment{second, secondColor},
                    ChatSegment{}};
}

class ConsoleViewTest : public ::testing::Test {
  protected:
    ConsoleView& view(bool colored = false) {
        view_ = std::make_unique<ConsoleView>(
            ConsoleOutput{out, err, colored, [] { return std::string("[12:34:56]"); }});
        return *view_;
    }

    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<ConsoleView> view_;
};

TEST_F(ConsoleViewTest, PaneLinesStartWithTheTimeAndWhispersAreMarked) {
    ConsoleView& v = view();
    v.addChatLine(ChatPane, line("<Zed> ", Red, "hi", Azure));
    v.addChatLine(WhisperPane, line("<FROM: Zed> ", Red, "psst", Azure));
    v.addChatLine(WhisperPane + 1, line("<TO: Zed> ", Red, "ok", Azure));
    EXPECT_EQ(out.str(),
              "[12:34:56] <Zed> hi\n"
              "[12:34:56] [whisper] <FROM: Zed> psst\n"
              "[12:34:56] [whisper] <TO: Zed> ok\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(ConsoleViewTest, ATerminalGetsEachSegmentInItsColour) {
    ConsoleView& v = view(/*colored=*/true);
    v.addChatLine(ChatPane, line("<Zed> ", Red, "hi", Azure));
    EXPECT_EQ(out.str(),
              "[12:34:56] \x1b[38;2;255;0;0m<Zed> \x1b[0m\x1b[38;2;0;128;255mhi\x1b[0m\n");
}

TEST_F(ConsoleViewTest, SystemColoursLeaveTheTerminalsOwn) {
    EXPECT_EQ(colorEscape(0x80000008u), "");
    EXPECT_EQ(colorEscape(0x00FFFFFF), "\x1b[38;2;255;255;255m");
    EXPECT_EQ(consoleLine(line("plain", 0x80000005u), true), "plain");
}

TEST_F(ConsoleViewTest, BytesAreShownAsTheWindowShowsThem) {
    ConsoleView& v = view();
    v.addChatLine(ChatPane, line("\x93Hi\x94 caf\xE9", 0));               // Windows-1252
    v.addChatLine(ChatPane, line("caf\xC3\xA9 ", 0, "\xE2\x82\xAC", 0));  // UTF-8, split
    EXPECT_EQ(out.str(),
              "[12:34:56] \xE2\x80\x9CHi\xE2\x80\x9D caf\xC3\xA9\n"
              "[12:34:56] caf\xC3\xA9 \xE2\x82\xAC\n");
}

// Remote users choose this text: no escape sequence or forged line gets through.
TEST_F(ConsoleViewTest, ControlCharactersCannotReachTheTerminal) {
    ConsoleView& v = view(/*colored=*/true);
    v.addChatLine(ChatPane, line("x", 0x80000000u, "\x1b]0;owned\x07\x1b[2J", 0x80000000u));
    v.addChatLine(ChatPane, line("a\nb\rc\td", 0x80000000u));
    v.addChatLine(ChatPane, line("csi \xC2\x9B"
                                 "31m \xC3\xA9",
                                 0x80000000u));                    // UTF-8 C1
    v.addChatLine(ChatPane, line("undefined \x81", 0x80000000u));  // Windows-1252
    v.addChatLine(ChatPane, line("<Bob> ", 0x80000000u, "\xE2\x80\xAEgnp.exe", 0x80000000u));
    EXPECT_EQ(out.str(),
              "[12:34:56] x?]0;owned??[2J\n"
              "[12:34:56] a b c d\n"
              "[12:34:56] csi ?31m \xC3\xA9\n"
              "[12:34:56] undefined ?\n"
              "[12:34:56] <Bob> ?gnp.exe\n");
    v.showMessage("bad\x1b[31m\r\nthing", MessageKind::Error);
    EXPECT_EQ(err.str(), "Error: bad?[31m  thing\n");
}

TEST_F(ConsoleViewTest, StatusChangesAreStarredLines) {
    ConsoleView& v = view();
    v.setStatusText(StatusPanel::Step, "Trying Server: 127.0.0.1");
    v.setStatusText(StatusPanel::Step, "Trying Server: 127.0.0.1");
    v.setStatusText(StatusPanel::Detail, "Trying Server: 127.0.0.1");
    v.setStatusText(StatusPanel::Detail, "");
    v.setStatusText(StatusPanel::Detail, "Timeout in: 4");
    EXPECT_EQ(out.str(),
              "* Trying Server: 127.0.0.1\n"
              "* Trying Server: 127.0.0.1\n"
              "* Timeout in: 4\n");
}

TEST_F(ConsoleViewTest, MessagesGoToStandardErrorWithTheirKind) {
    ConsoleView& v = view();
    v.showMessage("Log File is invalid", MessageKind::Error);
    v.showMessage("Careful", MessageKind::Warning);
    v.showMessage("Import complete.", MessageKind::Information);
    EXPECT_EQ(err.str(),
              "Error: Log File is invalid\nWarning: Careful\nInformation: Import complete.\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(ConsoleViewTest, QuestionsTakeTheSafeAnswerAndSaySo) {
    ConsoleView& v = view();
    EXPECT_FALSE(v.askYesNo("Do you wish to continue?"));
    EXPECT_EQ(v.askYesNoCancel("Save current chat settings?"), Answer::Cancel);
    EXPECT_EQ(v.inputBox("Away", "Reason:", "lunch"), std::nullopt);
    EXPECT_EQ(v.chooseFile({true, "Save Chat Settings...", "", "ch5", ""}), std::nullopt);
    EXPECT_EQ(err.str(),
              "Question \"Do you wish to continue?\": answered No, nobody to ask.\n"
              "Question \"Save current chat settings?\": answered Cancel, nobody to ask.\n"
              "Input box \"Away\" (Reason:): answered Cancel, nobody to ask.\n"
              "File dialog \"Save Chat Settings...\": cancelled, nobody to ask.\n");
}

TEST_F(ConsoleViewTest, TheUrlBarBecomesALine) {
    ConsoleView& v = view(/*colored=*/true);
    v.showUrlBar("Zed has sent the following URL: ", "http://example.org/");
    EXPECT_EQ(out.str(), "[12:34:56] Zed has sent the following URL: http://example.org/\n");
}

TEST_F(ConsoleViewTest, IdleUpdatesComeOnceAfterTheBatch) {
    ConsoleView& v = view();
    int updates = 0;
    v.OnIdleUpdate = [&] { ++updates; };
    v.requestIdleUpdate();
    v.requestIdleUpdate();
    EXPECT_EQ(updates, 0);
    ASSERT_TRUE(testing::waitFor([&] { return updates == 1; }));
    v.requestIdleUpdate();
    ASSERT_TRUE(testing::waitFor([&] { return updates == 2; }));
}

TEST_F(ConsoleViewTest, APendingIdleUpdateDiesWithTheView) {
    int updates = 0;
    view().OnIdleUpdate = [&] { ++updates; };
    view_->requestIdleUpdate();
    view_.reset();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(updates, 0);
}

}  // namespace
}  // namespace verdo
