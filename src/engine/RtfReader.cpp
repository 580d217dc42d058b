// The RTF subset reader: one pass over the bytes with a stack of group states.
#include "engine/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace verdo {
namespace {

// Deeper groups are read as if they were at this depth: their formatting is
// lost, their text is not.
constexpr std::size_t MaximumDepth = 100;
constexpr std::size_t MaximumWordLength = 32;
constexpr int MaximumDigits = 10;

struct GroupState {
    RtfCharFormat format;
    int leftIndent = 0;
    int firstLineIndent = 0;
    bool skip = false;    // inside a destination whose text is not shown
    int unicodeSkip = 1;  // \ucN: fallback characters after \uN
};

// Destinations whose contents are not text of the document.
constexpr std::array<std::string_view, 22> SkippedDestinations = {
    "fonttbl", "colortbl",  "stylesheet",        "info",    "pict",      "header",   "footer",
    "headerl", "headerr",   "footerl",           "footerr", "headerf",   "footerf",  "object",
    "fldinst", "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata",
    "filetbl"};

// Control words that stand for one character.
struct Symbol {
    std::string_view word;
    char byte;
};
constexpr std::array<Symbol, 9> Symbols = {{{"bullet", '\x95'},
                                            {"endash", '\x96'},
                                            {"emdash", '\x97'},
                                            {"lquote", '\x91'},
                                            {"rquote", '\x92'},
                                            {"ldblquote", '\x93'},
                                            {"rdblquote", '\x94'},
                                            {"tab", '\t'},
                                            {"line", '\n'}}};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Reader {
  public:
    explicit Reader(std::string_view rtf) : in_(rtf) { states_.push_back(GroupState{}); }

    RtfDocument read() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            switch (c) {
                case '{':
                    openGroup();
                    break;
                case '}':
                    closeGroup();
                    break;
                case '\\':
                    control();
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    text(c);
            }
        }
        if (paragraphStart_ < doc_.text.size() || doc_.paragraphs.empty()) endParagraph(false);
        return std::move(doc_);
    }

  private:
    GroupState& state() { return states_.back(); }

    void openGroup() {
        if (states_.size() < MaximumDepth) {
            states_.push_back(state());
        } else {
            ++overflow_;
        }
    }

    void closeGroup() {
        if (overflow_ > 0) {
            --overflow_;
        } else if (states_.size() > 1) {
            states_.pop_back();
        }
    }

    // Text from the document: a byte for the current group, unless it is the
    // fallback of a preceding \uN.
    void text(char c) {
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        emit(c);
    }

    void emit(char c) {
        if (state().skip) return;
        const std::size_t at = doc_.text.size();
        doc_.text += c;
        if (!doc_.spans.empty() && doc_.spans.back().format == state().format &&
            doc_.spans.back().start + doc_.spans.back().length == at) {
            ++doc_.spans.back().length;
        } else {
            doc_.spans.push_back(RtfSpan{at, 1, state().format});
        }
    }

    void endParagraph(bool withBreak) {
        if (withBreak) emit('\n');
        doc_.paragraphs.push_back(
            RtfParagraph{paragraphStart_, state().leftIndent, state().firstLineIndent});
        paragraphStart_ = doc_.text.size();
    }

    void control() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const std::size_t wordStart = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]) && pos_ - wordStart < MaximumWordLength)
            ++pos_;
        const std::string_view word = in_.substr(wordStart, pos_ - wordStart);
        bool hasNumber = false;
        bool negative = false;
        std::int64_t number = 0;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
            if (digits < MaximumDigits) number = number * 10 + (in_[pos_] - '0');
            ++digits;
            ++pos_;
            hasNumber = true;
        }
        if (negative) number = -number;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        const int value = static_cast<int>(std::clamp<std::int64_t>(number, -100000, 100000));
        controlWord(word, hasNumber, value);
    }

    void controlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                text(c);
                break;
            case '~':
                text('\xA0');
                break;
            case '_':
                text('-');
                break;
            case '*':
                state().skip = true;
                break;
            case '\r':
            case '\n':
                if (!state().skip) endParagraph(true);
                break;
            case '\'': {
                const int high = pos_ < in_.size() ? hexValue(in_[pos_]) : -1;
                const int low = pos_ + 1 < in_.size() ? hexValue(in_[pos_ + 1]) : -1;
                if (high >= 0 && low >= 0) {
                    pos_ += 2;
                    text(static_cast<char>(high * 16 + low));
                }
                break;
            }
            default:
                break;  // \- (optional hyphen), \| and the like show nothing
        }
    }

    void controlWord(std::string_view word, bool hasNumber, int value) {
        GroupState& s = state();
        const bool on = !hasNumber || value != 0;
        if (std::find(SkippedDestinations.begin(), SkippedDestinations.end(), word) !=
            SkippedDestinations.end()) {
            s.skip = true;
        } else if (word == "par") {
            if (!s.skip) endParagraph(true);
        } else if (word == "pard") {
            s.leftIndent = 0;
            s.firstLineIndent = 0;
        } else if (word == "plain") {
            s.format = RtfCharFormat{};
        } else if (word == "b") {
            s.format.bold = on;
        } else if (word == "i") {
            s.format.italic = on;
        } else if (word == "ul") {
            s.format.underline = on;
        } else if (word == "ulnone") {
            s.format.underline = false;
        } else if (word == "fs") {
            s.format.halfPoints = hasNumber && value > 0 ? std::min(value, 1000) : 24;
        } else if (word == "li") {
            s.leftIndent = value;
        } else if (word == "fi") {
            s.firstLineIndent = value;
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(value, 0, 10);
        } else if (word == "u" && hasNumber) {
            const int code = value < 0 ? value + 65536 : value;
            text(code >= 0 && code <= 0xFF ? static_cast<char>(code) : '?');
            fallbackLeft_ = s.unicodeSkip;
        } else {
            for (const Symbol& symbol : Symbols) {
                if (word == symbol.word) {
                    if (symbol.byte == '\n') {
                        emit('\n');
                    } else {
                        text(symbol.byte);
                    }
                    break;
                }
            }
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> states_;
    std::size_t overflow_ = 0;
    int fallbackLeft_ = 0;
    std::size_t paragraphStart_ = 0;
    RtfDocument doc_;
};

}  // namespace

RtfDocument readRtf(std::string_view rtf) {
    return Reader(rtf).read();
}

}  // namespace verdo
