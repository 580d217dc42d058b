// The colour items of the options record, in the appearance dialog's list
// order, each with its readable name and its field. The list index is the
// item's number wherever an item is named by index (pick list, preview,
// tests); the readable-name table of the record (OptionFields) takes its
// colour fields from here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/Options.h"

namespace verdo {

struct ColorItem {
    std::string_view name;   // the dialog's caption
    std::string_view field;  // the readable name, "info-color"
    std::uint32_t (tOptions::*get)() const;
    void (tOptions::*set)(std::uint32_t);
    std::string_view reset;  // File > New's colour, #rrggbb
};

inline constexpr std::array<ColorItem, 18> ColorItems = {{
    {"Info Color", "info-color", &tOptions::infoColor, &tOptions::setInfoColor, "#00ffff"},
    {"Text Color", "text-color", &tOptions::textColor, &tOptions::setTextColor, "#ffffff"},
    {"Emote Color", "emote-color", &tOptions::emoteColor, &tOptions::setEmoteColor, "#00ff00"},
    {"Error Color", "error-color", &tOptions::errorColor, &tOptions::setErrorColor, "#ff0000"},
    {"Whisper Color", "whisper-color", &tOptions::whisperColor, &tOptions::setWhisperColor,
     "#c0c0c0"},
    {"User List Color", "user-list-color", &tOptions::userListColor, &tOptions::setUserListColor,
     "#00ffff"},
    {"Custom User Color", "custom-user-color", &tOptions::customUserColor,
     &tOptions::setCustomUserColor, "#00ffff"},
    {"Entry Color", "entry-color", &tOptions::entryColor, &tOptions::setEntryColor, "#00ffff"},
    {"Name Color", "name-color", &tOptions::nameColor, &tOptions::setNameColor, "#ffff00"},
    {"Chat Background", "chat-background", &tOptions::chatBackground, &tOptions::setChatBackground,
     "#000000"},
    {"Whisper Background", "whisper-background", &tOptions::whisperBackground,
     &tOptions::setWhisperBackground, "#000000"},
    {"Entry Background", "entry-background", &tOptions::entryBackground,
     &tOptions::setEntryBackground, "#000000"},
    {"User List Background", "user-list-background", &tOptions::userListBackground,
     &tOptions::setUserListBackground, "#000000"},
    {"Custom User Background", "custom-user-background", &tOptions::customUserBackground,
     &tOptions::setCustomUserBackground, "#000000"},
    {"Your Text Color", "your-text-color", &tOptions::yourTextColor, &tOptions::setYourTextColor,
     "#ffffff"},
    {"Your Name Color", "your-name-color", &tOptions::yourNameColor, &tOptions::setYourNameColor,
     "#00ffff"},
    {"Highlight Color", "highlight-color", &tOptions::highlightColor, &tOptions::setHighlightColor,
     "#ffffff"},
    {"Highlight Background", "highlight-background", &tOptions::highlightBackground,
     &tOptions::setHighlightBackground, "#0000ff"},
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
