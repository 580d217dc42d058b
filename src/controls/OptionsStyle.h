// Colours and fonts of the options record turned into their Qt forms.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <cstdint>

#include "records/FontRecord.h"

namespace verdo {

// A Windows colour value 0x00BBGGRR; with the top bit set its low byte is a
// system colour index (COLOR_WINDOW, COLOR_HIGHLIGHT, ...), taken from `palette`.
QColor toQColor(std::uint32_t color, const QPalette& palette);

// Face, size in points and the style bits of a font record.
QFont toQFont(tConstFontRecord record);

}  // namespace verdo
