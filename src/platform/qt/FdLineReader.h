// Reads lines from a file descriptor (standard input) as they arrive, inside
// the Qt event loop, cut as LineReader cuts them. The end of the input only
// stops the reading.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

#include "platform/LineReader.h"

namespace verdo {

class FdLineReader {
  public:
    // A longer line comes out in pieces of this many bytes.
    static constexpr std::size_t MaxLine = 4096;

    explicit FdLineReader(int fd);
    FdLineReader(const FdLineReader&) = delete;
    FdLineReader& operator=(const FdLineReader&) = delete;

    std::function<void(const std::string&)> OnLine;
    // The input ended (or failed); an unfinished last line came before.
    std::function<void()> OnEnd;
    bool ended() const { return ended_; }

  private:
    void readAvailable();
    void end();

    int fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    LineReader lines_;
    bool ended_ = false;
};

}  // namespace verdo
