// The send queue under a random conversation: lines of every class and length
// (talk, whispers, wholeLines that cannot be cut, floods of automatic lines), the
// server's two refusals and other lines, connections lost and made again, and
// the clock running the timers. Whatever happens, every line on the wire is
// one a user sent or a piece of one: no piece is longer than the quota allows,
// a whisper's pieces all start with its "/w NAME ", no piece of talk starts
// with "/", a piece of UTF-8 text is UTF-8, and the queue holds no more
// automatic and timed lines than its bound.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "interp/BnetChat.h"
#include "interp/OutgoingSplit.h"
#include "net/ChatInterface.h"
#include "platform/Utf8.h"
#include "support/TimerClock.h"

namespace {

using verdo::SendClass;

// Names the broken promise before the crash.
void require(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_sending.cpp:%d: promise broken\n", line);
    std::abort();
}

// Reads the input a byte at a time; zeros once it is used up.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    unsigned next() { return at_ < size_ ? data_[at_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Text of `length` bytes or about, in an alphabet that tells talk (lower case)
// from whispers (upper case) on the wire; both have blanks, slashes, "é" and
// "€".
std::string text(Bytes& in, std::size_t length, bool upper) {
    static constexpr std::string_view lower = "ab /c", capital = "AB /C";
    std::string out;
    while (out.size() < length) {
        const unsigned pick = in.next() % 7;
        if (pick == 5)
            out += "\xC3\xA9";
        else if (pick == 6)
            out += "\xE2\x82\xAC";
        else
            out += (upper ? capital : lower)[pick];
    }
    return out;
}

bool hasUpper(std::string_view piece) {
    return std::any_of(piece.begin(), piece.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool utf8OrAscii(std::string_view piece) {
    return verdo::isUtf8BeyondAscii(piece) || std::all_of(piece.begin(), piece.end(), [](char c) {
               return static_cast<unsigned char>(c) < 0x80;
           });
}

struct Conversation {
    Conversation() {
        connection = std::make_unique<verdo::TChatInterface>(platform.createTcpClient());
        peer = platform.clients.back();
        chat = std::make_unique<verdo::TBnetChat>(platform.createTimer());
        chat->usePacingClock(platform.fakeClock, platform.createTimer());
        chat->ChatInterface = connection.get();
        chat->OnNotDelivered = [this](std::string_view line) { check(line, false); };
        connection->Connect();
        peer->accept();
    }

    void send(const std::string& line, SendClass sendClass) {
        if (sendClass == SendClass::Typed || sendClass == SendClass::Command ||
            sendClass == SendClass::Playback)
            ++kept;
        else
            ++droppable;
        if (line.rfind("/w W#", 0) == 0)
            whispers.push_back(line);
        else if (line[0] != '/')
            talk.push_back(line);
        else
            wholeLines.insert(line);  // no command of these can be cut
        chat->SendLine(line + "\r", sendClass);
        collect();
    }

    void collect() {
        std::size_t end;
        while ((end = peer->sent.find('\r', taken)) != std::string::npos) {
            check(std::string_view(peer->sent).substr(taken, end - taken), true);
            taken = end + 1;
        }
        // Past the bound only lines that may be dropped are dropped; a
        // refused piece waits beside the rest of its line.
        require(chat->QueueCount() >= 0);
        const auto waiting = static_cast<std::size_t>(chat->QueueCount());
        require(waiting <= kept + droppable + 1);
        require(waiting <= std::max(verdo::SendQueue::kMaxWaiting, kept) + 1);
    }

    // A short line of talk ("auto N"), one of many.
    void sendAutomatic(const std::string& line, SendClass sendClass) {
        ++droppable;
        chat->SendLine(line + "\r", sendClass);
        collect();
    }

    // A line on the wire, or one given up.
    void check(std::string_view piece, bool onWire) {
        if (wholeLines.count(std::string(piece))) return;  // whole, as it was sent
        require(!piece.empty());
        // A piece of an automatic line, or of talk in the same letters.
        if (piece.find_first_not_of("auto 0123456789") == std::string_view::npos &&
            piece[0] != ' ') {
            if (onWire) require(piece.size() <= chat->Pacing().longestPassable());
            return;
        }
        // Longer only when the line, or the rest of it, cannot be cut (a
        // character longer than the room its prefix leaves).
        if (onWire && piece.size() > chat->Pacing().longestPassable())
            require(!verdo::CutOutgoingLine(piece, chat->SplitLength()));
        require(utf8OrAscii(piece));
        if (piece.rfind("/w W#", 0) == 0) {
            // Its own prefix, then a part of that whisper's text.
            const std::size_t blank = piece.find(' ', 3);
            require(blank != std::string_view::npos);
            const std::string_view prefix = piece.substr(0, blank + 1);
            const std::string_view body = piece.substr(blank + 1);
            require(std::any_of(whispers.begin(), whispers.end(), [&](const std::string& w) {
                return w.rfind(prefix, 0) == 0 && w.find(body, prefix.size()) != std::string::npos;
            }));
            return;
        }
        // Talk: never a command, and a part of a line that was said.
        require(piece[0] != '/' && !hasUpper(piece));
        require(std::any_of(talk.begin(), talk.end(), [&](const std::string& t) {
            return t.find(piece) != std::string::npos;
        }));
    }

    verdo::testing::FakePlatform platform;
    verdo::testing::TimerClock clock{platform};
    verdo::testing::FakeTcpClient* peer = nullptr;
    std::unique_ptr<verdo::TChatInterface> connection;
    std::unique_ptr<verdo::TBnetChat> chat;
    std::size_t taken = 0;
    std::size_t kept = 0;       // lines of the classes that are never dropped
    std::size_t droppable = 0;  // automatic and timed lines
    std::set<std::string> wholeLines;
    std::vector<std::string> whispers;
    std::vector<std::string> talk;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Conversation c;
    Bytes in(data, size);
    int serial = 0;
    while (in.more()) {
        const unsigned op = in.next();
        const auto sendClass = static_cast<SendClass>(op / 16 % 5);
        const std::size_t length = 1 + in.next() * 2;
        switch (op % 11) {
            case 0:
            case 1:
                c.send(text(in, length, false), sendClass);
                break;
            case 2:
                // Names of any length, so that some leave little room.
                c.send("/w W#" + std::to_string(++serial) + std::string(in.next() % 48, 'N') + " " +
                           text(in, length, true),
                       sendClass);
                break;
            case 3:
                c.send("/c#" + std::to_string(++serial) + " " + text(in, length, false), sendClass);
                break;
            case 4:  // a flood of short automatic or timed lines
                for (std::size_t i = 0; i < length * 4; ++i)
                    c.sendAutomatic("auto " + std::to_string(++serial),
                                    op & 1 ? SendClass::Automatic : SendClass::Timed);
                break;
            case 5:
                c.chat->Interpret("1019 ERROR \"Your message quota has been exceeded!\"");
                break;
            case 6:
                c.chat->Interpret("1019 ERROR \"Your line length quota has been exceeded!\"");
                break;
            case 7:
                c.chat->Interpret("1018 INFO \"" + text(in, length % 40, false) + "\"");
                break;
            case 8:
                if (op & 1) {
                    c.connection->Disconnect();
                } else if (!c.connection->Connected()) {
                    c.connection->Connect();
                    c.peer->accept();
                }
                break;
            case 9: {  // a quota from Chat.ini, as small as it may be
                verdo::PacingRules rules;
                rules.unitBytes = 1 + static_cast<int>(in.next() % 64);
                rules.units = 2 + static_cast<int>(in.next() % 8);
                rules.longestLine = 1 + static_cast<int>(length);
                c.chat->setPacing(rules);
                break;
            }
            default:
                c.clock.advanceBy(static_cast<std::int64_t>(length) * 40, [&] { c.collect(); });
                break;
        }
        c.collect();
    }
    c.clock.advanceBy(30000, [&] { c.collect(); });
    return 0;
}
