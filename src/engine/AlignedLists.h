// AlignedLists: one list and the lists index-aligned with it (an entry list
// with its response alternatives, timers with their intervals, commands with
// their responses and levels), edited together so that entry i of every list
// always belongs to entry i of the first. Also the rules of the plain lists the
// configuration editors share: moving an entry up or down, adding a name once.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ChatLists.h"

namespace verdo {

class AlignedLists {
  public:
    // The lists must outlive this object. Followers shorter than the main
    // list are padded with empty items, so that every entry has its values.
    AlignedLists(tStringList& main, std::initializer_list<tStringList*> followers);
    AlignedLists(tStringList& main, std::vector<tStringList*> followers);

    std::size_t size() const { return main_.size(); }
    std::size_t followerCount() const { return followers_.size(); }

    // Appends an entry with one value per follower (missing values are empty);
    // returns its index.
    std::size_t append(std::string entry, std::initializer_list<std::string_view> values);
    // Inserts a row (the entry, then one value per follower; missing values
    // are empty) before entry `index`, at the end when `index` is past it;
    // returns its index.
    std::size_t insert(std::size_t index, std::span<const std::string> row);
    // Removes entry i from every list; an index out of range changes nothing.
    void remove(std::size_t index);
    // Empties every list.
    void clear();
    // Out-of-range indexes change nothing.
    void setEntry(std::size_t index, std::string_view text);
    void setValue(std::size_t follower, std::size_t index, std::string_view text);
    const std::string& entry(std::size_t index) const { return main_.at(index); }
    const std::string& value(std::size_t follower, std::size_t index) const;

  private:
    tStringList& main_;
    std::vector<tStringList*> followers_;
};

// Swaps entry `index` with its neighbour above / below; true when it moved.
// The first entry cannot move up nor the last down.
bool moveUp(tStringList& list, std::size_t index);
bool moveDown(tStringList& list, std::size_t index);

// Appends `text` unless it is empty or already listed (letters A to Z compared
// without case); true when it was appended.
bool appendNewName(tStringList& list, std::string_view text);

// The index of a command level as the automation engine reads it: "0" anybody,
// "2" members, anything else (including "1") owners only.
int commandLevelIndex(std::string_view level);

}  // namespace verdo
