// The colour items of the appearance dialog's pick list, in list order, each
// with its field of the options record. The list index is the item's number
// wherever an item is named by index (pick list, preview, tests).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/Options.h"

namespace verdo {

struct ColorItem {
    std::string_view name;
    std::uint32_t (tOptions::*get)() const;
    void (tOptions::*set)(std::uint32_t);
};

inline constexpr std::array<ColorItem, 18> ColorItems = {{
    {"Info Color", &tOptions::infoColor, &tOptions::setInfoColor},
    {"Text Color", &tOptions::textColor, &tOptions::setTextColor},
    {"Emote Color", &tOptions::emoteColor, &tOptions::setEmoteColor},
    {"Error Color", &tOptions::errorColor, &tOptions::setErrorColor},
    {"Whisper Color", &tOptions::whisperColor, &tOptions::setWhisperColor},
    {"User List Color", &tOptions::userListColor, &tOptions::setUserListColor},
    {"Custom User Color", &tOptions::customUserColor, &tOptions::setCustomUserColor},
    {"Entry Color", &tOptions::entryColor, &tOptions::setEntryColor},
    {"Name Color", &tOptions::nameColor, &tOptions::setNameColor},
    {"Chat Background", &tOptions::chatBackground, &tOptions::setChatBackground},
    {"Whisper Background", &tOptions::whisperBackground, &tOptions::setWhisperBackground},
    {"Entry Background", &tOptions::entryBackground, &tOptions::setEntryBackground},
    {"User List Background", &tOptions::userListBackground, &tOptions::setUserListBackground},
    {"Custom User Background", &tOptions::customUserBackground, &tOptions::setCustomUserBackground},
    {"Your Text Color", &tOptions::yourTextColor, &tOptions::setYourTextColor},
    {"Your Name Color", &tOptions::yourNameColor, &tOptions::setYourNameColor},
    {"Highlight Color", &tOptions::highlightColor, &tOptions::setHighlightColor},
    {"Highlight Background", &tOptions::highlightBackground, &tOptions::setHighlightBackground},
}};

// The item whose colour every font chosen in the dialog is stored with.
inline constexpr std::size_t TextColorItem = 1;

inline std::uint32_t colorOf(const tOptions& options, std::size_t item) {
    return (options.*ColorItems.at(item).get)();
}
inline void setColorOf(tOptions& options, std::size_t item, std::uint32_t color) {
    (options.*ColorItems.at(item).set)(color);
}

}  // namespace verdo
