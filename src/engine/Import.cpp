// Readers of the older storage layouts (see Import.h).
#include "engine/Import.h"

#include <algorithm>

#include "engine/BuiltInLists.h"
#include "engine/ChatFile.h"
#include "engine/TextLines.h"
#include "platform/AnsiText.h"
#include "platform/ReadFile.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t ProductActionLines = 8;

// Reads one companion file into `lines`; false on a read failure.
bool readCompanion(const fs::path& base, std::string_view suffix, ReadStatus& status,
                   tStringList& lines) {
    std::string contents;
    status = readRegularFile(companionPath(base, suffix), contents);
    if (status == ReadStatus::Read) lines = splitTextLines(contents);
    return status != ReadStatus::Failed;
}

// A file that replaces its list when present.
bool replaceFrom(const fs::path& base, std::string_view suffix, tStringList& list) {
    ReadStatus status{};
    tStringList lines;
    if (!readCompanion(base, suffix, status, lines)) return false;
    if (status == ReadStatus::Read) list = std::move(lines);
    return true;
}

// Groups of command, response and level; an incomplete last group is dropped
// and read errors are ignored.
void readCommands(const fs::path& base, ChatLists& lists) {
    ReadStatus status{};
    tStringList lines;
    if (!readCompanion(base, ".cm", status, lines) || status != ReadStatus::Read) return;
    lists.CommandList.clear();
    lists.CommandRes.clear();
    lists.CommandLevel.clear();
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        lists.CommandList.push_back(std::move(lines[i]));
        lists.CommandRes.push_back(std::move(lines[i + 1]));
        lists.CommandLevel.push_back(std::move(lines[i + 2]));
    }
}

bool readProductActions(const fs::path& base, ChatLists& lists) {
    ReadStatus status{};
    tStringList lines;
    if (!readCompanion(base, ".pro", status, lines)) return false;
    if (status == ReadStatus::Missing) return true;
    if (lines.size() < ProductActionLines) return false;
    std::move(lines.begin(), lines.begin() + ProductActionLines, lists.ProductActions.begin());
    return true;
}

bool readResponseFiles(const fs::path& base, ChatLists& lists) {
    for (std::size_t n = 0; n < 3; ++n) {
        const std::string digit = std::to_string(n + 1);
        if (!replaceFrom(base, ".pr" + digit, lists.PhraseRes[n]) ||
            !replaceFrom(base, ".wr" + digit, lists.WhiserRes[n]) ||
            !replaceFrom(base, ".ur" + digit, lists.UserRes[n]))
            return false;
    }
    return true;
}

// A list with a built-in content that stands in for its missing file.
bool replaceOrBuiltIn(const fs::path& base, std::string_view suffix, tStringList& list,
                      ChatLists& lists, void (*fillBuiltIn)(ChatLists&)) {
    ReadStatus status{};
    tStringList lines;
    if (!readCompanion(base, suffix, status, lines)) return false;
    if (status == ReadStatus::Read)
        list = std::move(lines);
    else
        fillBuiltIn(lists);
    return true;
}

bool readPlainLists(const fs::path& base, ChatLists& l) {
    const std::pair<std::string_view, tStringList*> files[] = {
        {".ujn", &l.UserJoinList}, {".tim", &l.TimerList},  {".int", &l.IntervalList},
        {".ban", &l.BanList},      {".own", &l.OwnerList},  {".mem", &l.MemberList},
        {".nbn", &l.NoBanList},    {".phr", &l.PhraseList}, {".whi", &l.WhisperList},
        {".cus", &l.UserDef},      {".nam", &l.NameList},   {".pwd", &l.PasswordList},
        {".act", &l.AccountList},  {".num", &l.NumberList}};
    return std::all_of(std::begin(files), std::end(files), [&base](const auto& file) {
        return replaceFrom(base, file.first, *file.second);
    });
}

void addMissing(const tStringList& items, tStringList& target) {
    for (const std::string& item : items) {
        const bool present =
            std::any_of(target.begin(), target.end(),
                        [&item](const std::string& t) { return equalsIgnoreCaseAZ(t, item); });
        if (!present) target.push_back(item);
    }
}

void appendAll(tStringList items, tStringList& target) {
    target.insert(target.end(), std::make_move_iterator(items.begin()),
                  std::make_move_iterator(items.end()));
}

tStringList versionFile(const fs::path& prefix, std::string_view name) {
    fs::path path = prefix;
    path += std::string(name);
    return readLinesOrNothing(path);
}

enum class Merge { AddMissing, AppendAll };

struct Version4File {
    std::string name;
    tStringList* list;
    Merge merge;
};

// The version-4 files in the order they are merged.
std::vector<Version4File> version4Files(ChatLists& l) {
    std::vector<Version4File> files = {{"ban.txt", &l.NoBanList, Merge::AddMissing},
                                       {"userban.txt", &l.BanList, Merge::AddMissing},
                                       {"account.txt", &l.AccountList, Merge::AppendAll},
                                       {"number.txt", &l.NumberList, Merge::AppendAll},
                                       {"channel.txt", &l.ChannelList, Merge::AddMissing},
                                       {"interval.txt", &l.IntervalList, Merge::AppendAll},
                                       {"timer.txt", &l.TimerList, Merge::AppendAll},
                                       {"join.txt", &l.UserJoinList, Merge::AppendAll}};
    const auto addResponses = [&files](std::string_view stem, tResponseLists& responses) {
        for (std::size_t n = 0; n < responses.size(); ++n)
            files.push_back({std::string(stem) + std::to_string(n + 1) + ".txt", &responses[n],
                             Merge::AppendAll});
    };
    addResponses("userres", l.UserRes);
    files.push_back({"owner.txt", &l.OwnerList, Merge::AddMissing});
    files.push_back({"phrase.txt", &l.PhraseList, Merge::AppendAll});
    addResponses("res", l.PhraseRes);
    files.push_back({"userdef.txt", &l.UserDef, Merge::AddMissing});
    files.push_back({"whisper.txt", &l.WhisperList, Merge::AppendAll});
    addResponses("whispres", l.WhiserRes);
    return files;
}

}  // namespace

bool LoadCompanionFiles(const fs::path& base, ChatLists& lists) {
    if (!readResponseFiles(base, lists)) return false;
    readCommands(base, lists);
    if (!readProductActions(base, lists) || !readPlainLists(base, lists)) return false;
    if (!replaceOrBuiltIn(base, ".srv", lists.ServerList, lists, FillDefaultServers)) return false;
    lists.HomeList.clear();
    if (!replaceFrom(base, ".chn", lists.HomeList)) return false;
    return replaceOrBuiltIn(base, ".cls", lists.ChannelList, lists, FillDefaultChannels);
}

void ImportVersion4(const fs::path& prefix, ChatLists& lists) {
    // Aligned lists before the merge put line i of an entry file beside line
    // i of its partner files.
    PadAlignedLists(lists);
    for (const Version4File& file : version4Files(lists)) {
        tStringList items = versionFile(prefix, file.name);
        if (file.merge == Merge::AddMissing)
            addMissing(items, *file.list);
        else
            appendAll(std::move(items), *file.list);
    }
    PadAlignedLists(lists);
}

}  // namespace verdo
