// Random older files: a chat file in the companion layout (no ".ext") and the
// version-4 list files merged by the import. Nothing may crash or hang, and
// the index-aligned lists must never be shorter than the list they belong to.
#include <array>

#include "FuzzFiles.h"
#include "engine/ChatFile.h"
#include "engine/Import.h"

using namespace verdo;

namespace {

constexpr std::array<const char*, 16> CompanionFiles = {
    "bot.pr1", "bot.wr2", "bot.ur3", "bot.cm",  "bot.pro", "bot.ujn", "bot.tim", "bot.int",
    "bot.phr", "bot.whi", "bot.nam", "bot.pwd", "bot.act", "bot.num", "bot.srv", "bot.cls"};

constexpr std::array<const char*, 12> Version4Files = {
    "oldaccount.txt", "oldnumber.txt",   "oldtimer.txt",     "oldinterval.txt",
    "oldjoin.txt",    "olduserres2.txt", "oldphrase.txt",    "oldres1.txt",
    "oldres3.txt",    "oldwhisper.txt",  "oldwhispres1.txt", "oldban.txt"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::resetScratch();
    const std::vector<std::string_view> parts = fuzzing::splitParts(data, size);
    fuzzing::writeScratch("bot.ch5", std::string(tOptions::Size, '\0'));
    std::size_t next = 0;
    for (const char* name : CompanionFiles) {
        if (next < parts.size()) fuzzing::writeScratch(name, parts[next++]);
    }
    for (const char* name : Version4Files) {
        if (next < parts.size()) fuzzing::writeScratch(name, parts[next++]);
    }

    tOptions options;
    ChatLists lists;
    tUserList users;
    LoadChatFile(fuzzing::scratchFolder() / "bot.ch5", {options, lists, users});
    fuzzing::requireAligned(lists);
    ImportVersion4(fuzzing::scratchFolder() / "old", lists);
    fuzzing::requireAligned(lists);
    ImportVersion4(fuzzing::scratchFolder() / "old", lists);
    fuzzing::requireAligned(lists);
    return 0;
}
