// The users who whispered recently, oldest first, and the reply cycle of Tab
// in the entry line: "/msg <name> " for the latest whisperer, then each older
// one in turn.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace verdo {

class WhisperReplies {
  public:
    // A whisper from `user`: they move to the end of the list.
    void remember(const std::string& user);
    // Tab with `entry` in the entry line: the entry's new text, or nothing
    // when Tab leaves it alone (no whisperer, or text of the user's own).
    std::optional<std::string> cycle(const std::string& entry);

    const std::vector<std::string>& Whisperers() const { return whisperers_; }
    int ReplyIndex() const { return replyIndex_; }

  private:
    std::vector<std::string> whisperers_;
    int replyIndex_ = -1;
    std::string lastReplyText_;
};

}  // namespace verdo
