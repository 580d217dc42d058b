// The words the session and its views share: panes, coloured line segments,
// status panels, message kinds, answers and file-dialog requests. Kept apart
// from SessionView so that the dialogs and controls, which show them, need
// nothing of the session.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace verdo {

// Rich-text panes lines are appended to: the main chat view, the whisper pane,
// and (from 2 on) whisper windows.
using PaneId = int;
inline constexpr PaneId ChatPane = 0;
inline constexpr PaneId WhisperPane = 1;

struct ChatSegment {
    ChatSegment() = default;
    ChatSegment(std::string text_, std::uint32_t color_,
                std::optional<std::uint32_t> background_ = std::nullopt)
        : text(std::move(text_)), color(color_), background(background_) {}

    std::string text;
    std::uint32_t color = 0;
    // Behind the text; none: the pane's own background.
    std::optional<std::uint32_t> background;
};
using ChatLine = std::array<ChatSegment, 3>;

enum class StatusPanel { Step = 0, Detail = 1 };

enum class MessageKind { Information, Warning, Error };

enum class Answer { Yes, No, Cancel };
struct FileDialogRequest {
    bool save = false;  // save: asks before overwriting; open: the file must exist
    std::string title;
    std::string filter;            // "Chat Files (*.ch5)|*.ch5"
    std::string defaultExtension;  // without the dot
    std::string startFolder;       // empty: the dialog's own choice
};

}  // namespace verdo
