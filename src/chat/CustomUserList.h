// The rules of the custom user list: the user's own ordered list of names
// under the roster, kept in the chat file. Names added here are never equal
// without regard to letter case (A to Z); editing a row may make duplicates.
// Each operation returns whether the list changed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ChatLists.h"

namespace verdo {

class CustomUserList {
  public:
    explicit CustomUserList(tStringList& names) : names_(names) {}

    const tStringList& names() const { return names_; }
    bool contains(std::string_view name) const;

    // Inserts `name` at `row` (the end for nothing or a row past the end)
    // unless it is empty or already listed.
    bool insertNew(const std::string& name, std::optional<std::size_t> row = std::nullopt);
    // Drops row `from` at `target` (nothing: outside the list; the row count:
    // below the last row) by inserting the name there and then deleting the
    // old row. Dropping a row on the row below it therefore changes nothing,
    // though the rows were rewritten.
    bool moveRow(std::size_t from, std::optional<std::size_t> target);
    // The row the moved name ends on.
    static std::size_t movedTo(std::size_t from, std::size_t target) {
        return from >= target ? target : target - 1;
    }
    bool removeRow(std::size_t row);
    // Rewrites the row's text, even when it stays the same.
    bool replaceRow(std::size_t row, const std::string& name);

  private:
    tStringList& names_;
};

}  // namespace verdo
