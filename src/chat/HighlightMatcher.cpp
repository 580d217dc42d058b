// Highlight matching (see HighlightMatcher.h).
#include "chat/HighlightMatcher.h"

#include "platform/AnsiText.h"

namespace verdo {

namespace {

// Letters, digits and the bytes of other code pages and of UTF-8 make words.
bool isWordByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b > 127;
}

char foldAZ(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalAt(std::string_view text, std::size_t at, std::string_view word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (foldAZ(text[at + i]) != foldAZ(word[i])) return false;
    }
    return true;
}

}  // namespace

bool containsWholeWordAZ(std::string_view text, std::string_view word) {
    if (word.empty() || word.size() > text.size()) return false;
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        if (!equalAt(text, at, word)) continue;
        const bool startsWord = at == 0 || !isWordByte(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end == text.size() || !isWordByte(text[end]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

void HighlightMatcher::setWords(const std::vector<std::string>& words) {
    words_.clear();
    for (const std::string& word : words) {
        if (!word.empty()) words_.push_back(word);
    }
}

bool HighlightMatcher::mentions(std::string_view text) const {
    if (containsWholeWordAZ(text, ownName_)) return true;
    for (const std::string& word : words_) {
        if (containsWholeWordAZ(text, word)) return true;
    }
    return false;
}

bool HighlightMatcher::highlights(SessionEventKind kind, std::string_view user,
                                  std::string_view text) const {
    if (kind != SessionEventKind::Talk && kind != SessionEventKind::Emote &&
        kind != SessionEventKind::WhisperReceived) {
        return false;
    }
    if (!ownName_.empty() && equalsIgnoreCaseAZ(user, ownName_)) return false;
    return mentions(text);
}

}  // namespace verdo
