// PasswordInput: where `chatfile` takes a password given as "-" instead of on
// the command line (where `ps` and the shell's history would show it).
#pragma once

#include <string>
#include <string_view>

namespace verdo {

class PasswordInput {
  public:
    virtual ~PasswordInput() = default;

    // One line without its line break into `password`, asking with `prompt`
    // where a person types it. Empty, or why no password was read (and
    // `password` is empty).
    virtual std::string read(std::string_view prompt, std::string& password) = 0;
};

}  // namespace verdo
