// The order in which the program's list boxes keep their entries: alphabetical
// without regard to the case of A to Z, then by the bytes, so that equal names
// in other case still have one fixed place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdo {

bool listBoxLess(std::string_view a, std::string_view b);
void sortLikeListBox(std::vector<std::string>& items);

}  // namespace verdo
