// The options record byte by byte: the expected bytes are written here from
// the record's published layout, never from the class's own constants.
#include "records/Options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace verdo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const tOptions& options) {
    return Bytes(options.data(), options.data() + 4096);
}

void putColor(Bytes& b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void putText(Bytes& b, std::size_t at, const std::string& text) {
    b[at] = static_cast<std::uint8_t>(text.size());
    std::memcpy(&b[at + 1], text.data(), text.size());
}

void putFontResets(Bytes& b, std::size_t at) {
    putColor(b, at + 0, 0);
    putColor(b, at + 4, 0x00FFFF00);
    putColor(b, at + 8, 0xFFFFFFFF);
    putText(b, at + 12, "Arial");
    putColor(b, at + 269, 10);
    b[at + 273] = 0;
}

// The reset values of the layout table, written over `b`.
void putResetValues(Bytes& b) {
    for (std::size_t font : {0u, 274u, 548u})
        putFontResets(b, font);
    const std::pair<std::size_t, std::uint32_t> colors[] = {
        {822, 0x00FFFF00}, {826, 0x000000FF}, {830, 0x0000FFFF}, {834, 0x00FFFFFF},
        {838, 0x00FFFFFF}, {842, 0x0000FF00}, {846, 0x00FFFF00}, {850, 0x00FFFFFF},
        {854, 0x00FF0000}, {858, 0x00C0C0C0}, {862, 0},          {866, 0},
        {870, 0},          {874, 0x00FFFF00}, {878, 0x00FFFF00}, {882, 0},
        {886, 0},          {890, 0},          {894, 0x00FFFF00}};
    for (auto [at, value] : colors)
        putColor(b, at, value);
    const std::pair<std::size_t, std::uint8_t> singles[] = {
        {898, 0},  {899, 0},  {900, 1},  {2441, 2}, {2442, 0}, {2443, 1}, {2444, 1},
        {2701, 0}, {2702, 0}, {2703, 0}, {2709, 1}, {2710, 1}, {2711, 1}, {2712, 1},
        {2721, 0}, {2722, 1}, {2723, 0}, {2724, 0}, {2725, 0}, {2726, 0}, {2727, 0},
        {2728, 0}, {2985, 0}, {2986, 0}, {2987, 1}, {2988, 1}, {2989, 0}, {2990, 0}};
    for (auto [at, value] : singles)
        b[at] = value;
    const std::pair<std::size_t, std::string> texts[] = {
        {901, "Guest"}, {1157, ""}, {1413, "battle.net"}, {1669, ""}, {2445, ""},
        {2704, "6.20"}, {2729, ""}};
    for (const auto& [at, text] : texts)
        putText(b, at, text);
    putColor(b, 2437, 4);
    putColor(b, 2713, 5);
    putColor(b, 2717, 20);
    std::fill(b.begin() + 2991, b.end(), 0);
}

// The first differing offset, so that a failure names the field.
std::string firstDifference(const Bytes& actual, const Bytes& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (actual[i] != expected[i])
            return "offset " + std::to_string(i) + ": " + std::to_string(actual[i]) +
                   " instead of " + std::to_string(expected[i]);
    return "";
}

TEST(OptionsReset, WritesEveryResetValueAndKeepsEverythingElse) {
    tOptions options;
    std::memset(options.data(), 0xA5, 4096);
    tProductActions actions;
    ResetOptions(options, actions);

    Bytes expected(4096, 0xA5);
    putResetValues(expected);
    EXPECT_EQ(firstDifference(bytesOf(options), expected), "");
}

TEST(OptionsReset, AtStartGivesVersionZeroTailAndNoneActions) {
    tOptions options;
    tProductActions actions;
    actions[3] = "kick";
    ResetOptions(options, actions);
    const Bytes b = bytesOf(options);

    EXPECT_EQ(Bytes(b.begin() + 2704, b.begin() + 2709), (Bytes{4, '6', '.', '2', '0'}));
    EXPECT_EQ(Bytes(b.begin() + 2991, b.end()), Bytes(4096 - 2991, 0));
    EXPECT_EQ(Bytes(b.begin() + 822, b.begin() + 826), (Bytes{0x00, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(Bytes(b.begin() + 826, b.begin() + 830), (Bytes{0xFF, 0x00, 0x00, 0x00}));
    EXPECT_EQ(b[1925], 0);
    EXPECT_EQ(b[2181], 0);
    for (std::size_t font : {0u, 274u, 548u})
        EXPECT_EQ(b[font + 268], 0) << font;
    for (const auto& action : actions)
        EXPECT_EQ(action, "None");
    EXPECT_EQ(options.userName(), "Guest");
    EXPECT_EQ(options.server(), "battle.net");
    EXPECT_EQ(options.formatVersion(), "6.20");
    EXPECT_EQ(options.chatFont().faceName(), "Arial");
    EXPECT_EQ(options.whisperFont().size(), 10);
    EXPECT_EQ(options.userListFont().secondReserved(), -1);
    EXPECT_EQ(std::string(DoubleClickActionNames[options.doubleClickAction()]), "Whois user");
}

TEST(OptionsReset, KeepsLoadedReasonsAndPitchesForANewConfiguration) {
    tOptions options;
    tProductActions actions;
    ResetOptions(options, actions);
    options.setAwayReason("lunch");
    options.setDndReason("busy");
    options.chatFont().setPitch(FontPitchFixed);
    options.whisperFont().setPitch(FontPitchVariable);
    options.setMasterSwitch(true);
    std::memset(options.data() + 3000, 7, 10);

    ResetOptions(options, actions);
    EXPECT_EQ(options.awayReason(), "lunch");
    EXPECT_EQ(options.dndReason(), "busy");
    EXPECT_EQ(options.data()[268], FontPitchFixed);
    EXPECT_EQ(options.data()[274 + 268], FontPitchVariable);
    EXPECT_FALSE(options.masterSwitch());
    EXPECT_EQ(options.data()[3005], 0);
}

template <typename Value>
struct Field {
    std::size_t offset;
    Value (tOptions::*get)() const;
    void (tOptions::*set)(Value);
};

// Sets one field of a zero record and returns the bytes that changed, by offset.
template <typename Value>
std::vector<std::pair<std::size_t, std::uint8_t>> changesAfterSet(const Field<Value>& field,
                                                                  Value value) {
    tOptions options;
    (options.*field.set)(value);
    std::vector<std::pair<std::size_t, std::uint8_t>> changes;
    for (std::size_t i = 0; i < 4096; ++i)
        if (options.data()[i] != 0) changes.emplace_back(i, options.data()[i]);
    return changes;
}

const Field<std::uint32_t> ColorFields[] = {
    {822, &tOptions::infoColor, &tOptions::setInfoColor},
    {826, &tOptions::errorColor, &tOptions::setErrorColor},
    {830, &tOptions::nameColor, &tOptions::setNameColor},
    {834, &tOptions::textColor, &tOptions::setTextColor},
    {838, &tOptions::yourTextColor, &tOptions::setYourTextColor},
    {842, &tOptions::emoteColor, &tOptions::setEmoteColor},
    {846, &tOptions::userListColor, &tOptions::setUserListColor},
    {850, &tOptions::highlightColor, &tOptions::setHighlightColor},
    {854, &tOptions::highlightBackground, &tOptions::setHighlightBackground},
    {858, &tOptions::whisperColor, &tOptions::setWhisperColor},
    {862, &tOptions::reservedColor, &tOptions::setReservedColor},
    {866, &tOptions::whisperBackground, &tOptions::setWhisperBackground},
    {870, &tOptions::entryBackground, &tOptions::setEntryBackground},
    {874, &tOptions::entryColor, &tOptions::setEntryColor},
    {878, &tOptions::yourNameColor, &tOptions::setYourNameColor},
    {882, &tOptions::chatBackground, &tOptions::setChatBackground},
    {886, &tOptions::userListBackground, &tOptions::setUserListBackground},
    {890, &tOptions::customUserBackground, &tOptions::setCustomUserBackground},
    {894, &tOptions::customUserColor, &tOptions::setCustomUserColor},
};

const Field<std::int32_t> IntFields[] = {
    {2437, &tOptions::reciteDelay, &tOptions::setReciteDelay},
    {2713, &tOptions::connectionTimeout, &tOptions::setConnectionTimeout},
    {2717, &tOptions::loginTimeout, &tOptions::setLoginTimeout},
};

const Field<bool> FlagFields[] = {
    {898, &tOptions::plainTextDump, &tOptions::setPlainTextDump},
    {899, &tOptions::enterLeaveNotifications, &tOptions::setEnterLeaveNotifications},
    {900, &tOptions::includeChatIcons, &tOptions::setIncludeChatIcons},
    {2442, &tOptions::whoisOnJoin, &tOptions::setWhoisOnJoin},
    {2443, &tOptions::autoRejoin, &tOptions::setAutoRejoin},
    {2444, &tOptions::toolBarVisible, &tOptions::setToolBarVisible},
    {2701, &tOptions::logTime, &tOptions::setLogTime},
    {2702, &tOptions::logEvents, &tOptions::setLogEvents},
    {2703, &tOptions::keepLog, &tOptions::setKeepLog},
    {2721, &tOptions::allowMultiplePasswords, &tOptions::setAllowMultiplePasswords},
    {2722, &tOptions::acceptIncomingSounds, &tOptions::setAcceptIncomingSounds},
    {2723, &tOptions::respondToPhrases, &tOptions::setRespondToPhrases},
    {2724, &tOptions::respondToWhispers, &tOptions::setRespondToWhispers},
    {2725, &tOptions::masterSwitch, &tOptions::setMasterSwitch},
    {2726, &tOptions::autoBan, &tOptions::setAutoBan},
    {2727, &tOptions::banEveryoneExcept, &tOptions::setBanEveryoneExcept},
    {2728, &tOptions::respondToJoins, &tOptions::setRespondToJoins},
    {2985, &tOptions::respondToTimers, &tOptions::setRespondToTimers},
    {2986, &tOptions::useDirectSound, &tOptions::setUseDirectSound},
    {2987, &tOptions::allowSimultaneousPlayback, &tOptions::setAllowSimultaneousPlayback},
    {2988, &tOptions::playSoundsLocally, &tOptions::setPlaySoundsLocally},
    {2989, &tOptions::autoReconnect, &tOptions::setAutoReconnect},
    {2990, &tOptions::useVerdoServer, &tOptions::setUseVerdoServer},
};

struct TextField {
    std::size_t offset;
    std::string (tOptions::*get)() const;
    void (tOptions::*set)(std::string_view);
};

const TextField TextFields[] = {
    {901, &tOptions::userName, &tOptions::setUserName},
    {1157, &tOptions::password, &tOptions::setPassword},
    {1413, &tOptions::server, &tOptions::setServer},
    {1669, &tOptions::homeChannel, &tOptions::setHomeChannel},
    {1925, &tOptions::awayReason, &tOptions::setAwayReason},
    {2181, &tOptions::dndReason, &tOptions::setDndReason},
    {2445, &tOptions::logFileName, &tOptions::setLogFileName},
    {2729, &tOptions::joinResponse, &tOptions::setJoinResponse},
};

TEST(OptionsFields, ColoursAreFourLittleEndianBytesAtTheirOffsets) {
    using Changes = std::vector<std::pair<std::size_t, std::uint8_t>>;
    for (const auto& field : ColorFields) {
        const std::size_t at = field.offset;
        EXPECT_EQ(changesAfterSet(field, 0x80112233u),
                  (Changes{{at, 0x33}, {at + 1, 0x22}, {at + 2, 0x11}, {at + 3, 0x80}}))
            << at;
        tOptions options;
        options.data()[at] = 0x44;
        options.data()[at + 3] = 0x01;
        EXPECT_EQ((options.*field.get)(), 0x01000044u) << at;
    }
}

TEST(OptionsFields, NumbersAreSignedLittleEndianAtTheirOffsets) {
    using Changes = std::vector<std::pair<std::size_t, std::uint8_t>>;
    for (const auto& field : IntFields) {
        const std::size_t at = field.offset;
        EXPECT_EQ(changesAfterSet(field, -2),
                  (Changes{{at, 0xFE}, {at + 1, 0xFF}, {at + 2, 0xFF}, {at + 3, 0xFF}}))
            << at;
        EXPECT_EQ(changesAfterSet(field, 0x0102), (Changes{{at, 0x02}, {at + 1, 0x01}})) << at;
        tOptions options;
        options.data()[at + 3] = 0x80;
        EXPECT_EQ((options.*field.get)(), INT32_MIN) << at;
    }
    const Field<std::uint8_t> doubleClick{2441, &tOptions::doubleClickAction,
                                          &tOptions::setDoubleClickAction};
    EXPECT_EQ(changesAfterSet(doubleClick, std::uint8_t{7}), (Changes{{2441, 7}}));
}

TEST(OptionsFields, SwitchesAreOneByteAtTheirOffsets) {
    using Changes = std::vector<std::pair<std::size_t, std::uint8_t>>;
    for (const auto& field : FlagFields) {
        EXPECT_EQ(changesAfterSet(field, true), (Changes{{field.offset, 1}})) << field.offset;
        tOptions options;
        (options.*field.set)(true);
        (options.*field.set)(false);
        EXPECT_EQ(options.data()[field.offset], 0) << field.offset;
        options.data()[field.offset] = 2;
        EXPECT_TRUE((options.*field.get)()) << field.offset;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        tOptions options;
        options.setReservedSwitch(i, true);
        EXPECT_EQ(bytesOf(options)[2709 + i], 1);
        EXPECT_TRUE(options.reservedSwitch(i));
    }
    tOptions options;
    EXPECT_THROW(options.setReservedSwitch(4, true), std::out_of_range);
}

TEST(OptionsFields, TextsHaveALengthByteAndKeepTheBytesAfterTheText) {
    for (const auto& field : TextFields) {
        const std::size_t at = field.offset;
        tOptions options;
        (options.*field.set)("longer text");
        (options.*field.set)("short");
        Bytes expected(4096, 0);
        putText(expected, at, "longer text");
        putText(expected, at, "short");
        EXPECT_EQ(firstDifference(bytesOf(options), expected), "") << at;
        EXPECT_EQ((options.*field.get)(), "short") << at;
    }
}

TEST(OptionsFields, TextsAreCutAt255Characters) {
    const std::string tooLong(300, 'x');
    for (const auto& field : TextFields) {
        const std::size_t at = field.offset;
        tOptions options;
        (options.*field.set)(tooLong);
        Bytes expected(4096, 0);
        putText(expected, at, std::string(255, 'x'));
        EXPECT_EQ(firstDifference(bytesOf(options), expected), "") << at;
        EXPECT_EQ((options.*field.get)(), std::string(255, 'x')) << at;
    }
}

// A cut that fell inside a character would turn the whole UTF-8 text into
// Windows-1252 mojibake; a Windows-1252 text keeps all 255 bytes.
TEST(OptionsFields, AUtf8TextLosesWholeCharactersOnly) {
    std::string utf8;
    for (int i = 0; i < 200; ++i)
        utf8 += "\xC3\xA9";
    tOptions options;
    options.setAwayReason(utf8);
    EXPECT_EQ(options.awayReason(), utf8.substr(0, 254));
    options.setAwayReason(std::string(300, '\xE9'));
    EXPECT_EQ(options.awayReason(), std::string(255, '\xE9'));
}

TEST(OptionsFields, FormatVersionIsAShortTextOfFourCharacters) {
    tOptions options;
    options.setFormatVersion("12345");
    const Bytes b = bytesOf(options);
    EXPECT_EQ(Bytes(b.begin() + 2704, b.begin() + 2710), (Bytes{4, '1', '2', '3', '4', 0}));
    // A damaged length byte never reads into the next field.
    options.data()[2704] = 200;
    EXPECT_EQ(options.formatVersion(), "1234");
}

TEST(OptionsFonts, EachFontRecordSitsAtItsOffset) {
    for (std::size_t at : {0u, 274u, 548u}) {
        tOptions options;
        tFontRecord font = at == 0     ? options.chatFont()
                           : at == 274 ? options.whisperFont()
                                       : options.userListFont();
        font.setFirstReserved(0x01020304);
        font.setColor(0x00112233);
        font.setSecondReserved(-1);
        font.setFaceName("Courier New");
        font.setPitch(FontPitchFixed);
        font.setSize(-12);
        font.setStyle(FontBold | FontUnderline);

        Bytes expected(4096, 0);
        putColor(expected, at, 0x01020304);
        putColor(expected, at + 4, 0x00112233);
        putColor(expected, at + 8, 0xFFFFFFFF);
        putText(expected, at + 12, "Courier New");
        expected[at + 268] = 2;
        putColor(expected, at + 269, static_cast<std::uint32_t>(-12));
        expected[at + 273] = 5;
        EXPECT_EQ(firstDifference(bytesOf(options), expected), "") << at;

        const tOptions& view = options;
        const tConstFontRecord read = at == 0     ? view.chatFont()
                                      : at == 274 ? view.whisperFont()
                                                  : view.userListFont();
        EXPECT_EQ(read.faceName(), "Courier New");
        EXPECT_EQ(read.color(), 0x00112233u);
        EXPECT_EQ(read.size(), -12);
        EXPECT_EQ(read.style(), FontBold | FontUnderline);
        EXPECT_EQ(read.pitch(), FontPitchFixed);
        EXPECT_EQ(read.firstReserved(), 0x01020304);
    }
}

TEST(OptionsFonts, FaceNameIsCutAt255AndStaysInsideItsRecord) {
    tOptions options;
    options.chatFont().setFaceName(std::string(400, 'f'));
    EXPECT_EQ(options.chatFont().faceName(), std::string(255, 'f'));
    EXPECT_EQ(options.data()[12], 255);
    EXPECT_EQ(options.data()[268], 0);
}

TEST(OptionsColors, TopBitNamesASystemColor) {
    EXPECT_TRUE(isSystemColor(0x80000005));
    EXPECT_FALSE(isSystemColor(0x00FFFFFF));
}

}  // namespace
}  // namespace verdo
