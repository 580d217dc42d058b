// The plain-text interpreter: raw lines in, raw lines out.
#include "interp/TextChat.h"

#include "net/ChatInterface.h"

namespace verdo {

void TTextChat::Interpret(std::string_view line) {
    if (OnData) OnData(line);
}

void TTextChat::SendLine(const std::string& text) {
    if (ChatInterface != nullptr) ChatInterface->SendString(text);
}

}  // namespace verdo
