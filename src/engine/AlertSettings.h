// The alert settings of the window: highlight words, the colours and sound of
// a highlighted line, which events show a desktop notification, and the tray
// icon. They belong to this installation, not to a chat file, so they live in
// Chat.ini under [Alerts]; one table names each setting's key, caption and
// kind, and the reader, the writer and the "Alerts" tab all follow it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "platform/IniFile.h"

namespace verdo {

struct AlertSettings {
    std::string words;                             // highlight words, separated by blanks
    std::uint32_t mentionColor = 0x00000000;       // black text ...
    std::uint32_t mentionBackground = 0x0080FFFF;  // ... on light yellow (0x00BBGGRR)
    std::string sound;                             // a file of the sound folder; empty: none
    bool notifyWhispers = true;
    bool notifyHighlights = true;
    bool notifyKicked = true;  // kicked or banned
    bool notifyConnectionLost = true;
    bool trayIcon = false;

    // The highlight words one by one.
    std::vector<std::string> wordList() const;
};

enum class AlertFieldKind { Text, Color, Switch };

struct AlertField {
    const char* key;      // in [Alerts]
    const char* caption;  // on the "Alerts" tab
    std::variant<std::string AlertSettings::*, std::uint32_t AlertSettings::*,
                 bool AlertSettings::*>
        member;
    AlertFieldKind kind() const { return static_cast<AlertFieldKind>(member.index()); }
};

inline constexpr const char* AlertsSection = "Alerts";

std::span<const AlertField> alertFields();

// A missing key reads as the default of AlertSettings.
AlertSettings readAlertSettings(const IniFile& ini);
// False when Chat.ini could not be written.
bool writeAlertSettings(IniFile& ini, const AlertSettings& settings);

}  // namespace verdo
