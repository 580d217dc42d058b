// HighlightMatcher: whether a line someone else sent mentions the user: the
// name the server gave at log-on, or a word of the highlight list, as a whole
// word, letters A to Z compared without case. Only what others say is looked
// at (talk, emotes, received whispers), and only its text, never the
// speaker's name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chat/SessionEvents.h"

namespace verdo {

class HighlightMatcher {
  public:
    // The name the server gave at log-on; empty before the first log-on.
    void setOwnName(std::string_view name) { ownName_ = name; }
    const std::string& ownName() const { return ownName_; }
    // Empty words are skipped.
    void setWords(const std::vector<std::string>& words);

    // `text` mentions the own name or a word of the list as a whole word: the
    // bytes around it are not letters, digits or bytes above 127.
    bool mentions(std::string_view text) const;
    // A talk line, emote or received whisper from someone other than the
    // user that mentions them.
    bool highlights(SessionEventKind kind, std::string_view user, std::string_view text) const;
    bool highlights(const SessionEvent& event) const {
        return highlights(event.kind, event.user, event.text);
    }

  private:
    std::string ownName_;
    std::vector<std::string> words_;
};

// Finds `word` in `text` as a whole word, letters A to Z without case.
bool containsWholeWordAZ(std::string_view text, std::string_view word);

}  // namespace verdo
