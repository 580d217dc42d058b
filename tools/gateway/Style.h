// The wording and the small habits of the gateway. The default style is the
// gateway's own; the "pvpgn" style reproduces the texts and habits of the most
// widely run open-source gateway, so that the client's compatibility with it
// can be tested on loopback.
#pragma once

#include <string>
#include <string_view>

namespace verdo::gateway {

enum class StyleKind { Default, Pvpgn };

class Style {
  public:
    explicit Style(StyleKind kind) : kind_(kind) {}
    StyleKind kind() const { return kind_; }
    bool isPvpgn() const { return kind_ == StyleKind::Pvpgn; }

    // Habits.
    bool lowerCaseFlags() const { return isPvpgn(); }
    int flagLineRepeats() const { return isPvpgn() ? 2 : 1; }
    bool flagLinesAfterJoin() const { return isPvpgn(); }
    bool kickedUserLeftInNoChannel() const { return isPvpgn(); }
    bool tellsTalkingAlone() const { return isPvpgn(); }
    bool keepsConnectionAfterBadPassword() const { return isPvpgn(); }
    bool leaveLinesCarryProduct() const { return !isPvpgn(); }

    // Log-on texts, raw bytes with their line ends.
    std::string logonBanner(std::string_view peer) const;  // after the byte 3
    std::string afterName(std::string_view name) const;    // name echo and password prompt
    std::string badPassword() const;
    std::string beforeLoggedOn() const;
    // Lines around the first join: before it, and after it.
    std::string welcomeBeforeJoin(std::string_view name) const;
    std::string welcomeAfterJoin(std::string_view name) const;

    // Channel moderation.
    std::string kickedNotice(std::string_view user, std::string_view op,
                             std::string_view reason) const;  // to the kicked user
    std::string kickAnnouncement(std::string_view user, std::string_view op,
                                 std::string_view reason) const;
    std::string bannedNotice(std::string_view op, std::string_view reason) const;
    std::string banAnnouncement(std::string_view user, std::string_view op,
                                std::string_view reason) const;

    std::string floodDisconnect() const;
    std::string floodDrop() const;
    std::string lineTooLong() const;

  private:
    StyleKind kind_;
};

}  // namespace verdo::gateway
