// Look-up, insertion and removal in the sorted channel list.
#include "engine/ChannelListEditor.h"

#include <algorithm>

#include "engine/ListBoxOrder.h"
#include "platform/AnsiText.h"

namespace verdo {

ChannelListEditor::ChannelListEditor(std::vector<std::string> channels)
    : channels_(std::move(channels)) {
    sortLikeListBox(channels_);
}

int ChannelListEditor::indexOf(std::string_view name) const {
    const auto found = std::find_if(channels_.begin(), channels_.end(), [&](const std::string& c) {
        return equalsIgnoreCaseAZ(c, name);
    });
    return found == channels_.end() ? -1 : static_cast<int>(found - channels_.begin());
}

int ChannelListEditor::startIndex(std::string_view name) const {
    if (channels_.empty()) return -1;
    return std::max(indexOf(name), 0);
}

int ChannelListEditor::add(std::string name) {
    if (const int existing = indexOf(name); existing >= 0) return existing;
    const auto place = std::upper_bound(
        channels_.begin(), channels_.end(), name,
        [](const std::string& a, const std::string& b) { return listBoxLess(a, b); });
    const auto inserted = channels_.insert(place, std::move(name));
    return static_cast<int>(inserted - channels_.begin());
}

void ChannelListEditor::remove(int index) {
    if (index < 0 || index >= static_cast<int>(channels_.size())) return;
    channels_.erase(channels_.begin() + index);
}

}  // namespace verdo
