// ChatFileEdits: the bot's own edits to a chat file since it was last read or
// written (owners, members, bans, exceptions, the seven switches, account
// numbers), found by comparing the settings with that state, and replayed by
// value onto the file as another program left it: an add appends the name
// unless the list holds it already (letter case ignored); a delete removes the
// first equal name and is dropped when there is none; a switch takes the
// bot's value; an account's number replaces that account's number, or is
// appended with its account.
#pragma once

#include <string>
#include <vector>

#include "engine/ChatLists.h"
#include "records/OptionSwitches.h"
#include "records/Options.h"

namespace verdo {

class ChatFileEdits {
  public:
    // The edits that turn `baseOptions` and `base` into `options` and `lists`.
    static ChatFileEdits between(const tOptions& baseOptions, const ChatLists& base,
                                 const tOptions& options, const ChatLists& lists);

    struct Count {
        std::size_t replayed = 0;
        std::size_t dropped = 0;
    };
    Count replayOnto(tOptions& options, ChatLists& lists) const;
    bool empty() const { return lists_.empty() && switches_.empty() && numbers_.empty(); }

  private:
    struct ListEdit {
        tStringList ChatLists::*list;
        bool add;
        std::string name;
    };
    struct SwitchEdit {
        const OptionField* option;
        bool on;
    };
    struct NumberEdit {
        std::string account;
        std::string number;
    };
    std::vector<ListEdit> lists_;
    std::vector<SwitchEdit> switches_;
    std::vector<NumberEdit> numbers_;
};

}  // namespace verdo
