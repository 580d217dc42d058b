// Cuts a client's byte stream into lines with the project's LineSplitter, and
// also delivers a line whose terminator is the last byte received so far.
//
// The splitter never examines its last byte, so a client that ends a line with
// a lone CR or LF and then waits for an answer (a prompt flow, telnet) would
// wait for ever. When a chunk ends in CR or LF, one extra LF is fed after it:
// it makes the held terminator examinable and itself only ever comes out as an
// empty piece, which the splitter drops. Lines are cut to `kMaxLine` bytes. An
// empty line ended by a CR is delivered (as an empty string): a password may be
// empty.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "net/LineSplitter.h"

namespace verdo::gateway {

class LineReader {
  public:
    static constexpr std::size_t kMaxLine = 512;

    explicit LineReader(std::function<void(const std::string&)> onLine);
    void feed(std::string_view bytes);

  private:
    LineSplitter splitter_;
};

}  // namespace verdo::gateway
