// SetupValues: the working copies the configuration dialog edits (a copy of
// the options record, of the chat-file lists and of the settings-modified
// flag) and the one way they are stored back into the live record and lists.
// Only what the dialog edits is stored, so that lists changed meanwhile by
// the session (accounts tracked, macros, the custom user list, channels) keep
// their newest content.
#pragma once

#include "engine/ChatLists.h"
#include "records/Options.h"

namespace verdo {

class SetupValues {
  public:
    // Copies of everything the dialog shows, taken when it opens.
    SetupValues(const tOptions& liveOptions, const ChatLists& liveLists, bool wasModified)
        : options(liveOptions), lists(liveLists), modified(wasModified) {}

    tOptions options;
    ChatLists lists;
    bool modified;

    // Stores the dialog's fields and lists into the live record and lists:
    // every option with a control in the options table (switches as 1 or 0,
    // "Use DirectSound" always as 0), the drop-down and server lists, the
    // timer and command lists, the seven list editors' lists with their
    // response alternatives and the product actions. Nothing else changes.
    void storeTo(tOptions& target, ChatLists& targetLists) const;
};

}  // namespace verdo
