// Random Chat.ini files and values: reading never crashes, and a value
// written is read back as written (a line break as a blank), while the keys
// the value did not touch keep their values.
#include <algorithm>
#include <cstdlib>

#include "FuzzFiles.h"
#include "platform/IniFile.h"

using namespace verdo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::resetScratch();
    const std::vector<std::string_view> parts = fuzzing::splitParts(data, size);
    if (parts.size() < 2) return 0;
    fuzzing::writeScratch("Chat.ini", parts[0]);
    IniFile ini(fuzzing::scratchFolder() / "Chat.ini");
    const std::string lastFile = ini.readString("Last File", "Last File", "None");
    const int top = ini.readInteger("Screen", "Top", 50);
    std::string value(parts[1]);
    if (!ini.writeString("Batch File", "Batch User", value)) std::abort();
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (ini.readString("Batch File", "Batch User", "") != value) std::abort();
    if (ini.readString("Last File", "Last File", "None") != lastFile) std::abort();
    if (ini.readInteger("Screen", "Top", 50) != top) std::abort();
    return 0;
}
