// LuaPattern: Lua's pattern matching (classes, sets, quantifiers, captures,
// %b, %f, back references, anchors) run by our own matcher, which counts its
// steps and stops at a limit. The standard library's matcher backtracks in C,
// where a script's instruction budget cannot reach it, so a pattern such as
// ".-.-.-.-b" over a long text could hold the program for hours.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace verdo {

class LuaPattern {
  public:
    static constexpr int MaxCaptures = 32;
    // The length of a position capture "()".
    static constexpr std::ptrdiff_t PositionCapture = -2;
    // The length of a capture whose ")" has not been reached.
    static constexpr std::ptrdiff_t Unfinished = -1;
    static constexpr std::size_t NoMatch = std::string_view::npos;

    // A malformed pattern; the message is Lua's own wording.
    class Error : public std::runtime_error {
      public:
        using std::runtime_error::runtime_error;
    };
    // Thrown when the matcher has taken more steps than it was allowed.
    class StepLimit : public std::exception {
      public:
        const char* what() const noexcept override { return "step limit reached"; }
    };

    struct Capture {
        std::size_t start = 0;
        std::ptrdiff_t length = 0;  // PositionCapture for "()"
    };

    // Both texts must outlive the matcher. Each elementary step counts one
    // against `stepLimit`.
    LuaPattern(std::string_view subject, std::string_view pattern, std::uint64_t stepLimit);

    // True when the pattern holds none of the special characters, so that a
    // plain search finds the same.
    static bool isPlain(std::string_view pattern);

    // The end of a match of the pattern from `patternStart` on (past a "^"
    // the caller has taken) that begins at `start`, or NoMatch.
    std::size_t matchAt(std::size_t start, std::size_t patternStart = 0);
    // The first occurrence of the pattern as plain text from `start` on, or NoMatch.
    std::size_t findPlain(std::size_t start);

    // Starts counting steps again from zero, against a new limit.
    void restart(std::uint64_t stepLimit) {
        limit_ = stepLimit;
        steps_ = 0;
    }

    int captureCount() const { return level_; }
    const Capture& capture(int index) const { return captures_[static_cast<std::size_t>(index)]; }
    std::uint64_t steps() const { return steps_; }

  private:
    static constexpr int MaxDepth = 200;

    void step();
    std::size_t doMatch(std::size_t s, std::size_t p);
    std::size_t classEnd(std::size_t p) const;
    bool singleMatch(std::size_t s, std::size_t p, std::size_t ep);
    bool bracketMatch(unsigned char c, std::size_t p, std::size_t ec) const;
    std::size_t maxExpand(std::size_t s, std::size_t p, std::size_t ep);
    std::size_t minExpand(std::size_t s, std::size_t p, std::size_t ep);
    std::size_t startCapture(std::size_t s, std::size_t p, std::ptrdiff_t what);
    std::size_t endCapture(std::size_t s, std::size_t p);
    std::size_t matchBalance(std::size_t s, std::size_t p);
    std::size_t matchBackReference(std::size_t s, char digit);
    std::size_t frontier(std::size_t s, std::size_t p);

    std::string_view subject_;
    std::string_view pattern_;
    std::uint64_t limit_;
    std::uint64_t steps_ = 0;
    int depth_ = 0;
    int level_ = 0;
    std::array<Capture, MaxCaptures> captures_{};
};

}  // namespace verdo
