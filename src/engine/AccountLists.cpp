// Distinct lists and partner lists over the account pairs.
#include "engine/AccountLists.h"

#include <algorithm>
#include <cstdint>

#include "engine/ListBoxOrder.h"
#include "platform/AnsiText.h"

namespace verdo {

namespace {

// FNV-1a over the bytes with A to Z folded to lower case.
std::uint32_t hashIgnoreCaseAZ(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z') byte = static_cast<unsigned char>(byte + ('a' - 'A'));
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

}  // namespace

AccountLists::AccountLists(std::vector<std::string> names, std::vector<std::string> numbers)
    : names_(std::move(names)),
      numbers_(std::move(numbers)),
      pairCount_(std::min(names_.size(), numbers_.size())) {}

std::vector<std::string> AccountLists::distinct(AccountSide side, const Progress& progress) const {
    const std::vector<std::string>& keys = of(side);
    // Open addressing over (hash, index of the first spelling): the table stays
    // small enough to sit in the cache, and no key is copied.
    unsigned bits = 4;
    while (bits < 32 && (std::size_t{1} << bits) < pairCount_ * 2)
        ++bits;
    const std::size_t capacity = std::size_t{1} << bits;
    struct Slot {
        std::uint32_t hash;
        std::uint32_t index;  // 0 = empty, else index + 1
    };
    std::vector<Slot> table(capacity, Slot{0, 0});
    std::vector<std::string> result;
    for (std::size_t i = 0; i < pairCount_; ++i) {
        const std::uint32_t hash = hashIgnoreCaseAZ(keys[i]);
        // Fibonacci hashing spreads the neighbouring hashes of similar names.
        std::size_t at = static_cast<std::uint32_t>(hash * 2654435769u) >> (32 - bits);
        while (true) {
            Slot& slot = table[at];
            if (slot.index == 0) {
                slot = {hash, static_cast<std::uint32_t>(i + 1)};
                result.push_back(keys[i]);
                break;
            }
            if (slot.hash == hash && equalsIgnoreCaseAZ(keys[slot.index - 1], keys[i])) break;
            at = (at + 1) & (capacity - 1);
        }
        if (progress && (i + 1) % ProgressStep == 0) progress(i + 1);
    }
    if (progress) progress(pairCount_);
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
