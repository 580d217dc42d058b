// Sorting of list-box entries, letters A to Z compared without case.
#include "engine/ListBoxOrder.h"

#include <algorithm>

namespace verdo {

namespace {

unsigned char foldAZ(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

}  // namespace

bool listBoxLess(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = foldAZ(a[i]);
        const unsigned char y = foldAZ(b[i]);
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

void sortLikeListBox(std::vector<std::string>& items) {
    std::sort(items.begin(), items.end(),
              [](const std::string& a, const std::string& b) { return listBoxLess(a, b); });
}

}  // namespace verdo
