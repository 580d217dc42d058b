// The texts of both styles (see Style.h).
#include "Style.h"

#include "Lines.h"

namespace verdo::gateway {

namespace {

std::string withReason(std::string_view text, std::string_view reason) {
    std::string out(text);
    if (!reason.empty()) out += " (" + std::string(reason) + ")";
    return out;
}

}  // namespace

std::string Style::logonBanner(std::string_view peer) const {
    if (!isPvpgn()) return {};
    return "BOT or Telnet Connection from [" + std::string(peer) +
           "]\r\n\r\nEnter your account name and password.\r\n"
           "Sorry, there is no guest account.\r\n\r\nUsername: ";
}

std::string Style::afterName(std::string_view name) const {
    if (!isPvpgn()) return {};
    return std::string(name) + "\r\nPassword: ";
}

std::string Style::badPassword() const {
    if (!isPvpgn()) return "LOGIN INCORRECT\r\n";
    return "\r\nLogin failed.\r\n\r\nUsername: ";
}

std::string Style::beforeLoggedOn() const {
    return isPvpgn() ? "\r\n" : "";
}

std::string Style::welcomeBeforeJoin(std::string_view /*name*/) const {
    if (isPvpgn()) return {};
    return infoLine("Welcome to the VerdoChat test gateway!");
}

std::string Style::welcomeAfterJoin(std::string_view name) const {
    if (!isPvpgn()) return {};
    return errorLine("Hello " + std::string(name) + ", welcome to PvPGN Realm!");
}

std::string Style::kickedNotice(std::string_view user, std::string_view op,
                                std::string_view reason) const {
    if (isPvpgn()) return kickAnnouncement(user, op, reason);
    return infoLine(withReason(std::string(op) + " kicked you out of the channel!", reason));
}

std::string Style::kickAnnouncement(std::string_view user, std::string_view op,
                                    std::string_view reason) const {
    if (isPvpgn()) {
        return infoLine(
            withReason(std::string(user) + " has been kicked by " + std::string(op), reason) + ".");
    }
    return infoLine(
        withReason(std::string(user) + " was kicked out of the channel by " + std::string(op),
                   reason) +
        ".");
}

std::string Style::bannedNotice(std::string_view op, std::string_view reason) const {
    return infoLine(withReason(std::string(op) + " banned you from the channel!", reason));
}

std::string Style::banAnnouncement(std::string_view user, std::string_view op,
                                   std::string_view reason) const {
    return infoLine(withReason(std::string(user) + " was banned by " + std::string(op), reason) +
                    ".");
}

std::string Style::floodDisconnect() const {
    return errorLine("You are sending too fast: flood protection has closed your connection.");
}

std::string Style::floodDrop() const {
    return errorLine("Your message quota has been exceeded!");
}

std::string Style::lineTooLong() const {
    return errorLine("Your line length quota has been exceeded!");
}

}  // namespace verdo::gateway
