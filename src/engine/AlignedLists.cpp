// Editing of index-aligned list groups and the small shared list rules.
#include "engine/AlignedLists.h"

#include <algorithm>
#include <utility>

#include "platform/AnsiText.h"

namespace verdo {

AlignedLists::AlignedLists(tStringList& main, std::initializer_list<tStringList*> followers)
    : AlignedLists(main, std::vector<tStringList*>(followers)) {}

AlignedLists::AlignedLists(tStringList& main, std::vector<tStringList*> followers)
    : main_(main), followers_(std::move(followers)) {
    for (tStringList* follower : followers_) {
        if (follower->size() < main_.size()) follower->resize(main_.size());
    }
}

std::size_t AlignedLists::append(std::string entry,
                                 std::initializer_list<std::string_view> values) {
    std::vector<std::string> row{std::move(entry)};
    row.insert(row.end(), values.begin(), values.end());
    return insert(main_.size(), row);
}

std::size_t AlignedLists::insert(std::size_t index, std::span<const std::string> row) {
    index = std::min(index, main_.size());
    const auto at = static_cast<std::ptrdiff_t>(index);
    main_.insert(main_.begin() + at, row.empty() ? std::string() : row.front());
    for (std::size_t f = 0; f < followers_.size(); ++f) {
        tStringList& follower = *followers_[f];
        // A follower longer than the main list holds stray items past the end;
        // the new entry's value goes to the entry's own index.
        if (follower.size() < index) follower.resize(index);
        follower.insert(follower.begin() + at, f + 1 < row.size() ? row[f + 1] : std::string());
    }
    return index;
}

void AlignedLists::remove(std::size_t index) {
    if (index >= main_.size()) return;
    main_.erase(main_.begin() + static_cast<std::ptrdiff_t>(index));
    for (tStringList* follower : followers_)
        follower->erase(follower->begin() + static_cast<std::ptrdiff_t>(index));
}

void AlignedLists::clear() {
    main_.clear();
    for (tStringList* follower : followers_)
        follower->clear();
}

void AlignedLists::setEntry(std::size_t index, std::string_view text) {
    if (index < main_.size()) main_[index] = text;
}

void AlignedLists::setValue(std::size_t follower, std::size_t index, std::string_view text) {
    if (follower < followers_.size() && index < main_.size()) (*followers_[follower])[index] = text;
}

const std::string& AlignedLists::value(std::size_t follower, std::size_t index) const {
    return followers_.at(follower)->at(index);
}

bool moveUp(tStringList& list, std::size_t index) {
    if (index == 0 || index >= list.size()) return false;
    std::swap(list[index - 1], list[index]);
    return true;
}

bool moveDown(tStringList& list, std::size_t index) {
    if (index + 1 >= list.size()) return false;
    std::swap(list[index], list[index + 1]);
    return true;
}

bool appendNewName(tStringList& list, std::string_view text) {
    if (text.empty()) return false;
    const bool listed = std::any_of(list.begin(), list.end(), [&](const std::string& item) {
        return equalsIgnoreCaseAZ(item, text);
    });
    if (listed) return false;
    list.emplace_back(text);
    return true;
}

int commandLevelIndex(std::string_view level) {
    if (level == "0") return 0;
    if (level == "2") return 2;
    return 1;
}

}  // namespace verdo
