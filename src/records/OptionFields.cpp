// The readable names of the records' fields, with the limits the dialogs apply.
#include "records/OptionFields.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/AnsiText.h"
#include "records/ColorItems.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {
namespace {

constexpr std::array<std::string_view, 3> PitchNames = {"default", "variable", "fixed"};

OptionField text(std::string_view name, std::string_view caption, std::size_t offset,
                 std::size_t capacity, std::size_t limit) {
    return {name, caption, OptionKind::Text, offset, capacity, limit};
}

OptionField flag(std::string_view name, std::string_view caption, std::size_t offset) {
    return {name, caption, OptionKind::Flag, offset};
}

OptionField color(std::string_view name, std::string_view caption, std::size_t offset) {
    return {name, caption, OptionKind::Color, offset};
}

// Where a colour item's field lies: the four bytes its setter writes.
std::size_t offsetOf(const ColorItem& item) {
    tOptions blank;
    (blank.*item.set)(0xFFFFFFFFu);
    const std::uint8_t* bytes = blank.data();
    return static_cast<std::size_t>(
        std::find_if(bytes, bytes + tOptions::Size, [](std::uint8_t b) { return b != 0; }) - bytes);
}

// The colour items as fields, in the order of the record.
std::vector<OptionField> colorFields() {
    std::vector<OptionField> rows;
    for (const ColorItem& item : ColorItems)
        rows.push_back(color(item.field, item.name, offsetOf(item)));
    std::sort(rows.begin(), rows.end(),
              [](const OptionField& a, const OptionField& b) { return a.offset < b.offset; });
    return rows;
}

OptionField number(std::string_view name, std::string_view caption, std::size_t offset,
                   std::int32_t min, std::int32_t max) {
    return {name, caption, OptionKind::Number, offset, 0, 0, min, max};
}

}  // namespace

// Friend of tOptions, tFontRecordView and tUser for their field offsets.
std::span<const OptionField> OptionFields::options() {
    using O = tOptions;
    using F = tFontRecord;
    constexpr std::size_t Cap = O::TextCapacity;
    // The input fields of the dialog take at most 240 characters of a name,
    // password or channel; other texts are limited by the record alone.
    constexpr std::size_t Entry = 240;
    static const std::vector<OptionField> table = [] {
        std::vector<OptionField> rows;
        const struct {
            std::string_view caption;
            std::size_t at;
        } fonts[] = {{"Chat font", O::ChatFontAt},
                     {"Whisper font", O::WhisperFontAt},
                     {"User list font", O::UserListFontAt}};
        // The names must outlive the table: kept in a static list.
        static const std::array<std::array<std::string, 5>, 3> names = [] {
            std::array<std::array<std::string, 5>, 3> n;
            const std::string_view prefixes[] = {"chat-font", "whisper-font", "user-list-font"};
            for (std::size_t i = 0; i < 3; ++i) {
                const std::string p(prefixes[i]);
                n[i] = {p, p + "-color", p + "-pitch", p + "-size", p + "-style"};
            }
            return n;
        }();
        for (std::size_t i = 0; i < 3; ++i) {
            const auto& font = fonts[i];
            rows.push_back(text(names[i][0], font.caption, font.at + F::FaceNameAt,
                                F::FaceNameCapacity, F::FaceNameCapacity));
            rows.push_back(color(names[i][1], font.caption, font.at + F::ColorAt));
            rows.push_back({names[i][2], font.caption, OptionKind::Choice, font.at + F::PitchAt, 0,
                            0, 0, 2, PitchNames});
            rows.push_back(number(names[i][3], font.caption, font.at + F::SizeAt, 1, 1638));
            rows.push_back(
                {names[i][4], font.caption, OptionKind::FontStyle, font.at + F::StyleAt});
        }
        const std::vector<OptionField> fields = {
            flag("plain-text-dump", "Plain text dump", O::PlainTextDumpAt),
            flag("enter-leave-notifications", "Enter/Leave Notifications",
                 O::EnterLeaveNotificationsAt),
            flag("include-chat-icons", "Include Chat Icons", O::IncludeChatIconsAt),
            text("user-name", "User Name:", O::UserNameAt, Cap, Entry),
            text("password", "Password:", O::PasswordAt, Cap, Entry),
            text("server", "Server", O::ServerAt, Cap, Cap),
            text("home-channel", "Home Channel:", O::HomeChannelAt, Cap, Entry),
            text("away-reason", "Away reason", O::AwayReasonAt, Cap, Cap),
            text("dnd-reason", "Do-not-disturb reason", O::DndReasonAt, Cap, Cap),
            number("recite-delay", "Text file recite delay:", O::ReciteDelayAt, 2, 100),
            {"double-click", "Double-Clicking a User Should:", OptionKind::Choice,
             O::DoubleClickActionAt, 0, 0, 0, 7, DoubleClickActionNames},
            flag("whois-on-join", "Whois on Join", O::WhoisOnJoinAt),
            flag("auto-rejoin", "Auto-Rejoin when kicked", O::AutoRejoinAt),
            flag("tool-bar", "Tool bar", O::ToolBarVisibleAt),
            text("log-file", "Log Filename:", O::LogFileNameAt, Cap, Cap),
            flag("log-time", "Log time of incoming messages/events", O::LogTimeAt),
            flag("log-events", "Log incoming events (users joining/leaving, etc)", O::LogEventsAt),
            flag("keep-log", "Keep a log of the chat session", O::KeepLogAt),
            number("connection-timeout", "Connection Timeout:", O::ConnectionTimeoutAt, 2, 100),
            number("login-timeout", "Login Timeout:", O::LoginTimeoutAt, 2, 100),
            flag("allow-multiple-passwords", "Allow Multiple Passwords",
                 O::AllowMultiplePasswordsAt),
            flag("accept-incoming-sounds", "Accept incoming sounds", O::AcceptIncomingSoundsAt),
            flag("respond-to-phrases", "Respond to phrases", O::RespondToPhrasesAt),
            flag("respond-to-whispers", "Respond to Whispers", O::RespondToWhispersAt),
            flag("master-switch", "Master Event Switch", O::MasterSwitchAt),
            flag("auto-ban", "Automatically Ban These Users:", O::AutoBanAt),
            flag("ban-everyone-except", "Ban Everyone EXCEPT These Users:", O::BanEveryoneExceptAt),
            flag("respond-to-joins", "Respond to Users Joining the Channel", O::RespondToJoinsAt),
            text("join-response", "Response to ALL Users Joining the Channel:", O::JoinResponseAt,
                 Cap, Cap),
            flag("respond-to-timers", "Respond to Timer Events", O::RespondToTimersAt),
            flag("use-direct-sound", "Use DirectSound", O::UseDirectSoundAt),
            flag("allow-simultaneous-playback", "Allow Simultaneous playback",
                 O::AllowSimultaneousPlaybackAt),
            flag("play-sounds-locally", "Play sounds locally also when sent",
                 O::PlaySoundsLocallyAt),
            flag("auto-reconnect", "Auto-reconnect when connection lost", O::AutoReconnectAt),
            flag("use-verdochat-server", "Use VerdoChat server when launching battle.net programs",
                 O::UseVerdoServerAt),
        };
        const std::vector<OptionField> colors = colorFields();
        rows.insert(rows.end(), colors.begin(), colors.end());
        rows.insert(rows.end(), fields.begin(), fields.end());
        return rows;
    }();
    return table;
}

std::span<const OptionField> OptionFields::userRecord() {
    using U = tUser;
    static const std::vector<OptionField> table = {
        text("name", "Name:", U::NameAt, U::NameCapacity, U::NameCapacity),
        text("greeting", "Greeting/Action:", U::GreetingAt, U::GreetingCapacity,
             U::GreetingCapacity),
        text("join-sound", "Join Sound:", U::JoinSoundAt, U::TextCapacity, U::TextCapacity),
        text("leave-sound", "Leave Sound:", U::LeaveSoundAt, U::TextCapacity, U::TextCapacity),
        text("notes", "Notes:", U::NotesAt, U::TextCapacity, U::TextCapacity),
        color("name-color", "Name Color", U::NameColorAt),
        color("text-color", "Text Color", U::TextColorAt),
        color("whisper-color", "Whisper Color", U::WhisperColorAt),
    };
    return table;
}

const OptionField* OptionFields::find(std::span<const OptionField> table, std::string_view name) {
    const auto found = std::find_if(table.begin(), table.end(), [name](const OptionField& field) {
        return equalsIgnoreCaseAZ(field.name, name);
    });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace verdo
