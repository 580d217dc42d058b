// Finding and replaying the bot's own edits (see ChatFileEdits.h).
#include "engine/ChatFileEdits.h"

#include <algorithm>

#include "platform/AnsiText.h"

namespace verdo {
namespace {

// The lists the bot changes by itself (remote commands).
constexpr tStringList ChatLists::*EditedLists[] = {&ChatLists::OwnerList, &ChatLists::MemberList,
                                                   &ChatLists::BanList, &ChatLists::NoBanList};

// The items of `from` left after taking away one equal item of `taken` for
// each of its items, letter case ignored, in the order of `from`.
tStringList without(const tStringList& from, const tStringList& taken) {
    std::vector<bool> used(taken.size(), false);
    tStringList rest;
    for (const std::string& item : from) {
        bool matched = false;
        for (std::size_t i = 0; i < taken.size() && !matched; ++i) {
            if (!used[i] && equalsIgnoreCaseAZ(taken[i], item)) used[i] = matched = true;
        }
        if (!matched) rest.push_back(item);
    }
    return rest;
}

std::ptrdiff_t indexOf(const tStringList& list, const std::string& name) {
    const auto at = std::find_if(list.begin(), list.end(), [&name](const std::string& item) {
        return equalsIgnoreCaseAZ(item, name);
    });
    return at == list.end() ? -1 : at - list.begin();
}

std::string numberOf(const ChatLists& lists, std::size_t index) {
    return index < lists.NumberList.size() ? lists.NumberList[index] : std::string();
}

}  // namespace

ChatFileEdits ChatFileEdits::between(const tOptions& baseOptions, const ChatLists& base,
                                     const tOptions& options, const ChatLists& lists) {
    ChatFileEdits edits;
    for (tStringList ChatLists::*list : EditedLists) {
        for (const std::string& gone : without(base.*list, lists.*list))
            edits.lists_.push_back({list, false, gone});
        for (const std::string& added : without(lists.*list, base.*list))
            edits.lists_.push_back({list, true, added});
    }
    for (const OptionField* option : OptionSwitches::remote()) {
        const bool on = option->isOn(options.data());
        if (on != option->isOn(baseOptions.data())) edits.switches_.push_back({option, on});
    }
    for (std::size_t i = 0; i < lists.AccountList.size(); ++i) {
        const std::string& account = lists.AccountList[i];
        const std::ptrdiff_t before = indexOf(base.AccountList, account);
        const std::string number = numberOf(lists, i);
        if (before < 0 || numberOf(base, static_cast<std::size_t>(before)) != number)
            edits.numbers_.push_back({account, number});
    }
    return edits;
}

ChatFileEdits::Count ChatFileEdits::replayOnto(tOptions& options, ChatLists& lists) const {
    Count count;
    for (const ListEdit& edit : lists_) {
        tStringList& list = lists.*edit.list;
        const std::ptrdiff_t at = indexOf(list, edit.name);
        if (edit.add) {
            if (at < 0) list.push_back(edit.name);
            ++count.replayed;  // the name is in the list either way
        } else if (at >= 0) {
            list.erase(list.begin() + at);
            ++count.replayed;
        } else {
            ++count.dropped;
        }
    }
    for (const SwitchEdit& edit : switches_) {
        edit.option->setOn(options.data(), edit.on);
        ++count.replayed;
    }
    for (const NumberEdit& edit : numbers_) {
        const std::ptrdiff_t at = indexOf(lists.AccountList, edit.account);
        if (at >= 0) {
            if (lists.NumberList.size() <= static_cast<std::size_t>(at))
                lists.NumberList.resize(static_cast<std::size_t>(at) + 1);
            lists.NumberList[static_cast<std::size_t>(at)] = edit.number;
        } else {
            lists.NumberList.resize(lists.AccountList.size());
            lists.AccountList.push_back(edit.account);
            lists.NumberList.push_back(edit.number);
        }
        ++count.replayed;
    }
    return count;
}

}  // namespace verdo
