// Distinct lists and partner lists over the account pairs.
#include "engine/AccountLists.h"

#include <algorithm>
#include <unordered_set>

#include "engine/ListBoxOrder.h"
#include "platform/AnsiText.h"

namespace verdo {

AccountLists::AccountLists(std::vector<std::string> names, std::vector<std::string> numbers)
    : names_(std::move(names)),
      numbers_(std::move(numbers)),
      pairCount_(std::min(names_.size(), numbers_.size())) {}

std::vector<std::string> AccountLists::distinct(AccountSide side, const Progress& progress) const {
    const std::vector<std::string>& keys = of(side);
    std::unordered_set<std::string> seen;
    seen.reserve(pairCount_);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < pairCount_; ++i) {
        if (seen.insert(lowerAZ(keys[i])).second) result.push_back(keys[i]);
        if (progress && (i + 1) % ProgressStep == 0) progress(i + 1);
    }
    if (progress) progress(pairCount_);
    sortLikeListBox(result);
    return result;
}

std::vector<std::string> AccountLists::partners(AccountSide side, std::string_view key,
                                                bool exact) const {
    const std::vector<std::string>& keys = of(side);
    const std::vector<std::string>& others =
        of(side == AccountSide::Names ? AccountSide::Numbers : AccountSide::Names);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < pairCount_; ++i) {
        if (exact ? keys[i] == key : equalsIgnoreCaseAZ(keys[i], key)) result.push_back(others[i]);
    }
    sortLikeListBox(result);
    return result;
}

}  // namespace verdo
