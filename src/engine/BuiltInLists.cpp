// The built-in lists and the alignment of the chat-file lists.
#include "engine/BuiltInLists.h"

#include <algorithm>

#include "platform/AnsiText.h"

namespace verdo {
namespace {

template <std::size_t N>
void fillSorted(tStringList& list, const std::array<std::string_view, N>& items) {
    list.assign(items.begin(), items.end());
    sortIgnoringCase(list);
}

void padTo(tStringList& list, std::size_t length) {
    if (list.size() < length) list.resize(length);
}

void padResponses(const tStringList& entries, tResponseLists& responses) {
    for (tStringList& alternative : responses)
        padTo(alternative, entries.size());
}

}  // namespace

void sortIgnoringCase(tStringList& list) {
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return lowerAZ(a) < lowerAZ(b);
    });
}

void FillDefaultChannels(ChatLists& lists) {
    fillSorted(lists.ChannelList, DefaultChannels);
}

void FillDefaultServers(ChatLists& lists) {
    fillSorted(lists.ServerList, DefaultServers);
}

void PadAlignedLists(ChatLists& lists) {
    padTo(lists.PasswordList, lists.NameList.size());
    padTo(lists.NumberList, lists.AccountList.size());
    padTo(lists.IntervalList, lists.TimerList.size());
    padTo(lists.CommandRes, lists.CommandList.size());
    padTo(lists.CommandLevel, lists.CommandList.size());
    padTo(lists.MacroKeys, lists.MacroList.size());
    padResponses(lists.PhraseList, lists.PhraseRes);
    padResponses(lists.WhisperList, lists.WhiserRes);
    padResponses(lists.UserJoinList, lists.UserRes);
}

}  // namespace verdo
