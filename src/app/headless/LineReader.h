// Reads lines from a file descriptor (standard input) as they arrive, inside
// the Qt event loop. Lines end at LF; a CR before it is dropped. The end of
// the input only stops the reading.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

namespace verdo {

class FdLineReader {
  public:
    // A line without an end is delivered once this many bytes are held.
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
    void deliverLines();
    void end();

    int fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::string held_;
    bool ended_ = false;
};

}  // namespace verdo
