// Random help text and random Wine registry text: nothing may crash or hang,
// the reader's spans must cover its text, and a rewritten registry value must
// read back as written.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/HelpText.h"
#include "engine/RtfReader.h"
#include "platform/WineRegistry.h"

using namespace verdo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const RtfDocument doc = readRtf(input);
    std::size_t covered = 0;
    for (const RtfSpan& span : doc.spans) {
        if (span.start != covered || span.length == 0) std::abort();
        covered += span.length;
    }
    if (covered != doc.text.size()) std::abort();
    (void)findHelpTopic(doc.text, "The Main Chat Screen");

    constexpr std::string_view Key = "Software\\Battle.net\\Configuration";
    (void)WineRegistry::readFromText(input, Key, "Server List");
    if (const auto changed =
            WineRegistry::replaceInText(input, Key, "Server List", "b;a;\\\"c\xe9")) {
        if (WineRegistry::readFromText(*changed, Key, "Server List") != "b;a;\\\"c\xe9")
            std::abort();
    }
    return 0;
}
