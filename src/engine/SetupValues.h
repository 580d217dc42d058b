// SetupValues: the working copies the configuration dialog edits (a copy of
// the options record, of the chat-file lists and of the settings-modified
// flag) and the one way they are stored back into the live record and lists.
// Only what the dialog edits is stored, so that lists changed meanwhile by
// the session (accounts tracked, macros, the custom user list, channels) keep
// their newest content.
#pragma once

#include <array>
#include <string_view>

#include "engine/ChatLists.h"
#include "records/Options.h"

namespace verdo {

// A switch of the options record shown as a check box.
struct SetupSwitch {
    std::string_view control;  // the check box's name
    std::string_view caption;
    std::string_view hint;  // empty when it has none
    bool (tOptions::*get)() const;
    void (tOptions::*set)(bool);
};

inline constexpr std::array<SetupSwitch, 22> SetupSwitches = {{
    {"cbAllowMulti", "Allow Multiple Passwords", "", &tOptions::allowMultiplePasswords,
     &tOptions::setAllowMultiplePasswords},
    {"cbText", "Plain text dump", "Show raw battle.net data", &tOptions::plainTextDump,
     &tOptions::setPlainTextDump},
    {"cbWhois", "Whois on Join", "Perform /whois when a user joins", &tOptions::whoisOnJoin,
     &tOptions::setWhoisOnJoin},
    {"cbPics", "Include Chat Icons", "Show chat pictures on user list", &tOptions::includeChatIcons,
     &tOptions::setIncludeChatIcons},
    {"cbRejoin", "Auto-Rejoin when kicked", "", &tOptions::autoRejoin, &tOptions::setAutoRejoin},
    {"cbNotify", "Enter/Leave Notifications", "", &tOptions::enterLeaveNotifications,
     &tOptions::setEnterLeaveNotifications},
    {"cbSounds", "Accept incoming sounds", "", &tOptions::acceptIncomingSounds,
     &tOptions::setAcceptIncomingSounds},
    {"cbEcho", "Play sounds locally also when sent", "", &tOptions::playSoundsLocally,
     &tOptions::setPlaySoundsLocally},
    {"cbAutoConnect", "Auto-reconnect when connection lost", "", &tOptions::autoReconnect,
     &tOptions::setAutoReconnect},
    {"cbChangeServer", "Use VerdoChat server when launching battle.net programs", "",
     &tOptions::useVerdoServer, &tOptions::setUseVerdoServer},
    {"cbAllEvents", "Master Event Switch", "", &tOptions::masterSwitch, &tOptions::setMasterSwitch},
    {"cbDirectSound", "Use DirectSound", "", &tOptions::useDirectSound,
     &tOptions::setUseDirectSound},
    {"cbMultiSound", "Allow Simultaneous playback", "", &tOptions::allowSimultaneousPlayback,
     &tOptions::setAllowSimultaneousPlayback},
    {"cbLog", "Keep a log of the chat session", "", &tOptions::keepLog, &tOptions::setKeepLog},
    {"cbTime", "Log time of incoming messages/events", "", &tOptions::logTime,
     &tOptions::setLogTime},
    {"cbEvents", "Log incoming events (users joining/leaving, etc)", "", &tOptions::logEvents,
     &tOptions::setLogEvents},
    {"cbPhrases", "Respond to phrases", "", &tOptions::respondToPhrases,
     &tOptions::setRespondToPhrases},
    {"cbWhispers", "Respond to Whispers", "", &tOptions::respondToWhispers,
     &tOptions::setRespondToWhispers},
    {"cbUserJoin", "Respond to Users Joining the Channel", "", &tOptions::respondToJoins,
     &tOptions::setRespondToJoins},
    {"cbBan", "Automatically Ban These Users:", "", &tOptions::autoBan, &tOptions::setAutoBan},
    {"cbNoBan", "Ban Everyone EXCEPT These Users:", "", &tOptions::banEveryoneExcept,
     &tOptions::setBanEveryoneExcept},
    {"cbTimers", "Respond to Timer Events", "", &tOptions::respondToTimers,
     &tOptions::setRespondToTimers},
}};

class SetupValues {
  public:
    // Copies of everything the dialog shows, taken when it opens.
    SetupValues(const tOptions& liveOptions, const ChatLists& liveLists, bool wasModified)
        : options(liveOptions), lists(liveLists), modified(wasModified) {}

    tOptions options;
    ChatLists lists;
    bool modified;

    // Stores the dialog's fields and lists into the live record and lists:
    // log-on texts, the drop-down and server lists, the timer and command
    // lists, the options ("Use DirectSound" always as 0), then the seven list
    // editors' lists with their response alternatives. Nothing else changes.
    void storeTo(tOptions& target, ChatLists& targetLists) const;
};

}  // namespace verdo
