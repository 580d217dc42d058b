// The gateway decoder, log-on and paced sending (see BnetChat.h).
#include "interp/BnetChat.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "interp/OutgoingSplit.h"
#include "net/ChatInterface.h"
#include "platform/ByteSearch.h"

namespace verdo {

namespace {

// The characters at 1-based positions `from` to `to`; a start below 1 is taken
// as 1 and a range past the end stops at the end, so a short line never reads
// outside and gives a shorter or empty field.
std::string_view copyRange(std::string_view line, long from, long to) {
    from = std::max(from, 1L);
    to = std::min(to, static_cast<long>(line.size()));
    if (to < from) return {};
    return line.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
}

template <typename Event, typename... Args>
void raise(const Event& event, Args&&... args) {
    if (event) event(std::forward<Args>(args)...);
}

bool parseDecimal(std::string_view text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    int result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        result = result * 10 + (text[i] - '0');
    }
    value = negative ? -result : result;
    return true;
}

// The two refusals of the servers most people run.
constexpr std::string_view kQuotaRefusal = "Your message quota has been exceeded!";
constexpr std::string_view kLengthRefusal = "Your line length quota has been exceeded!";

}  // namespace

TBnetChat::TBnetChat(std::unique_ptr<Timer> floodTimer) : floodTimer_(std::move(floodTimer)) {
    floodTimer_->OnTimer = [this] { floodTick(); };
    floodTimer_->setInterval(kInitialFloodInterval);
    floodTimer_->setEnabled(true);
}

std::string_view TBnetChat::ParseUser(std::string_view line) const {
    const std::string_view text = line.size() > 5 ? line.substr(5) : std::string_view();
    const std::size_t space = bytes::find(text, ' ');
    if (space == std::string_view::npos) return {};
    const std::size_t start = space + 1;
    const std::size_t end = bytes::find(text, ' ', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string_view TBnetChat::ParseMess(std::string_view line) const {
    const std::size_t quote = bytes::find(line, '"');
    if (quote == std::string_view::npos || quote + 2 > line.size()) return {};
    // Everything after the first quote but the line's last character.
    return line.substr(quote + 1, line.size() - quote - 2);
}

std::string_view TBnetChat::ParseFlags(std::string_view line) const {
    const long size = static_cast<long>(line.size());
    if (!line.empty() && line.back() == ']') return copyRange(line, size - 10, size - 7);
    return copyRange(line, size - 3, size);
}

std::string_view TBnetChat::ParseUserType(std::string_view line) const {
    const long size = static_cast<long>(line.size());
    return copyRange(line, size - 4, size - 1);
}

int TBnetChat::lineCode(std::string_view line) {
    // Nearly every line starts with four digits: read those directly.
    if (line.size() >= 4) {
        const auto digit = [&](std::size_t i) { return static_cast<unsigned>(line[i] - '0'); };
        if (digit(0) < 10 && digit(1) < 10 && digit(2) < 10 && digit(3) < 10) {
            return static_cast<int>(digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3));
        }
    }
    int code = 0;
    if (!parseDecimal(line.substr(0, 4), code)) return 0;
    return code;
}

void TBnetChat::Interpret(std::string_view line) {
    dispatch(lineCode(line), line);
}

void TBnetChat::dispatch(int code, std::string_view line) {
    // Each event takes only the fields it passes on; extraction has no side
    // effects, so skipping the others changes nothing but the cost.
    auto user = [&] { return ParseUser(line); };
    auto mess = [&] { return ParseMess(line); };
    auto flags = [&] { return ParseFlags(line); };
    auto product = [&] { return ParseUserType(line); };
    switch (code) {
        case 1001:
            return raise(OnShowUser, user(), flags(), product());
        case 1002:
            return raise(OnJoin, user(), flags(), product());
        case 1003:
            return raise(OnLeave, user(), flags(), product());
        case 1004:
            return raise(OnWhisper, user(), mess());
        case 1005:
            return raise(OnTalk, user(), mess());
        case 1006:
            return raise(OnBroadcast, mess());
        case 1007:
            return raise(OnChannel, mess());
        case 1009:
            return raise(OnUserFlags, user(), flags());
        case 1010:
            return raise(OnWhisperSent, user(), mess());
        case 1013:
            return raise(OnChannelFull, mess());
        case 1014:
            return raise(OnChanNotExist, mess());
        case 1015:
            return raise(OnRestricted, mess());
        case 1018:
            return raise(OnInfo, mess());
        case 1019: {
            const std::string_view message = mess();
            raise(OnError, message);
            if (message == kQuotaRefusal || message == kLengthRefusal)
                refused(message == kLengthRefusal);
            return;
        }
        case 1023:
            return raise(OnEmote, user(), mess());
        case 2000:
            return raise(OnCode2000, mess());
        case 2010:
            return raise(OnUniqueName, user());
        default:
            return raise(OnUnHandled, line);
    }
}

bool TBnetChat::Logon() {
    if (!ChatInterface) return false;
    ChatInterface->LoginScript.clear();
    ChatInterface->LoginScript.push_back(std::string("\x03\x04") + UserName + '\r' + Password +
                                         '\r');
    return ChatInterface->SendLoginScript();
}

void TBnetChat::SendLine(const std::string& text) {
    SendLine(text, SendClass::Typed);
}

bool TBnetChat::SendLine(const std::string& text, SendClass sendClass, int timer) {
    if (!ChatInterface) return false;
    SendQueue::Line line;
    line.text = text;
    if (!line.text.empty() && line.text.back() == '\r') {
        line.text.pop_back();
        line.endsWithReturn = true;
    }
    line.sendClass = sendClass;
    line.timer = timer;
    const bool wasIdle = sendReady_ && queue_.empty();
    if (!queue_.push(std::move(line))) return false;
    reportDropped();
    if (wasIdle) {
        sendReady_ = false;
        pump(Trigger::Idle);
    }
    return true;
}

void TBnetChat::setFloodInterval(int milliseconds) {
    if (floodTimer_) floodTimer_->setInterval(milliseconds);
}

void TBnetChat::setPacing(const PacingRules& rules) {
    pacer_.setRules(rules);
}

void TBnetChat::usePacingClock(Clock& clock, std::unique_ptr<Timer> wakeTimer) {
    clock_ = &clock;
    clockAtTick_ = clock.steadyMilliseconds();
    wakeTimer_ = std::move(wakeTimer);
    wakeTimer_->setEnabled(false);
    wakeTimer_->OnTimer = [this] { wake(); };
}

std::int64_t TBnetChat::now() const {
    if (!clock_) return tickTime_;
    return tickTime_ + std::max<std::int64_t>(0, clock_->steadyMilliseconds() - clockAtTick_);
}

void TBnetChat::floodTick() {
    const std::int64_t clockNow = clock_ ? clock_->steadyMilliseconds() : 0;
    tickTime_ += clockNow > clockAtTick_ ? clockNow - clockAtTick_ : FloodInterval();
    clockAtTick_ = clockNow;
    if (!ChatInterface) return;
    reportDropped();
    if (!ChatInterface->Connected()) {
        queue_.clear();
        resetQuota();
    }
    if (queue_.empty()) {
        sendReady_ = true;
        return;
    }
    pump(Trigger::Tick);
}

void TBnetChat::wake() {
    wakeTimer_->setEnabled(false);
    if (!ChatInterface) return;
    reportDropped();
    if (!ChatInterface->Connected() || queue_.empty()) return;
    pump(Trigger::Wake);
}

void TBnetChat::pump(Trigger trigger) {
    // A tick, or a line after a quiet time, has kept the shortest gap.
    bool gapKept = trigger != Trigger::Wake || now() - lastSentAt_ >= FloodInterval();
    bool sent = false;
    while (!queue_.empty()) {
        const std::int64_t time = now();
        const std::int64_t readyAt = pacer_.readyAt(queue_.front(), time);
        if (readyAt > time) {
            wakeAt(readyAt);
            break;
        }
        // Short lines keep the flood interval: the next tick sends this one.
        // Longer lines and the pieces of one are held by the quota alone.
        if (pacer_.isShort(queue_.front()) && !gapKept) break;
        sendFront(time);
        gapKept = false;
        sent = true;
    }
    if (sent && trigger == Trigger::Wake) {
        // A short line follows a full interval later.
        floodTimer_->setEnabled(false);
        floodTimer_->setEnabled(true);
    }
}

void TBnetChat::sendFront(std::int64_t time) {
    SendQueue::Line& line = queue_.front();
    SendQueue::Line piece;
    piece.text = pacer_.take(line, time);
    piece.endsWithReturn = line.endsWithReturn;
    piece.sendClass = line.sendClass;
    piece.timer = line.timer;
    piece.resends = line.resends;
    piece.started = line.started;
    if (line.text.empty()) queue_.popFront();
    lastSentAt_ = time;
    std::string bytes = piece.text;
    if (piece.endsWithReturn) bytes += '\r';
    lastSent_ = std::move(piece);
    ChatInterface->SendString(bytes);
}

void TBnetChat::wakeAt(std::int64_t at) {
    if (!wakeTimer_) return;
    const std::int64_t wait =
        std::clamp<std::int64_t>(at - now(), 1, std::numeric_limits<int>::max());
    // Stopped first, so that the period restarts even when it is the same.
    wakeTimer_->setEnabled(false);
    wakeTimer_->setInterval(static_cast<int>(wait));
    wakeTimer_->setEnabled(true);
}

void TBnetChat::refused(bool forLength) {
    // The budget keeps lines apart by seconds, so a refusal answers the last
    // line sent.
    if (!lastSent_) return;
    SendQueue::Line line = std::move(*lastSent_);
    lastSent_.reset();
    if (forLength) {
        pacer_.forgetLast();  // the server did not count it
        pacer_.shortenPieces();
    }
    if (line.resends >= kMaxResends) return notDelivered(line);
    ++line.resends;
    if (forLength) {
        // A line that cannot get shorter would only be refused again; the
        // pacer cuts the others to the shorter length as they leave.
        const auto cut = CutOutgoingLine(line.text, pacer_.splitLength());
        if (!cut || cut->first.size() >= line.text.size()) return notDelivered(line);
    } else {
        pacer_.holdUntil(now() + Pacing().windowSeconds * 1000LL);
    }
    queue_.pushFront(std::move(line));
    sendReady_ = false;
    wakeAt(std::max(lastSentAt_ + FloodInterval(), pacer_.readyAt(queue_.front(), now())));
}

void TBnetChat::notDelivered(const SendQueue::Line& line) {
    raise(OnNotDelivered, std::string_view(line.text));
}

void TBnetChat::reportDropped() {
    droppedUnreported_ += queue_.takeDropped();
    if (droppedUnreported_ == 0 || now() - lastDropReport_ < kDropReportMilliseconds) return;
    lastDropReport_ = now();
    raise(OnLinesDropped, std::exchange(droppedUnreported_, 0));
}

void TBnetChat::resetQuota() {
    pacer_.reset();
    lastSent_.reset();
    lastSentAt_ = std::numeric_limits<std::int64_t>::min() / 2;
    if (wakeTimer_) wakeTimer_->setEnabled(false);
}

}  // namespace verdo
