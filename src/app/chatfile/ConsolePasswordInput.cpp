// Reading a password from standard input (see ConsolePasswordInput.h).
#include "app/chatfile/ConsolePasswordInput.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <istream>
#include <iterator>

#include "platform/PrintableText.h"

namespace verdo {
namespace {

// The signals that end the program while a person types: each puts the
// terminal's echo back first.
constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The terminal whose echo is off, for the signal handler; one reading at a time.
volatile std::sig_atomic_t quietTerminal = -1;
termios echoingSettings{};

extern "C" void restoreEchoAndEnd(int signal) {
    if (quietTerminal >= 0) ::tcsetattr(quietTerminal, TCSANOW, &echoingSettings);
    ::signal(signal, SIG_DFL);
    ::raise(signal);  // delivered, with its usual effect, when the handler returns
}

// Echo off from construction to destruction, with the handlers that restore it
// if a signal ends the program in between.
class QuietTerminal {
  public:
    explicit QuietTerminal(int terminal) : terminal_(terminal) {
        if (::tcgetattr(terminal, &echoingSettings) != 0) {
            error_ = std::strerror(errno);
            return;
        }
        quietTerminal = terminal;
        struct sigaction handler {};
        handler.sa_handler = restoreEchoAndEnd;
        sigemptyset(&handler.sa_mask);
        for (std::size_t i = 0; i < std::size(EndingSignals); ++i) {
            ::sigaction(EndingSignals[i], nullptr, &previous_[i]);
            // A signal the program was started to ignore (nohup) stays ignored.
            if (previous_[i].sa_handler != SIG_IGN)
                ::sigaction(EndingSignals[i], &handler, nullptr);
        }
        termios quiet = echoingSettings;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL);
        // TCSAFLUSH: what was typed ahead, and shown, is not taken as the password.
        if (::tcsetattr(terminal, TCSAFLUSH, &quiet) != 0) error_ = std::strerror(errno);
    }
    ~QuietTerminal() {
        if (quietTerminal < 0) return;
        ::tcsetattr(terminal_, TCSANOW, &echoingSettings);
        for (std::size_t i = 0; i < std::size(EndingSignals); ++i)
            ::sigaction(EndingSignals[i], &previous_[i], nullptr);
        quietTerminal = -1;
    }
    QuietTerminal(const QuietTerminal&) = delete;
    QuietTerminal& operator=(const QuietTerminal&) = delete;

    const std::string& error() const { return error_; }

  private:
    int terminal_;
    struct sigaction previous_[std::size(EndingSignals)]{};
    std::string error_;
};

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::string tooLong() {
    return "a line of more than " + std::to_string(ConsolePasswordInput::LineLimit) +
           " bytes is no password";
}

// One line, byte by byte from `next` (false at the end or on an error), into
// `password`; why it is no password, or nothing.
template <class Next>
std::string collectLine(Next next, std::string& password, std::string_view nothingRead) {
    bool any = false;
    char c = 0;
    while (next(c)) {
        any = true;
        if (c == '\n') return {};
        if (password.size() == ConsolePasswordInput::LineLimit) return tooLong();
        password += c;
    }
    return any ? std::string() : std::string(nothingRead);
}

}  // namespace

ConsolePasswordInput::ConsolePasswordInput(std::istream& in, int terminal, int promptTo)
    : in_(in), terminal_(terminal), promptTo_(promptTo) {}

std::string ConsolePasswordInput::read(std::string_view prompt, std::string& password) {
    password.clear();
    std::string why = ::isatty(terminal_) ? readTerminal(prompt, password) : readStream(password);
    if (!why.empty()) password.clear();
    return why;
}

std::string ConsolePasswordInput::readStream(std::string& password) {
    const std::string why = collectLine([this](char& c) { return static_cast<bool>(in_.get(c)); },
                                        password, "standard input holds no password");
    if (in_.bad()) return "standard input cannot be read";
    if (!why.empty()) return why;
    if (!password.empty() && password.back() == '\r') password.pop_back();
    return {};
}

std::string ConsolePasswordInput::readTerminal(std::string_view prompt, std::string& password) {
    std::string why;
    {
        const QuietTerminal quiet(terminal_);
        if (!quiet.error().empty()) return "the terminal: " + quiet.error();
        writeAll(promptTo_, printableText(prompt));
        std::string failed;
        why = collectLine(
            [this, &failed](char& c) {
                for (;;) {
                    const ssize_t got = ::read(terminal_, &c, 1);
                    if (got < 0 && errno == EINTR) continue;
                    if (got < 0) failed = std::string("the terminal: ") + std::strerror(errno);
                    return got == 1;
                }
            },
            password, "no password was typed");
        if (!failed.empty()) why = failed;
    }
    // The Enter that ended the line was not shown either.
    writeAll(promptTo_, "\n");
    return why;
}

}  // namespace verdo
