// The channel list as the channel dialog keeps it: in list-box order, each
// channel at most once (letters A to Z compared without case) when added.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdo {

class ChannelListEditor {
  public:
    // The list as stored, put into list-box order; entries already there twice stay.
    explicit ChannelListEditor(std::vector<std::string> channels);

    const std::vector<std::string>& channels() const { return channels_; }
    // The entry equal to `name` without regard to case; -1 when there is none.
    int indexOf(std::string_view name) const;
    // The entry to start with: the one equal to `name`, else the first; -1 for an empty list.
    int startIndex(std::string_view name) const;
    // Inserts `name` in its place unless the list holds it in any case; returns
    // the index of the new or the existing entry.
    int add(std::string name);
    // An index out of range is ignored.
    void remove(int index);
    void clear() { channels_.clear(); }

  private:
    std::vector<std::string> channels_;
};

}  // namespace verdo
