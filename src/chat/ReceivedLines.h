// Where received lines are interpreted: the pause hands its held lines back
// here when it ends.
#pragma once

#include <string_view>

namespace verdo {

class ReceivedLines {
  public:
    virtual ~ReceivedLines() = default;

    // One received line through the decoder and, with the dump on, raw.
    virtual void interpretLine(std::string_view line) = 0;
};

}  // namespace verdo
