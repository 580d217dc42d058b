// Log-on steps (see LogonFlow.h).
#include "LogonFlow.h"

#include <algorithm>
#include <cctype>

namespace verdo::gateway {

namespace {

constexpr char kChatClass = 3;
constexpr char kProtocolByte = 4;

bool hasControlBytes(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

bool validUserName(std::string_view name) {
    static constexpr std::string_view kPunctuation = "-_.[]()`{}^";
    return !name.empty() && name.size() <= LogonFlow::kMaxName &&
           std::all_of(name.begin(), name.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) ||
                      kPunctuation.find(c) != std::string_view::npos;
           });
}

LogonFlow::LogonFlow(const Style& style, AccountBook& accounts, std::string peer, Hooks hooks)
    : style_(style), accounts_(accounts), peer_(std::move(peer)), hooks_(std::move(hooks)) {}

std::string_view LogonFlow::takePrefix(std::string_view bytes) {
    if (state_ == State::ClassByte && !bytes.empty()) {
        if (bytes.front() != kChatClass) {
            state_ = State::Closed;
            hooks_.close();
            return {};
        }
        bytes.remove_prefix(1);
        state_ = State::ProtocolByte;
        const std::string banner = style_.logonBanner(peer_);
        if (!banner.empty()) hooks_.send(banner);
    }
    if (state_ == State::ProtocolByte && !bytes.empty()) {
        if (bytes.front() == kProtocolByte) bytes.remove_prefix(1);
        state_ = State::Name;
    }
    return state_ == State::ClassByte || state_ == State::ProtocolByte ? std::string_view() : bytes;
}

void LogonFlow::line(const std::string& text) {
    if (state_ == State::Name && text.empty()) return;  // blank lines before the name
    if (state_ == State::Name) {
        takeName(text);
    } else if (state_ == State::Password) {
        takePassword(text);
    }
}

void LogonFlow::takeName(const std::string& text) {
    if (hasControlBytes(text)) {
        state_ = State::Closed;
        hooks_.close();
        return;
    }
    name_ = text;
    state_ = State::Password;
    const std::string echo = style_.afterName(text);
    if (!echo.empty()) hooks_.send(echo);
}

void LogonFlow::takePassword(const std::string& text) {
    if (hasControlBytes(text)) {
        state_ = State::Closed;
        hooks_.close();
        return;
    }
    const auto account = validUserName(name_) ? accounts_.logOn(name_, text) : std::nullopt;
    if (!account) {
        refuse();
        return;
    }
    state_ = State::Done;
    const std::string lead = style_.beforeLoggedOn();
    if (!lead.empty()) hooks_.send(lead);
    hooks_.loggedOn(name_, *account);
}

void LogonFlow::refuse() {
    hooks_.send(style_.badPassword());
    if (style_.keepsConnectionAfterBadPassword() && ++failures_ < kMaxTries) {
        state_ = State::Name;
        return;
    }
    state_ = State::Closed;
    hooks_.close();
}

}  // namespace verdo::gateway
