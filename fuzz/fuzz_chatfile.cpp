// Random ".ch5", ".ext" and ".usr" files through the chat-file loader, then a
// save and a second load of what was kept. Nothing may crash or hang, and the
// index-aligned lists must never be shorter than the list they belong to.
#include "FuzzFiles.h"
#include "engine/ChatFile.h"

using namespace verdo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::resetScratch();
    const std::vector<std::string_view> parts = fuzzing::splitParts(data, size);
    const char* names[] = {"bot.ch5", "bot.ext", "bot.usr"};
    for (std::size_t i = 0; i < parts.size() && i < 3; ++i)
        fuzzing::writeScratch(names[i], parts[i]);

    tOptions options;
    ChatLists lists;
    tUserList users;
    const auto path = fuzzing::scratchFolder() / "bot.ch5";
    const FileOutcome first = LoadChatFile(path, {options, lists, users});
    fuzzing::requireAligned(lists);
    if (!first.ok) return 0;

    // What was loaded survives a round trip unchanged.
    if (!SaveChatFile(path, {options, lists, users}).ok) std::abort();
    tOptions again;
    ChatLists againLists;
    tUserList againUsers;
    if (!LoadChatFile(path, {again, againLists, againUsers}).ok) std::abort();
    if (ExtFileText(againLists) != ExtFileText(lists)) std::abort();
    return 0;
}
