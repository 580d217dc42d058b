// A password from standard input: the first line of a pipe or file, and on a
// terminal (a pseudo-terminal here) a prompt with the echo off, put back after
// a line, after the end of input and when a signal ends the program.
#include "app/chatfile/ConsolePasswordInput.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <sstream>
#include <thread>

namespace verdo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(ConsolePasswordInputTest, TakesTheFirstLineOfAStream) {
    struct Case {
        std::string input;
        std::string password;
        std::string refusal;
    };
    const std::vector<Case> cases = {
        {"s3cret\nnext line\n", "s3cret", ""},
        {"from windows\r\n", "from windows", ""},
        {"no line break", "no line break", ""},
        {"\n", "", ""},  // an empty password is one a person may mean
        {" blanks stay \n", " blanks stay ", ""},
        {"", "", "standard input holds no password"},
        {std::string(ConsolePasswordInput::LineLimit + 1, 'x') + "\n", "",
         "a line of more than 4096 bytes is no password"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.input);
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);  // no terminal: nothing may be prompted
        ConsolePasswordInput input(in, pipe[0], pipe[1]);
        std::string password = "before";
        EXPECT_EQ(input.read("Password: ", password), c.refusal) << c.input;
        EXPECT_EQ(password, c.password) << c.input;
        ::close(pipe[1]);
        char byte = 0;
        EXPECT_EQ(::read(pipe[0], &byte, 1), 0) << c.input;
        ::close(pipe[0]);
    }
}

class ConsolePasswordInputTerminalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(::openpty(&master, &terminal, nullptr, nullptr, nullptr), 0);
    }
    void TearDown() override {
        ::close(master);
        ::close(terminal);
    }
    bool echoing() const {
        termios settings{};
        EXPECT_EQ(::tcgetattr(terminal, &settings), 0);
        return (settings.c_lflag & ECHO) != 0;
    }
    // What the terminal showed, until `until` appears or a wait of 10 s.
    std::string shown(std::string_view until) {
        while (seen.find(until) == std::string::npos) {
            pollfd ready{master, POLLIN, 0};
            if (::poll(&ready, 1, 10000) <= 0) break;
            char buffer[256];
            const ssize_t got = ::read(master, buffer, sizeof buffer);
            if (got <= 0) break;
            seen.append(buffer, static_cast<std::size_t>(got));
        }
        return seen;
    }
    void type(std::string_view keys) {
        ASSERT_EQ(::write(master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    int master = -1;
    int terminal = -1;
    std::string seen;
};

TEST_F(ConsolePasswordInputTerminalTest, AsksWithoutEchoAndPutsTheEchoBack) {
    ASSERT_TRUE(echoing());
    std::istringstream unused("not this\n");
    ConsolePasswordInput input(unused, terminal, terminal);
    std::string password;
    std::string refusal = "unset";
    std::thread reader([&] { refusal = input.read("Password for bot.ch5: ", password); });
    // The prompt comes once the echo is off.
    EXPECT_THAT(shown("Password for bot.ch5: "), HasSubstr("Password for bot.ch5: "));
    EXPECT_FALSE(echoing());
    type("hunter2\n");
    reader.join();
    EXPECT_EQ(refusal, "");
    EXPECT_EQ(password, "hunter2");
    EXPECT_TRUE(echoing());
    EXPECT_THAT(shown("\n"), Not(HasSubstr("hunter2")));

    // The end of input (Ctrl-D) before any character: no password, echo back.
    std::thread again([&] { refusal = input.read("Password: ", password); });
    shown("Password: ");
    type("\x04");
    again.join();
    EXPECT_EQ(refusal, "no password was typed");
    EXPECT_TRUE(echoing());
}

// A signal that ends the program while a person types must not leave the
// terminal without echo: the shell would show nothing typed after it.
TEST_F(ConsolePasswordInputTerminalTest, ASignalThatEndsTheProgramPutsTheEchoBack) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::istringstream unused;
        ConsolePasswordInput input(unused, terminal, terminal);
        std::string password;
        input.read("Password: ", password);
        ::_exit(0);
    }
    shown("Password: ");
    EXPECT_FALSE(echoing());
    ASSERT_EQ(::kill(child, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(echoing());
}

}  // namespace
}  // namespace verdo
