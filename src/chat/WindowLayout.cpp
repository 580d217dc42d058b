// The "Screen" section of Chat.ini (see WindowLayout.h).
#include "chat/WindowLayout.h"

namespace verdo {
namespace {

constexpr std::string_view Screen = "Screen";

}  // namespace

WindowLayout ReadLayout(const IniFile& ini) {
    const WindowLayout defaults;
    WindowLayout layout;
    layout.top = ini.readInteger(Screen, "Top", defaults.top);
    layout.left = ini.readInteger(Screen, "Left", defaults.left);
    layout.maximized = ini.readBool(Screen, "Maximized", defaults.maximized);
    layout.width = ini.readInteger(Screen, "Width", defaults.width);
    layout.height = ini.readInteger(Screen, "Height", defaults.height);
    layout.userWidth = ini.readInteger(Screen, "New User Width", defaults.userWidth);
    layout.customHeight = ini.readInteger(Screen, "New Custom Height", defaults.customHeight);
    layout.whisperHeight = ini.readInteger(Screen, "New Whisper Height", defaults.whisperHeight);
    return layout;
}

bool WriteLayout(IniFile& ini, const WindowLayout& layout) {
    bool written = ini.writeInteger(Screen, "Width", layout.width);
    written = ini.writeInteger(Screen, "Height", layout.height) && written;
    written = ini.writeInteger(Screen, "Top", layout.top) && written;
    written = ini.writeInteger(Screen, "Left", layout.left) && written;
    written = ini.writeBool(Screen, "Maximized", layout.maximized) && written;
    written = ini.writeInteger(Screen, "New User Width", layout.userWidth) && written;
    written = ini.writeInteger(Screen, "New Custom Height", layout.customHeight) && written;
    return ini.writeInteger(Screen, "New Whisper Height", layout.whisperHeight) && written;
}

}  // namespace verdo
