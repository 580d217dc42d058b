// TTextChat: the plain-text interpreter. It decodes nothing: every received line
// is handed on unchanged through OnData, and what it is asked to send goes out
// at once, without the pacing of the gateway decoder.
#pragma once

#include <string>
#include <string_view>

#include "interp/BaseInterpreter.h"

namespace verdo {

class TTextChat : public tBaseInterpreter {
  public:
    // Raises OnData with the line as it came.
    void Interpret(std::string_view line) override;
    // Sends `text` through the connection at once; dropped without one.
    void SendLine(const std::string& text) override;
};

}  // namespace verdo
