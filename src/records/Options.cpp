// The options record's non-trivial accessors and its reset values.
#include "records/Options.h"

#include <algorithm>
#include <stdexcept>

namespace verdo {
namespace {

constexpr std::size_t ShortTextCapacity = 4;

void resetFont(tFontRecord font) {
    font.setFirstReserved(0);
    font.setColor(0x00FFFF00);
    font.setSecondReserved(-1);
    font.setFaceName("Arial");
    font.setSize(10);
    font.setStyle(0);
}

std::size_t checkedSwitch(std::size_t index) {
    if (index >= tOptions::ReservedSwitchCount)
        throw std::out_of_range("reserved switch index out of range");
    return index;
}

}  // namespace

std::string tOptions::formatVersion() const {
    return record::readText(at(FormatVersionAt), ShortTextCapacity);
}

void tOptions::setFormatVersion(std::string_view v) {
    record::writeText(at(FormatVersionAt), ShortTextCapacity, v);
}

bool tOptions::reservedSwitch(std::size_t index) const {
    return flag(ReservedSwitchesAt + checkedSwitch(index));
}

void tOptions::setReservedSwitch(std::size_t index, bool on) {
    setFlag(ReservedSwitchesAt + checkedSwitch(index), on);
}

void ResetOptions(tOptions& options, tProductActions& productActions) {
    resetFont(options.chatFont());
    resetFont(options.whisperFont());
    resetFont(options.userListFont());

    options.setInfoColor(0x00FFFF00);
    options.setErrorColor(0x000000FF);
    options.setNameColor(0x0000FFFF);
    options.setTextColor(0x00FFFFFF);
    options.setYourTextColor(0x00FFFFFF);
    options.setEmoteColor(0x0000FF00);
    options.setUserListColor(0x00FFFF00);
    options.setHighlightColor(0x00FFFFFF);
    options.setHighlightBackground(0x00FF0000);
    options.setWhisperColor(0x00C0C0C0);
    options.setReservedColor(0);
    options.setWhisperBackground(0);
    options.setEntryBackground(0);
    options.setEntryColor(0x00FFFF00);
    options.setYourNameColor(0x00FFFF00);
    options.setChatBackground(0);
    options.setUserListBackground(0);
    options.setCustomUserBackground(0);
    options.setCustomUserColor(0x00FFFF00);

    options.setPlainTextDump(false);
    options.setEnterLeaveNotifications(false);
    options.setIncludeChatIcons(true);
    options.setUserName("Guest");
    options.setPassword("");
    options.setServer(DefaultServerHost);
    options.setHomeChannel("");
    options.setReciteDelay(4);
    options.setDoubleClickAction(2);
    options.setWhoisOnJoin(false);
    options.setAutoRejoin(true);
    options.setToolBarVisible(true);
    options.setLogFileName("");
    options.setLogTime(false);
    options.setLogEvents(false);
    options.setKeepLog(false);
    options.setFormatVersion(OptionsFormatVersion);
    for (std::size_t i = 0; i < tOptions::ReservedSwitchCount; ++i)
        options.setReservedSwitch(i, true);
    options.setConnectionTimeout(5);
    options.setLoginTimeout(20);
    options.setAllowMultiplePasswords(false);
    options.setAcceptIncomingSounds(true);
    options.setRespondToPhrases(false);
    options.setRespondToWhispers(false);
    options.setMasterSwitch(false);
    options.setAutoBan(false);
    options.setBanEveryoneExcept(false);
    options.setRespondToJoins(false);
    options.setJoinResponse("");
    options.setRespondToTimers(false);
    options.setUseDirectSound(false);
    options.setAllowSimultaneousPlayback(true);
    options.setPlaySoundsLocally(true);
    options.setAutoReconnect(false);
    options.setUseVerdoServer(false);
    std::fill(options.bytes_.begin() + tOptions::ReservedTailAt, options.bytes_.end(), 0);

    productActions.fill("None");
}

}  // namespace verdo
