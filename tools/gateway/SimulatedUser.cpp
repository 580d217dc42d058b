// A user without a connection (see SimulatedUser.h).
#include "SimulatedUser.h"

#include <string_view>

#include "Commands.h"

namespace verdo::gateway {

void SimulatedUser::deliver(const std::string& bytes) {
    static constexpr std::string_view kWhisper = "1004 WHISPER ";
    if (!onWhisper || bytes.rfind(kWhisper, 0) != 0) return;
    auto [from, rest] = splitWord(std::string_view(bytes).substr(kWhisper.size()));
    const std::size_t quote = rest.find('"');
    const std::size_t close = rest.rfind('"');
    if (quote == std::string::npos || close <= quote) return;
    onWhisper(from, rest.substr(quote + 1, close - quote - 1));
}

}  // namespace verdo::gateway
