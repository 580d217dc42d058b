// Editing of index-aligned list groups and the small shared list rules.
#include "engine/AlignedLists.h"

#include <algorithm>
#include <utility>

#include "platform/AnsiText.h"

namespace verdo {

AlignedLists::AlignedLists(tStringList& main, std::initializer_list<tStringList*> followers)
    : main_(main), followers_(followers) {
    for (tStringList* follower : followers_) {
        if (follower->size() < main_.size()) follower->resize(main_.size());
    }
}

std::size_t AlignedLists::append(std::string entry,
                                 std::initializer_list<std::string_view> values) {
    const std::size_t index = main_.size();
    main_.push_back(std::move(entry));
    auto value = values.begin();
    for (tStringList* follower : followers_) {
        // A follower longer than the main list holds stray items past the end;
        // the new entry's value goes to the entry's own index.
        if (follower->size() < index) follower->resize(index);
        const std::string text = value != values.end() ? std::string(*value++) : std::string();
        follower->insert(follower->begin() + static_cast<std::ptrdiff_t>(index), text);
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
