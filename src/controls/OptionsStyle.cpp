// Windows system colour indexes mapped to the nearest palette roles, so that a
// chat file written on Windows with "window text" or "button face" colours
// looks right under any Qt style.
#include "controls/OptionsStyle.h"

#include <array>
#include <utility>

#include "records/Options.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

using Role = std::pair<QPalette::ColorGroup, QPalette::ColorRole>;

constexpr Role active(QPalette::ColorRole role) {
    return {QPalette::Active, role};
}
constexpr Role inactive(QPalette::ColorRole role) {
    return {QPalette::Inactive, role};
}
constexpr Role disabled(QPalette::ColorRole role) {
    return {QPalette::Disabled, role};
}

// Indexed by COLOR_SCROLLBAR (0) .. COLOR_MENUBAR (30).
constexpr std::array<Role, 31> SystemColorRoles = {
    active(QPalette::Button),             // 0 COLOR_SCROLLBAR
    active(QPalette::Window),             // 1 COLOR_BACKGROUND (desktop)
    active(QPalette::Highlight),          // 2 COLOR_ACTIVECAPTION
    inactive(QPalette::Highlight),        // 3 COLOR_INACTIVECAPTION
    active(QPalette::Base),               // 4 COLOR_MENU
    active(QPalette::Base),               // 5 COLOR_WINDOW
    active(QPalette::Shadow),             // 6 COLOR_WINDOWFRAME
    active(QPalette::WindowText),         // 7 COLOR_MENUTEXT
    active(QPalette::Text),               // 8 COLOR_WINDOWTEXT
    active(QPalette::HighlightedText),    // 9 COLOR_CAPTIONTEXT
    active(QPalette::Window),             // 10 COLOR_ACTIVEBORDER
    inactive(QPalette::Window),           // 11 COLOR_INACTIVEBORDER
    active(QPalette::Dark),               // 12 COLOR_APPWORKSPACE
    active(QPalette::Highlight),          // 13 COLOR_HIGHLIGHT
    active(QPalette::HighlightedText),    // 14 COLOR_HIGHLIGHTTEXT
    active(QPalette::Button),             // 15 COLOR_BTNFACE
    active(QPalette::Dark),               // 16 COLOR_BTNSHADOW
    disabled(QPalette::Text),             // 17 COLOR_GRAYTEXT
    active(QPalette::ButtonText),         // 18 COLOR_BTNTEXT
    inactive(QPalette::HighlightedText),  // 19 COLOR_INACTIVECAPTIONTEXT
    active(QPalette::Light),              // 20 COLOR_BTNHIGHLIGHT
    active(QPalette::Shadow),             // 21 COLOR_3DDKSHADOW
    active(QPalette::Midlight),           // 22 COLOR_3DLIGHT
    active(QPalette::ToolTipText),        // 23 COLOR_INFOTEXT
    active(QPalette::ToolTipBase),        // 24 COLOR_INFOBK
    active(QPalette::Text),               // 25 (unused)
    active(QPalette::Link),               // 26 COLOR_HOTLIGHT
    active(QPalette::Highlight),          // 27 COLOR_GRADIENTACTIVECAPTION
    inactive(QPalette::Highlight),        // 28 COLOR_GRADIENTINACTIVECAPTION
    active(QPalette::Highlight),          // 29 COLOR_MENUHILIGHT
    active(QPalette::Window),             // 30 COLOR_MENUBAR
};

}  // namespace

QColor toQColor(std::uint32_t color, const QPalette& palette) {
    if (isSystemColor(color)) {
        const std::uint32_t index = color & 0xFFu;
        // An index Windows does not know reads as window text, never as black on black.
        const Role role =
            index < SystemColorRoles.size() ? SystemColorRoles[index] : active(QPalette::Text);
        return palette.color(role.first, role.second);
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QFont toQFont(tConstFontRecord record) {
    QFont font;  // the application font's size stands in for an unusable one
    font.setFamily(displayText(record.faceName()));
    if (record.size() > 0 && record.size() <= 1000) font.setPointSize(record.size());
    if (record.pitch() == FontPitchFixed) font.setFixedPitch(true);
    const std::uint8_t style = record.style();
    font.setBold((style & FontBold) != 0);
    font.setItalic((style & FontItalic) != 0);
    font.setUnderline((style & FontUnderline) != 0);
    font.setStrikeOut((style & FontStrikeOut) != 0);
    return font;
}

}  // namespace verdo
