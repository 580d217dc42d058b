// The main window's layout as Chat.ini keeps it in its "Screen" section, and
// the other Chat.ini values read at start and written at exit.
#pragma once

#include "platform/IniFile.h"

namespace verdo {

struct WindowLayout {
    int top = 50;
    int left = 50;
    bool maximized = false;
    int width = 800;
    int height = 600;
    int userWidth = 162;      // the user list panel
    int customHeight = 132;   // the custom user list
    int whisperHeight = 132;  // the whisper pane
};

// The eight "Screen" keys, each with its default when absent.
WindowLayout ReadLayout(const IniFile& ini);
// Width, Height, Top, Left, Maximized, New User Width, New Custom Height,
// New Whisper Height, in this order; false when the file could not be written.
bool WriteLayout(IniFile& ini, const WindowLayout& layout);

}  // namespace verdo
