// The lists of the account information window, worked out from the
// index-aligned AccountList (user names) and NumberList (accounts): the
// distinct names or accounts, and the partners of one name or one account.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace verdo {

// Which side of the pairs a key belongs to.
enum class AccountSide { Names, Numbers };

class AccountLists {
  public:
    // Called now and then while a list is built, with the pairs done so far.
    using Progress = std::function<void(std::size_t done)>;

    // Pairs beyond the shorter list are ignored.
    AccountLists(std::vector<std::string> names, std::vector<std::string> numbers);

    std::size_t pairCount() const { return pairCount_; }

    // Every distinct entry of one side, letters A to Z compared without case;
    // the first spelling seen is kept, in the order first seen. One pass over
    // the pairs with a set of the keys seen, so it takes time linear in the pairs.
    std::vector<std::string> distinct(AccountSide side, const Progress& progress = {}) const;

    // The other side of every pair whose `side` entry equals `key`, as often
    // as such pairs occur, in list-box order. `exact` compares every byte;
    // otherwise A to Z are compared without case.
    std::vector<std::string> partners(AccountSide side, std::string_view key, bool exact) const;

    // How often `distinct` reports progress.
    static constexpr std::size_t ProgressStep = 4096;

  private:
    const std::vector<std::string>& of(AccountSide side) const {
        return side == AccountSide::Names ? names_ : numbers_;
    }

    std::vector<std::string> names_;
    std::vector<std::string> numbers_;
    std::size_t pairCount_;
};

}  // namespace verdo
