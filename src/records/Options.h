// tOptions: the options record, every non-list option of one bot configuration
// in one packed little-endian block of 4096 bytes. The block is also the binary
// chat file, so its bytes are exactly what is saved and loaded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/FontRecord.h"

namespace verdo {

class OptionFields;

// Actions of a double-click on a user, indexed by tOptions::doubleClickAction().
inline constexpr std::array<std::string_view, 8> DoubleClickActionNames = {
    "Squelch user",
    "Copy name to entry",
    "Whois user",
    "Kick user",
    "Ban user",
    "Open whisper window",
    "Open User Information",
    "Open Account Information"};

// The product-action strings: kept beside the record, not inside it.
using tProductActions = std::array<std::string, 8>;

inline constexpr std::string_view DefaultServerHost = "battle.net";
inline constexpr std::string_view OptionsFormatVersion = "6.20";

// A colour value with the top bit set names a system colour, not an RGB value.
inline constexpr bool isSystemColor(std::uint32_t color) {
    return (color & 0x80000000u) != 0;
}

class tOptions {
  public:
    static constexpr std::size_t Size = 4096;
    static constexpr std::size_t TextCapacity = 255;
    static constexpr std::size_t ReservedSwitchCount = 4;

    // Starts with every byte zero.
    tOptions() = default;

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }

    tFontRecord chatFont() { return tFontRecord(at(ChatFontAt)); }
    tFontRecord whisperFont() { return tFontRecord(at(WhisperFontAt)); }
    tFontRecord userListFont() { return tFontRecord(at(UserListFontAt)); }
    tConstFontRecord chatFont() const { return tConstFontRecord(at(ChatFontAt)); }
    tConstFontRecord whisperFont() const { return tConstFontRecord(at(WhisperFontAt)); }
    tConstFontRecord userListFont() const { return tConstFontRecord(at(UserListFontAt)); }

    // Colours, 0x00BBGGRR.
    std::uint32_t infoColor() const { return color(InfoColorAt); }
    std::uint32_t errorColor() const { return color(ErrorColorAt); }
    std::uint32_t nameColor() const { return color(NameColorAt); }
    std::uint32_t textColor() const { return color(TextColorAt); }
    std::uint32_t yourTextColor() const { return color(YourTextColorAt); }
    std::uint32_t emoteColor() const { return color(EmoteColorAt); }
    std::uint32_t userListColor() const { return color(UserListColorAt); }
    std::uint32_t highlightColor() const { return color(HighlightColorAt); }
    std::uint32_t highlightBackground() const { return color(HighlightBackgroundAt); }
    std::uint32_t whisperColor() const { return color(WhisperColorAt); }
    // Stored and carried in chat files; nothing edits or reads it.
    std::uint32_t reservedColor() const { return color(ReservedColorAt); }
    std::uint32_t whisperBackground() const { return color(WhisperBackgroundAt); }
    std::uint32_t entryBackground() const { return color(EntryBackgroundAt); }
    std::uint32_t entryColor() const { return color(EntryColorAt); }
    std::uint32_t yourNameColor() const { return color(YourNameColorAt); }
    std::uint32_t chatBackground() const { return color(ChatBackgroundAt); }
    std::uint32_t userListBackground() const { return color(UserListBackgroundAt); }
    std::uint32_t customUserBackground() const { return color(CustomUserBackgroundAt); }
    std::uint32_t customUserColor() const { return color(CustomUserColorAt); }
    void setInfoColor(std::uint32_t v) { setColor(InfoColorAt, v); }
    void setErrorColor(std::uint32_t v) { setColor(ErrorColorAt, v); }
    void setNameColor(std::uint32_t v) { setColor(NameColorAt, v); }
    void setTextColor(std::uint32_t v) { setColor(TextColorAt, v); }
    void setYourTextColor(std::uint32_t v) { setColor(YourTextColorAt, v); }
    void setEmoteColor(std::uint32_t v) { setColor(EmoteColorAt, v); }
    void setUserListColor(std::uint32_t v) { setColor(UserListColorAt, v); }
    void setHighlightColor(std::uint32_t v) { setColor(HighlightColorAt, v); }
    void setHighlightBackground(std::uint32_t v) { setColor(HighlightBackgroundAt, v); }
    void setWhisperColor(std::uint32_t v) { setColor(WhisperColorAt, v); }
    void setReservedColor(std::uint32_t v) { setColor(ReservedColorAt, v); }
    void setWhisperBackground(std::uint32_t v) { setColor(WhisperBackgroundAt, v); }
    void setEntryBackground(std::uint32_t v) { setColor(EntryBackgroundAt, v); }
    void setEntryColor(std::uint32_t v) { setColor(EntryColorAt, v); }
    void setYourNameColor(std::uint32_t v) { setColor(YourNameColorAt, v); }
    void setChatBackground(std::uint32_t v) { setColor(ChatBackgroundAt, v); }
    void setUserListBackground(std::uint32_t v) { setColor(UserListBackgroundAt, v); }
    void setCustomUserBackground(std::uint32_t v) { setColor(CustomUserBackgroundAt, v); }
    void setCustomUserColor(std::uint32_t v) { setColor(CustomUserColorAt, v); }

    // Log-on and session texts, at most 255 characters each.
    std::string userName() const { return text(UserNameAt); }
    std::string password() const { return text(PasswordAt); }
    std::string server() const { return text(ServerAt); }
    std::string homeChannel() const { return text(HomeChannelAt); }
    std::string awayReason() const { return text(AwayReasonAt); }
    std::string dndReason() const { return text(DndReasonAt); }
    std::string logFileName() const { return text(LogFileNameAt); }
    std::string joinResponse() const { return text(JoinResponseAt); }
    std::string formatVersion() const;
    void setUserName(std::string_view v) { setText(UserNameAt, v); }
    void setPassword(std::string_view v) { setText(PasswordAt, v); }
    void setServer(std::string_view v) { setText(ServerAt, v); }
    void setHomeChannel(std::string_view v) { setText(HomeChannelAt, v); }
    void setAwayReason(std::string_view v) { setText(AwayReasonAt, v); }
    void setDndReason(std::string_view v) { setText(DndReasonAt, v); }
    void setLogFileName(std::string_view v) { setText(LogFileNameAt, v); }
    void setJoinResponse(std::string_view v) { setText(JoinResponseAt, v); }
    // Four characters at most.
    void setFormatVersion(std::string_view v);

    // Numbers.
    std::int32_t reciteDelay() const { return integer(ReciteDelayAt); }
    std::int32_t connectionTimeout() const { return integer(ConnectionTimeoutAt); }
    std::int32_t loginTimeout() const { return integer(LoginTimeoutAt); }
    // Index into DoubleClickActionNames.
    std::uint8_t doubleClickAction() const { return bytes_[DoubleClickActionAt]; }
    void setReciteDelay(std::int32_t seconds) { setInteger(ReciteDelayAt, seconds); }
    void setConnectionTimeout(std::int32_t seconds) { setInteger(ConnectionTimeoutAt, seconds); }
    void setLoginTimeout(std::int32_t seconds) { setInteger(LoginTimeoutAt, seconds); }
    void setDoubleClickAction(std::uint8_t action) { bytes_[DoubleClickActionAt] = action; }

    // Switches.
    bool plainTextDump() const { return flag(PlainTextDumpAt); }
    bool enterLeaveNotifications() const { return flag(EnterLeaveNotificationsAt); }
    bool includeChatIcons() const { return flag(IncludeChatIconsAt); }
    bool whoisOnJoin() const { return flag(WhoisOnJoinAt); }
    bool autoRejoin() const { return flag(AutoRejoinAt); }
    bool toolBarVisible() const { return flag(ToolBarVisibleAt); }
    bool logTime() const { return flag(LogTimeAt); }
    bool logEvents() const { return flag(LogEventsAt); }
    bool keepLog() const { return flag(KeepLogAt); }
    bool allowMultiplePasswords() const { return flag(AllowMultiplePasswordsAt); }
    bool acceptIncomingSounds() const { return flag(AcceptIncomingSoundsAt); }
    bool respondToPhrases() const { return flag(RespondToPhrasesAt); }
    bool respondToWhispers() const { return flag(RespondToWhispersAt); }
    bool masterSwitch() const { return flag(MasterSwitchAt); }
    bool autoBan() const { return flag(AutoBanAt); }
    bool banEveryoneExcept() const { return flag(BanEveryoneExceptAt); }
    bool respondToJoins() const { return flag(RespondToJoinsAt); }
    bool respondToTimers() const { return flag(RespondToTimersAt); }
    bool useDirectSound() const { return flag(UseDirectSoundAt); }
    bool allowSimultaneousPlayback() const { return flag(AllowSimultaneousPlaybackAt); }
    bool playSoundsLocally() const { return flag(PlaySoundsLocallyAt); }
    bool autoReconnect() const { return flag(AutoReconnectAt); }
    bool useVerdoServer() const { return flag(UseVerdoServerAt); }
    // Four switches nothing reads; index 0 to 3.
    bool reservedSwitch(std::size_t index) const;
    void setPlainTextDump(bool on) { setFlag(PlainTextDumpAt, on); }
    void setEnterLeaveNotifications(bool on) { setFlag(EnterLeaveNotificationsAt, on); }
    void setIncludeChatIcons(bool on) { setFlag(IncludeChatIconsAt, on); }
    void setWhoisOnJoin(bool on) { setFlag(WhoisOnJoinAt, on); }
    void setAutoRejoin(bool on) { setFlag(AutoRejoinAt, on); }
    void setToolBarVisible(bool on) { setFlag(ToolBarVisibleAt, on); }
    void setLogTime(bool on) { setFlag(LogTimeAt, on); }
    void setLogEvents(bool on) { setFlag(LogEventsAt, on); }
    void setKeepLog(bool on) { setFlag(KeepLogAt, on); }
    void setAllowMultiplePasswords(bool on) { setFlag(AllowMultiplePasswordsAt, on); }
    void setAcceptIncomingSounds(bool on) { setFlag(AcceptIncomingSoundsAt, on); }
    void setRespondToPhrases(bool on) { setFlag(RespondToPhrasesAt, on); }
    void setRespondToWhispers(bool on) { setFlag(RespondToWhispersAt, on); }
    void setMasterSwitch(bool on) { setFlag(MasterSwitchAt, on); }
    void setAutoBan(bool on) { setFlag(AutoBanAt, on); }
    void setBanEveryoneExcept(bool on) { setFlag(BanEveryoneExceptAt, on); }
    void setRespondToJoins(bool on) { setFlag(RespondToJoinsAt, on); }
    void setRespondToTimers(bool on) { setFlag(RespondToTimersAt, on); }
    void setUseDirectSound(bool on) { setFlag(UseDirectSoundAt, on); }
    void setAllowSimultaneousPlayback(bool on) { setFlag(AllowSimultaneousPlaybackAt, on); }
    void setPlaySoundsLocally(bool on) { setFlag(PlaySoundsLocallyAt, on); }
    void setAutoReconnect(bool on) { setFlag(AutoReconnectAt, on); }
    void setUseVerdoServer(bool on) { setFlag(UseVerdoServerAt, on); }
    void setReservedSwitch(std::size_t index, bool on);

    // Where the format version lies: a length byte and up to four characters.
    static constexpr std::size_t FormatVersionOffset = 2704;
    static constexpr std::size_t FormatVersionSize = 5;

  private:
    friend class OptionFields;
    friend void ResetOptions(tOptions& options, tProductActions& productActions);

    static constexpr std::size_t ChatFontAt = 0;
    static constexpr std::size_t WhisperFontAt = 274;
    static constexpr std::size_t UserListFontAt = 548;
    static constexpr std::size_t InfoColorAt = 822;
    static constexpr std::size_t ErrorColorAt = 826;
    static constexpr std::size_t NameColorAt = 830;
    static constexpr std::size_t TextColorAt = 834;
    static constexpr std::size_t YourTextColorAt = 838;
    static constexpr std::size_t EmoteColorAt = 842;
    static constexpr std::size_t UserListColorAt = 846;
    static constexpr std::size_t HighlightColorAt = 850;
    static constexpr std::size_t HighlightBackgroundAt = 854;
    static constexpr std::size_t WhisperColorAt = 858;
    static constexpr std::size_t ReservedColorAt = 862;
    static constexpr std::size_t WhisperBackgroundAt = 866;
    static constexpr std::size_t EntryBackgroundAt = 870;
    static constexpr std::size_t EntryColorAt = 874;
    static constexpr std::size_t YourNameColorAt = 878;
    static constexpr std::size_t ChatBackgroundAt = 882;
    static constexpr std::size_t UserListBackgroundAt = 886;
    static constexpr std::size_t CustomUserBackgroundAt = 890;
    static constexpr std::size_t CustomUserColorAt = 894;
    static constexpr std::size_t PlainTextDumpAt = 898;
    static constexpr std::size_t EnterLeaveNotificationsAt = 899;
    static constexpr std::size_t IncludeChatIconsAt = 900;
    static constexpr std::size_t UserNameAt = 901;
    static constexpr std::size_t PasswordAt = 1157;
    static constexpr std::size_t ServerAt = 1413;
    static constexpr std::size_t HomeChannelAt = 1669;
    static constexpr std::size_t AwayReasonAt = 1925;
    static constexpr std::size_t DndReasonAt = 2181;
    static constexpr std::size_t ReciteDelayAt = 2437;
    static constexpr std::size_t DoubleClickActionAt = 2441;
    static constexpr std::size_t WhoisOnJoinAt = 2442;
    static constexpr std::size_t AutoRejoinAt = 2443;
    static constexpr std::size_t ToolBarVisibleAt = 2444;
    static constexpr std::size_t LogFileNameAt = 2445;
    static constexpr std::size_t LogTimeAt = 2701;
    static constexpr std::size_t LogEventsAt = 2702;
    static constexpr std::size_t KeepLogAt = 2703;
    static constexpr std::size_t FormatVersionAt = FormatVersionOffset;
    static constexpr std::size_t ReservedSwitchesAt = 2709;
    static constexpr std::size_t ConnectionTimeoutAt = 2713;
    static constexpr std::size_t LoginTimeoutAt = 2717;
    static constexpr std::size_t AllowMultiplePasswordsAt = 2721;
    static constexpr std::size_t AcceptIncomingSoundsAt = 2722;
    static constexpr std::size_t RespondToPhrasesAt = 2723;
    static constexpr std::size_t RespondToWhispersAt = 2724;
    static constexpr std::size_t MasterSwitchAt = 2725;
    static constexpr std::size_t AutoBanAt = 2726;
    static constexpr std::size_t BanEveryoneExceptAt = 2727;
    static constexpr std::size_t RespondToJoinsAt = 2728;
    static constexpr std::size_t JoinResponseAt = 2729;
    static constexpr std::size_t RespondToTimersAt = 2985;
    static constexpr std::size_t UseDirectSoundAt = 2986;
    static constexpr std::size_t AllowSimultaneousPlaybackAt = 2987;
    static constexpr std::size_t PlaySoundsLocallyAt = 2988;
    static constexpr std::size_t AutoReconnectAt = 2989;
    static constexpr std::size_t UseVerdoServerAt = 2990;
    static constexpr std::size_t ReservedTailAt = 2991;

    std::uint8_t* at(std::size_t offset) { return bytes_.data() + offset; }
    const std::uint8_t* at(std::size_t offset) const { return bytes_.data() + offset; }
    bool flag(std::size_t offset) const { return bytes_[offset] != 0; }
    void setFlag(std::size_t offset, bool on) { bytes_[offset] = on ? 1 : 0; }
    std::uint32_t color(std::size_t offset) const { return record::readUInt32(at(offset)); }
    void setColor(std::size_t offset, std::uint32_t v) { record::writeUInt32(at(offset), v); }
    std::int32_t integer(std::size_t offset) const { return record::readInt32(at(offset)); }
    void setInteger(std::size_t offset, std::int32_t v) { record::writeInt32(at(offset), v); }
    std::string text(std::size_t offset) const {
        return record::readText(at(offset), TextCapacity);
    }
    void setText(std::size_t offset, std::string_view v) {
        record::writeText(at(offset), TextCapacity, v);
    }

    std::array<std::uint8_t, Size> bytes_{};
};

// Writes the reset value of every field that has one (fonts included), zeroes
// the reserved tail and sets the eight product actions to "None". Fields
// without a reset value (away and do-not-disturb reasons, font pitches) keep
// what they hold.
void ResetOptions(tOptions& options, tProductActions& productActions);

}  // namespace verdo
