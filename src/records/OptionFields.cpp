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

// A row being written: the field, then what else is said about it.
struct Row {
    OptionField field;

    Row resets(std::string_view value) {
        field.reset = value;
        return *this;
    }
    Row shownBy(std::string_view control, std::string_view hint = {}) {
        field.control = control;
        field.hint = hint;
        return *this;
    }
    // A switch an owner sets by whispering `word` on|off, answered with
    // `label`, and that the main window's action `action` flips.
    Row remote(std::string_view word, std::string_view label, std::string_view action) {
        field.remoteWord = word;
        field.remoteLabel = label;
        field.action = action;
        return *this;
    }
    operator OptionField() const { return field; }
};

Row text(std::string_view name, std::string_view caption, std::size_t offset, std::size_t capacity,
         std::size_t limit) {
    return {{name, caption, OptionKind::Text, offset, capacity, limit}};
}

Row flag(std::string_view name, std::string_view caption, std::size_t offset) {
    return {{name, caption, OptionKind::Flag, offset}};
}

Row color(std::string_view name, std::string_view caption, std::size_t offset) {
    return {{name, caption, OptionKind::Color, offset}};
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
        rows.push_back(color(item.field, item.name, offsetOf(item)).resets(item.reset));
    std::sort(rows.begin(), rows.end(),
              [](const OptionField& a, const OptionField& b) { return a.offset < b.offset; });
    return rows;
}

Row number(std::string_view name, std::string_view caption, std::size_t offset, std::int32_t min,
           std::int32_t max) {
    return {{name, caption, OptionKind::Number, offset, 0, 0, min, max}};
}

Row choice(std::string_view name, std::string_view caption, std::size_t offset,
           std::span<const std::string_view> choices) {
    const auto last = static_cast<std::int32_t>(choices.size()) - 1;
    return {{name, caption, OptionKind::Choice, offset, 0, 0, 0, last, choices}};
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
                                F::FaceNameCapacity, F::FaceNameCapacity)
                               .resets("Arial"));
            rows.push_back(
                color(names[i][1], font.caption, font.at + F::ColorAt).resets("#00ffff"));
            rows.push_back(choice(names[i][2], font.caption, font.at + F::PitchAt, PitchNames));
            rows.push_back(
                number(names[i][3], font.caption, font.at + F::SizeAt, 1, 1638).resets("10"));
            rows.push_back(
                Row{{names[i][4], font.caption, OptionKind::FontStyle, font.at + F::StyleAt}}
                    .resets("plain"));
        }
        // Adding a switch: its byte and accessors in tOptions (Options.h), one
        // row here, and the code that acts on it. The row gives everything
        // else: `chatfile` reads and sets it by name, File > New writes its
        // reset value, a row with a control name becomes that check box of
        // the configuration dialog (stored by SetupValues; a page places it
        // by name, or the "General Options" tab lists it with the others),
        // and a row with a remote word becomes a built-in remote command
        // ("/" and the word) and, with an action name, a main-window action's
        // switch (that action's row in the window's action table).
        const std::vector<OptionField> fields = {
            flag("plain-text-dump", "Plain text dump", O::PlainTextDumpAt)
                .resets("off")
                .shownBy("cbText", "Show raw battle.net data"),
            flag("enter-leave-notifications", "Enter/Leave Notifications",
                 O::EnterLeaveNotificationsAt)
                .resets("off")
                .shownBy("cbNotify"),
            flag("include-chat-icons", "Include Chat Icons", O::IncludeChatIconsAt)
                .resets("on")
                .shownBy("cbPics", "Show chat pictures on user list"),
            text("user-name", "User Name:", O::UserNameAt, Cap, Entry)
                .resets("Guest")
                .shownBy("cmUserName"),
            text("password", "Password:", O::PasswordAt, Cap, Entry)
                .resets("")
                .shownBy("cmPassword"),
            text("server", "Server", O::ServerAt, Cap, Cap).resets(DefaultServerHost),
            text("home-channel", "Home Channel:", O::HomeChannelAt, Cap, Entry)
                .resets("")
                .shownBy("cmChannel"),
            text("away-reason", "Away reason", O::AwayReasonAt, Cap, Cap),
            text("dnd-reason", "Do-not-disturb reason", O::DndReasonAt, Cap, Cap),
            number("recite-delay", "Text file recite delay:", O::ReciteDelayAt, 2, 100)
                .resets("4")
                .shownBy("seDelay"),
            choice("double-click", "Double-Clicking a User Should:", O::DoubleClickActionAt,
                   DoubleClickActionNames)
                .resets("Whois user")
                .shownBy("cmDouble", "Action to perform when user is double-clicked"),
            flag("whois-on-join", "Whois on Join", O::WhoisOnJoinAt)
                .resets("off")
                .shownBy("cbWhois", "Perform /whois when a user joins"),
            flag("auto-rejoin", "Auto-Rejoin when kicked", O::AutoRejoinAt)
                .resets("on")
                .shownBy("cbRejoin"),
            flag("tool-bar", "Tool bar", O::ToolBarVisibleAt).resets("on"),
            text("log-file", "Log Filename:", O::LogFileNameAt, Cap, Cap)
                .resets("")
                .shownBy("edLogFIle"),
            flag("log-time", "Log time of incoming messages/events", O::LogTimeAt)
                .resets("off")
                .shownBy("cbTime"),
            flag("log-events", "Log incoming events (users joining/leaving, etc)", O::LogEventsAt)
                .resets("off")
                .shownBy("cbEvents"),
            flag("keep-log", "Keep a log of the chat session", O::KeepLogAt)
                .resets("off")
                .shownBy("cbLog"),
            number("connection-timeout", "Connection Timeout:", O::ConnectionTimeoutAt, 2, 100)
                .resets("5")
                .shownBy("seConnect"),
            number("login-timeout", "Login Timeout:", O::LoginTimeoutAt, 2, 100)
                .resets("20")
                .shownBy("seLogin"),
            flag("allow-multiple-passwords", "Allow Multiple Passwords",
                 O::AllowMultiplePasswordsAt)
                .resets("off")
                .shownBy("cbAllowMulti"),
            flag("accept-incoming-sounds", "Accept incoming sounds", O::AcceptIncomingSoundsAt)
                .resets("on")
                .shownBy("cbSounds"),
            flag("respond-to-phrases", "Respond to phrases", O::RespondToPhrasesAt)
                .resets("off")
                .shownBy("cbPhrases")
                .remote("<phrase>", "Phrase Response: ", "acPhrase"),
            flag("respond-to-whispers", "Respond to Whispers", O::RespondToWhispersAt)
                .resets("off")
                .shownBy("cbWhispers")
                .remote("<whisper>", "Whisper Response: ", "acWhisper"),
            flag("master-switch", "Master Event Switch", O::MasterSwitchAt)
                .resets("off")
                .shownBy("cbAllEvents")
                .remote("<allevents>", "All Events: ", "acMaster"),
            flag("auto-ban", "Automatically Ban These Users:", O::AutoBanAt)
                .resets("off")
                .shownBy("cbBan")
                .remote("<ban>", "User Ban List: ", "acBan"),
            flag("ban-everyone-except", "Ban Everyone EXCEPT These Users:", O::BanEveryoneExceptAt)
                .resets("off")
                .shownBy("cbNoBan")
                .remote("<noban>", "User Ban Exception List: ", "acNoBan"),
            flag("respond-to-joins", "Respond to Users Joining the Channel", O::RespondToJoinsAt)
                .resets("off")
                .shownBy("cbUserJoin")
                .remote("<userjoin>", "User Join Response: ", "acJoinSwitch"),
            text("join-response", "Response to ALL Users Joining the Channel:", O::JoinResponseAt,
                 Cap, Cap)
                .resets("")
                .shownBy("edJoin"),
            flag("respond-to-timers", "Respond to Timer Events", O::RespondToTimersAt)
                .resets("off")
                .shownBy("cbTimers")
                .remote("<timers>", "Timer Response: ", "acTimer"),
            flag("use-direct-sound", "Use DirectSound", O::UseDirectSoundAt)
                .resets("off")
                .shownBy("cbDirectSound"),
            flag("allow-simultaneous-playback", "Allow Simultaneous playback",
                 O::AllowSimultaneousPlaybackAt)
                .resets("on")
                .shownBy("cbMultiSound"),
            flag("play-sounds-locally", "Play sounds locally also when sent",
                 O::PlaySoundsLocallyAt)
                .resets("on")
                .shownBy("cbEcho"),
            flag("auto-reconnect", "Auto-reconnect when connection lost", O::AutoReconnectAt)
                .resets("off")
                .shownBy("cbAutoConnect"),
            flag("use-verdochat-server", "Use VerdoChat server when launching battle.net programs",
                 O::UseVerdoServerAt)
                .resets("off")
                .shownBy("cbChangeServer"),
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
