// The custom user list's rules (see CustomUserList.h).
#include "chat/CustomUserList.h"

#include <algorithm>

#include "platform/AnsiText.h"

namespace verdo {

bool CustomUserList::contains(std::string_view name) const {
    return std::any_of(names_.begin(), names_.end(), [name](const std::string& listed) {
        return equalsIgnoreCaseAZ(listed, name);
    });
}

bool CustomUserList::insertNew(const std::string& name, std::optional<std::size_t> row) {
    if (name.empty() || contains(name)) return false;
    const std::size_t at = std::min(row.value_or(names_.size()), names_.size());
    names_.insert(names_.begin() + static_cast<std::ptrdiff_t>(at), name);
    return true;
}

bool CustomUserList::moveRow(std::size_t from, std::optional<std::size_t> target) {
    if (from >= names_.size() || !target || *target == from || *target > names_.size())
        return false;
    const std::string name = names_[from];
    names_.insert(names_.begin() + static_cast<std::ptrdiff_t>(*target), name);
    const std::size_t old = from >= *target ? from + 1 : from;
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(old));
    return true;
}

bool CustomUserList::removeRow(std::size_t row) {
    if (row >= names_.size()) return false;
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

bool CustomUserList::replaceRow(std::size_t row, const std::string& name) {
    if (row >= names_.size()) return false;
    names_[row] = name;
    return true;
}

}  // namespace verdo
