// The step-counting pattern matcher (see LuaPattern.h). Character classes are
// those of the "C" locale, whatever locale the program runs in, so that a
// script matches the same everywhere.
#include "scripting/LuaPattern.h"

#include <cstring>

namespace verdo {
namespace {

constexpr char Escape = '%';
constexpr std::string_view Specials = "^$*+?.([%-";

bool isUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isAlpha(unsigned char c) {
    return isUpper(c) || isLower(c);
}
bool isSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}
bool isGraph(unsigned char c) {
    return c > 0x20 && c < 0x7F;
}
bool isPunct(unsigned char c) {
    return isGraph(c) && !isAlpha(c) && !isDigit(c);
}
bool isHexDigit(unsigned char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether `c` belongs to the class letter `cl` ("%a", "%D" ...); any other
// character after "%" stands for itself.
bool classMatch(unsigned char c, unsigned char cl) {
    bool result = false;
    switch (cl | 0x20) {
        case 'a':
            result = isAlpha(c);
            break;
        case 'c':
            result = isControl(c);
            break;
        case 'd':
            result = isDigit(c);
            break;
        case 'g':
            result = isGraph(c);
            break;
        case 'l':
            result = isLower(c);
            break;
        case 'p':
            result = isPunct(c);
            break;
        case 's':
            result = isSpace(c);
            break;
        case 'u':
            result = isUpper(c);
            break;
        case 'w':
            result = isAlpha(c) || isDigit(c);
            break;
        case 'x':
            result = isHexDigit(c);
            break;
        default:
            return cl == c;
    }
    return isUpper(cl) ? !result : result;
}

}  // namespace

LuaPattern::LuaPattern(std::string_view subject, std::string_view pattern, std::uint64_t stepLimit)
    : subject_(subject), pattern_(pattern), limit_(stepLimit) {}

bool LuaPattern::isPlain(std::string_view pattern) {
    return pattern.find_first_of(Specials) == std::string_view::npos;
}

void LuaPattern::step() {
    if (++steps_ > limit_) throw StepLimit();
}

std::size_t LuaPattern::matchAt(std::size_t start, std::size_t patternStart) {
    level_ = 0;
    depth_ = 0;
    return doMatch(start, patternStart);
}

std::size_t LuaPattern::findPlain(std::size_t start) {
    const std::size_t length = pattern_.size();
    if (length == 0) return start <= subject_.size() ? start : NoMatch;
    while (start + length <= subject_.size()) {
        const std::size_t at = subject_.find(pattern_.front(), start);
        steps_ += (at == std::string_view::npos ? subject_.size() - start : at - start) / 64;
        step();
        if (at == std::string_view::npos || at + length > subject_.size()) return NoMatch;
        steps_ += length / 16;
        step();
        if (std::memcmp(subject_.data() + at, pattern_.data(), length) == 0) return at;
        start = at + 1;
    }
    return NoMatch;
}

std::size_t LuaPattern::classEnd(std::size_t p) const {
    const char c = pattern_[p++];
    if (c == Escape) {
        if (p >= pattern_.size()) throw Error("malformed pattern (ends with '%')");
        return p + 1;
    }
    if (c == '[') {
        if (p < pattern_.size() && pattern_[p] == '^') ++p;
        // The first character of a set is taken as it is, so "[]]" holds "]".
        do {
            if (p >= pattern_.size()) throw Error("malformed pattern (missing ']')");
            const char inside = pattern_[p++];
            if (inside == Escape && p < pattern_.size()) ++p;
        } while (p >= pattern_.size() || pattern_[p] != ']');
        return p + 1;
    }
    return p;
}

bool LuaPattern::bracketMatch(unsigned char c, std::size_t p, std::size_t ec) const {
    bool wanted = true;
    if (pattern_[p + 1] == '^') {
        wanted = false;
        ++p;
    }
    while (++p < ec) {
        const auto here = static_cast<unsigned char>(pattern_[p]);
        if (here == Escape) {
            ++p;
            if (classMatch(c, static_cast<unsigned char>(pattern_[p]))) return wanted;
        } else if (pattern_[p + 1] == '-' && p + 2 < ec) {
            p += 2;
            if (here <= c && c <= static_cast<unsigned char>(pattern_[p])) return wanted;
        } else if (here == c) {
            return wanted;
        }
    }
    return !wanted;
}

bool LuaPattern::singleMatch(std::size_t s, std::size_t p, std::size_t ep) {
    step();
    if (s >= subject_.size()) return false;
    const auto c = static_cast<unsigned char>(subject_[s]);
    switch (pattern_[p]) {
        case '.':
            return true;
        case Escape:
            return classMatch(c, static_cast<unsigned char>(pattern_[p + 1]));
        case '[':
            return bracketMatch(c, p, ep - 1);
        default:
            return static_cast<unsigned char>(pattern_[p]) == c;
    }
}

std::size_t LuaPattern::maxExpand(std::size_t s, std::size_t p, std::size_t ep) {
    std::size_t count = 0;
    while (singleMatch(s + count, p, ep))
        ++count;
    // Tries the longest run first, giving back one character at a time.
    for (;;) {
        const std::size_t end = doMatch(s + count, ep + 1);
        if (end != NoMatch) return end;
        if (count == 0) return NoMatch;
        --count;
    }
}

std::size_t LuaPattern::minExpand(std::size_t s, std::size_t p, std::size_t ep) {
    for (;;) {
        const std::size_t end = doMatch(s, ep + 1);
        if (end != NoMatch) return end;
        if (!singleMatch(s, p, ep)) return NoMatch;
        ++s;
    }
}

std::size_t LuaPattern::startCapture(std::size_t s, std::size_t p, std::ptrdiff_t what) {
    if (level_ >= MaxCaptures) throw Error("too many captures");
    captures_[static_cast<std::size_t>(level_)] = {s, what};
    ++level_;
    const std::size_t end = doMatch(s, p);
    if (end == NoMatch) --level_;
    return end;
}

std::size_t LuaPattern::endCapture(std::size_t s, std::size_t p) {
    int open = level_ - 1;
    while (open >= 0 && captures_[static_cast<std::size_t>(open)].length != Unfinished)
        --open;
    if (open < 0) throw Error("invalid pattern capture");
    Capture& capture = captures_[static_cast<std::size_t>(open)];
    capture.length = static_cast<std::ptrdiff_t>(s - capture.start);
    const std::size_t end = doMatch(s, p);
    if (end == NoMatch) capture.length = Unfinished;
    return end;
}

std::size_t LuaPattern::matchBalance(std::size_t s, std::size_t p) {
    if (p + 1 >= pattern_.size()) throw Error("malformed pattern (missing arguments to '%b')");
    if (s >= subject_.size() || subject_[s] != pattern_[p]) return NoMatch;
    const char open = pattern_[p];
    const char close = pattern_[p + 1];
    int depth = 1;
    while (++s < subject_.size()) {
        step();
        if (subject_[s] == close) {
            if (--depth == 0) return s + 1;
        } else if (subject_[s] == open) {
            ++depth;
        }
    }
    return NoMatch;
}

std::size_t LuaPattern::matchBackReference(std::size_t s, char digit) {
    const int index = digit - '1';
    if (index < 0 || index >= level_ ||
        captures_[static_cast<std::size_t>(index)].length == Unfinished)
        throw Error("invalid capture index %" + std::to_string(index + 1));
    const Capture& capture = captures_[static_cast<std::size_t>(index)];
    // A position capture has no text and so matches nothing.
    if (capture.length < 0) return NoMatch;
    const auto length = static_cast<std::size_t>(capture.length);
    steps_ += length / 16;
    step();
    if (subject_.size() - s >= length &&
        subject_.substr(capture.start, length) == subject_.substr(s, length))
        return s + length;
    return NoMatch;
}

std::size_t LuaPattern::frontier(std::size_t s, std::size_t p) {
    if (p >= pattern_.size() || pattern_[p] != '[')
        throw Error("missing '[' after '%f' in pattern");
    const std::size_t ep = classEnd(p);
    const auto previous = static_cast<unsigned char>(s == 0 ? '\0' : subject_[s - 1]);
    const auto current = static_cast<unsigned char>(s < subject_.size() ? subject_[s] : '\0');
    step();
    if (!bracketMatch(previous, p, ep - 1) && bracketMatch(current, p, ep - 1)) return ep;
    return NoMatch;
}

std::size_t LuaPattern::doMatch(std::size_t s, std::size_t p) {
    if (++depth_ > MaxDepth) throw Error("pattern too complex");
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth_};
    while (p < pattern_.size()) {
        switch (pattern_[p]) {
            case '(':
                if (p + 1 < pattern_.size() && pattern_[p + 1] == ')')
                    return startCapture(s, p + 2, PositionCapture);
                return startCapture(s, p + 1, Unfinished);
            case ')':
                return endCapture(s, p + 1);
            case '$':
                if (p + 1 == pattern_.size()) return s == subject_.size() ? s : NoMatch;
                break;
            case Escape:
                if (p + 1 < pattern_.size()) {
                    const char next = pattern_[p + 1];
                    if (next == 'b') {
                        s = matchBalance(s, p + 2);
                        if (s == NoMatch) return NoMatch;
                        p += 4;
                        continue;
                    }
                    if (next == 'f') {
                        const std::size_t after = frontier(s, p + 2);
                        if (after == NoMatch) return NoMatch;
                        p = after;
                        continue;
                    }
                    if (isDigit(static_cast<unsigned char>(next))) {
                        s = matchBackReference(s, next);
                        if (s == NoMatch) return NoMatch;
                        p += 2;
                        continue;
                    }
                }
                break;
            default:
                break;
        }
        // A single character class, perhaps with a quantifier.
        const std::size_t ep = classEnd(p);
        const char quantifier = ep < pattern_.size() ? pattern_[ep] : '\0';
        if (!singleMatch(s, p, ep)) {
            if (quantifier == '*' || quantifier == '?' || quantifier == '-') {
                p = ep + 1;
                continue;
            }
            return NoMatch;
        }
        switch (quantifier) {
            case '?': {
                const std::size_t end = doMatch(s + 1, ep + 1);
                if (end != NoMatch) return end;
                p = ep + 1;
                continue;
            }
            case '+':
                return maxExpand(s + 1, p, ep);
            case '*':
                return maxExpand(s, p, ep);
            case '-':
                return minExpand(s, p, ep);
            default:
                ++s;
                p = ep;
                continue;
        }
    }
    return s;
}

}  // namespace verdo
