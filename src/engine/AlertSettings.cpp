// The [Alerts] settings of Chat.ini (see AlertSettings.h).
#include "engine/AlertSettings.h"

#include <array>
#include <type_traits>

namespace verdo {

namespace {

using S = AlertSettings;

const std::array<AlertField, 9> Fields = {{
    {"Words", "Highlight words (separated by blanks):", &S::words},
    {"Mention Color", "Highlighted text", &S::mentionColor},
    {"Mention Background", "Highlighted background", &S::mentionBackground},
    {"Sound", "Highlight sound:", &S::sound},
    {"Notify Whispers", "Notify of whispers", &S::notifyWhispers},
    {"Notify Highlights", "Notify of highlighted lines", &S::notifyHighlights},
    {"Notify Kicked", "Notify when kicked or banned", &S::notifyKicked},
    {"Notify Connection Lost", "Notify when the connection is lost", &S::notifyConnectionLost},
    {"Tray Icon", "Show an icon in the system tray; closing the window hides it there",
     &S::trayIcon},
}};

}  // namespace

std::vector<std::string> AlertSettings::wordList() const {
    std::vector<std::string> list;
    std::string word;
    for (char c : words + ' ') {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) list.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return list;
}

std::span<const AlertField> alertFields() {
    return Fields;
}

AlertSettings readAlertSettings(const IniFile& ini) {
    AlertSettings settings;
    for (const AlertField& field : Fields) {
        std::visit(
            [&](auto member) {
                auto& value = settings.*member;
                using T = std::remove_reference_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    value = ini.readString(AlertsSection, field.key, value);
                } else if constexpr (std::is_same_v<T, bool>) {
                    value = ini.readBool(AlertsSection, field.key, value);
                } else {
                    value = static_cast<std::uint32_t>(
                        ini.readInteger(AlertsSection, field.key, static_cast<int>(value)));
                }
            },
            field.member);
    }
    return settings;
}

bool writeAlertSettings(IniFile& ini, const AlertSettings& settings) {
    bool written = true;
    for (const AlertField& field : Fields) {
        std::visit(
            [&](auto member) {
                const auto& value = settings.*member;
                using T = std::remove_cvref_t<decltype(value)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    written = ini.writeString(AlertsSection, field.key, value) && written;
                } else if constexpr (std::is_same_v<T, bool>) {
                    written = ini.writeBool(AlertsSection, field.key, value) && written;
                } else {
                    written = ini.writeInteger(AlertsSection, field.key, static_cast<int>(value)) &&
                              written;
                }
            },
            field.member);
    }
    return written;
}

}  // namespace verdo
