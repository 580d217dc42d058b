// ConsolePasswordInput: a password from standard input. From a pipe or file it
// is the first line; from a terminal the prompt goes to the terminal and what
// is typed is not shown, and the terminal's echo comes back however the
// reading ends (a line, end of input, an error, or a signal that ends the
// program).
#pragma once

#include <iosfwd>

#include "app/chatfile/PasswordInput.h"

namespace verdo {

class ConsolePasswordInput : public PasswordInput {
  public:
    // The longest line taken: more is no password the chat file can hold.
    static constexpr std::size_t LineLimit = 4096;

    // `in` is read when `terminal` is no terminal; `promptTo` receives the
    // prompt (the terminal, through standard error).
    ConsolePasswordInput(std::istream& in, int terminal, int promptTo);

    std::string read(std::string_view prompt, std::string& password) override;

  private:
    std::string readStream(std::string& password);
    std::string readTerminal(std::string_view prompt, std::string& password);

    std::istream& in_;
    int terminal_;
    int promptTo_;
};

}  // namespace verdo
