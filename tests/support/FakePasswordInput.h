// A password source for tests: hands out a set answer, or a refusal, and
// records each prompt it was asked with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/chatfile/PasswordInput.h"

namespace verdo::testing {

class FakePasswordInput : public PasswordInput {
  public:
    std::string read(std::string_view prompt, std::string& password) override {
        prompts.emplace_back(prompt);
        password = refusal.empty() ? answer : std::string();
        return refusal;
    }

    std::string answer;
    std::string refusal;  // when not empty, why no password is read
    std::vector<std::string> prompts;
};

}  // namespace verdo::testing
