// Cuts a byte stream into lines, for input that a person or a simple client
// types: a line ends at LF, CR LF or a lone CR. A line end that is the last
// byte received so far is taken at once, so a client that ends a line with a
// lone CR and waits for the answer is answered; the LF of a CR LF pair that
// arrives later is then skipped. An empty line is a line (a password may be
// empty). The line end is not part of the line.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace verdo {

class LineReader {
  public:
    // What becomes of a line longer than the bound: delivered in pieces of
    // the bound (typed text loses nothing), or cut there with the rest up to
    // its end dropped (a server's input line).
    enum class LongLines { Split, Cut };

    LineReader(std::size_t maxLine, LongLines longLines,
               std::function<void(const std::string&)> onLine);

    void feed(std::string_view bytes);
    // The input ended: an unfinished last line comes out.
    void finish();
    std::size_t maxLine() const { return maxLine_; }

  private:
    void deliver();

    std::size_t maxLine_;
    LongLines longLines_;
    std::function<void(const std::string&)> onLine_;
    std::string held_;
    bool afterReturn_ = false;  // the last line ended at a CR
    bool dropping_ = false;     // the rest of a line that was cut
};

}  // namespace verdo
