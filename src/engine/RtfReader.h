// A reader of the rich-text (RTF) subset the program's help text uses: plain
// text with \par and \line, \tab, bold, italic and underline, font sizes,
// paragraph indents, the escapes \\ \{ \} \'hh \~ \uN, and the symbols
// \bullet, \endash, \emdash and the quote marks. Font and colour tables,
// style sheets, document information and every "\*" destination are skipped.
// It reads outside input, so it never recurses, bounds its group nesting and
// number lengths, and accepts any bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace verdo {

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // RTF's default of 12 points

    bool operator==(const RtfCharFormat&) const = default;
};

// A run of text with one character format.
struct RtfSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    RtfCharFormat format;
};

// One paragraph: where it starts in the text and its indents in twips.
struct RtfParagraph {
    std::size_t start = 0;
    int leftIndent = 0;
    int firstLineIndent = 0;
};

struct RtfDocument {
    // 8-bit text (Windows-1252); paragraphs and line breaks end in "\n".
    std::string text;
    // Cover the text without gaps, in order.
    std::vector<RtfSpan> spans;
    // One per paragraph, in order; the last one may lack its "\n".
    std::vector<RtfParagraph> paragraphs;
};

RtfDocument readRtf(std::string_view rtf);

}  // namespace verdo
