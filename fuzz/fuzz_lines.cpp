// Feeds random bytes in random chunks through the line splitter and the gateway
// decoder. A delivered line must be non-empty and free of CR and LF; nothing may
// crash, hang or read outside the line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "interp/BnetChat.h"
#include "net/LineSplitter.h"
#include "support/FakeTimer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    verdo::TBnetChat decoder(std::make_unique<verdo::testing::FakeTimer>());
    std::size_t events = 0;
    decoder.OnTalk = [&](std::string_view user, std::string_view mess) {
        events += user.size() + mess.size();
    };
    decoder.OnShowUser = [&](std::string_view user, std::string_view flags,
                             std::string_view product) {
        if (flags.size() > 4 || product.size() > 4) std::abort();
        events += user.size();
    };
    decoder.OnUnHandled = [&](std::string_view line) { events += line.size(); };

    verdo::LineSplitter splitter;
    splitter.onLine = [&](std::string_view line) {
        if (line.empty() || line.find_first_of("\r\n") != std::string_view::npos) std::abort();
        decoder.Interpret(line);
    };
    // The first byte of each chunk chooses the chunk's length.
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = 1 + data[at] % 64;
        ++at;
        const std::size_t take = length < size - at ? length : size - at;
        splitter.feed(std::string_view(reinterpret_cast<const char*>(data + at), take));
        at += take;
    }
    return events == static_cast<std::size_t>(-1);
}
