// The seven switches of the options record: the option each one flips, and the
// word and answer label of the remote command that sets it. The main window's
// action table adds their captions and keys; nothing else describes them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "records/Options.h"

namespace verdo {

enum class SwitchId { Master, Phrase, Whisper, Ban, NoBan, Timer, Join };

struct OptionSwitch {
    SwitchId id;
    bool (tOptions::*get)() const;
    void (tOptions::*set)(bool);
    std::string_view commandWord;   // "<allevents> on|off" whispered by an owner
    std::string_view commandLabel;  // the answer: label + "on" or "off"
};

inline constexpr std::array<OptionSwitch, 7> OptionSwitches = {{
    {SwitchId::Master, &tOptions::masterSwitch, &tOptions::setMasterSwitch, "<allevents>",
     "All Events: "},
    {SwitchId::Phrase, &tOptions::respondToPhrases, &tOptions::setRespondToPhrases, "<phrase>",
     "Phrase Response: "},
    {SwitchId::Whisper, &tOptions::respondToWhispers, &tOptions::setRespondToWhispers, "<whisper>",
     "Whisper Response: "},
    {SwitchId::Ban, &tOptions::autoBan, &tOptions::setAutoBan, "<ban>", "User Ban List: "},
    {SwitchId::NoBan, &tOptions::banEveryoneExcept, &tOptions::setBanEveryoneExcept, "<noban>",
     "User Ban Exception List: "},
    {SwitchId::Timer, &tOptions::respondToTimers, &tOptions::setRespondToTimers, "<timers>",
     "Timer Response: "},
    {SwitchId::Join, &tOptions::respondToJoins, &tOptions::setRespondToJoins, "<userjoin>",
     "User Join Response: "},
}};

inline constexpr const OptionSwitch& optionSwitch(SwitchId id) {
    return OptionSwitches[static_cast<std::size_t>(id)];
}

}  // namespace verdo
