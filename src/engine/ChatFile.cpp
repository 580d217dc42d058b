// Loading and saving chat files (see ChatFile.h).
#include "engine/ChatFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/BuiltInLists.h"
#include "engine/CommandTable.h"
#include "engine/Import.h"
#include "engine/TextLines.h"
#include "platform/AnsiText.h"
#include "platform/ReadFile.h"
#include "platform/SafeFile.h"

namespace verdo {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> ResponseKeys[] = {
    {"WhiserRes1=", "PhraseRes1=", "UserRes1="},
    {"WhiserRes2=", "PhraseRes2=", "UserRes2="},
    {"WhiserRes3=", "PhraseRes3=", "UserRes3="}};

// In the order of ProductActionCodes.
constexpr std::array<std::string_view, 8> ProductActionKeys = {
    "ChatAction=",        "StarAction=",    "StarShareAction=", "DiabloAction=",
    "DiabloShareAction=", "War2bneAction=", "Diablo2Action=",   "BroodwarAction="};

// One key of the ".ext" file and what it fills: a list, or a product action.
struct ExtRow {
    std::string_view key;
    tStringList* list = nullptr;
    std::string* action = nullptr;
};

std::vector<ExtRow> extRows(ChatLists& l) {
    std::vector<ExtRow> rows = {
        {"UserDef=", &l.UserDef},           {"NameList=", &l.NameList},
        {"PasswordList=", &l.PasswordList}, {"ServerList=", &l.ServerList},
        {"HomeList=", &l.HomeList},         {"ChannelList=", &l.ChannelList},
        {"OwnerList=", &l.OwnerList},       {"MemberList=", &l.MemberList},
        {"AccountList=", &l.AccountList},   {"NumberList=", &l.NumberList},
        {"PhraseList=", &l.PhraseList},     {"WhisperList=", &l.WhisperList},
        {"BanList=", &l.BanList},           {"NoBanList=", &l.NoBanList},
        {"UserJoinList=", &l.UserJoinList}, {"TimerList=", &l.TimerList},
        {"IntervalList=", &l.IntervalList}, {"CommandList=", &l.CommandList},
        {"CommandRes=", &l.CommandRes},     {"CommandLevel=", &l.CommandLevel},
        {"MacroList=", &l.MacroList},       {"MacroKeys=", &l.MacroKeys},
    };
    for (std::size_t n = 0; n < 3; ++n) {
        rows.push_back({ResponseKeys[n][0], &l.WhiserRes[n]});
        rows.push_back({ResponseKeys[n][1], &l.PhraseRes[n]});
        rows.push_back({ResponseKeys[n][2], &l.UserRes[n]});
    }
    for (std::size_t i = 0; i < ProductActionKeys.size(); ++i)
        rows.push_back({ProductActionKeys[i], nullptr, &l.ProductActions[i]});
    return rows;
}

// Every key ends in its only "=", so a line belongs to the key whose name is
// the text before the line's first "=". Lines of one key come together, so
// the key of the previous line is tried first.
void readExtLine(std::string_view line, const std::vector<ExtRow>& rows, std::size_t& last) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = line.substr(0, equals + 1);
    if (!equalsIgnoreCaseAZ(rows[last].key, key)) {
        const auto found = std::find_if(rows.begin(), rows.end(), [key](const ExtRow& row) {
            return equalsIgnoreCaseAZ(row.key, key);
        });
        if (found == rows.end()) return;
        last = static_cast<std::size_t>(found - rows.begin());
    }
    const ExtRow& row = rows[last];
    const std::string_view value = line.substr(equals + 1);
    if (row.list != nullptr)
        row.list->emplace_back(value);
    else
        row.action->assign(value);
}

void readExtText(std::string_view text, ChatLists& lists) {
    const std::vector<ExtRow> rows = extRows(lists);
    std::size_t last = 0;
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at < end) {
        const char* stop = at;
        while (stop < end && *stop != '\r' && *stop != '\n')
            ++stop;
        readExtLine(std::string_view(at, static_cast<std::size_t>(stop - at)), rows, last);
        at = stop + 1;
        if (stop < end && *stop == '\r' && at < end && *at == '\n') ++at;
    }
}

// Older files lack the later switches and time-outs; "6.20" is stored after.
bool upgradeVersion(tOptions& options) {
    const std::string version = options.formatVersion();
    const bool older = version < std::string("6.02");
    if (older) {
        for (std::size_t i = 0; i < tOptions::ReservedSwitchCount; ++i)
            options.setReservedSwitch(i, true);
    }
    if (version < std::string("6.03")) {
        options.setConnectionTimeout(5);
        options.setLoginTimeout(20);
        options.setAcceptIncomingSounds(true);
        options.setPlaySoundsLocally(true);
    }
    options.setFormatVersion(OptionsFormatVersion);
    return older;
}

// "PATH: why", the reason a load names after its message.
std::string failure(const fs::path& path, std::string_view why) {
    return path.string() + ": " + std::string(why);
}

// The record is only taken when all 4096 bytes are there; `why` gets the
// reason otherwise.
bool readRecord(const fs::path& path, tOptions& options, std::string& why) {
    std::string bytes;
    std::string reason;
    switch (readRegularFile(path, bytes, &reason)) {
        case ReadStatus::Missing:
            why = failure(path, "no such file");
            return false;
        case ReadStatus::Failed:
            why = failure(path, reason);
            return false;
        case ReadStatus::Read:
            break;
    }
    if (bytes.size() < tOptions::Size) {
        why = failure(path, std::to_string(bytes.size()) + " bytes, a chat file has " +
                                std::to_string(tOptions::Size));
        return false;
    }
    std::memcpy(options.data(), bytes.data(), tOptions::Size);
    return true;
}

bool readLists(const fs::path& base, ChatLists& lists, std::string& why) {
    const fs::path ext = companionPath(base, ".ext");
    std::string text;
    std::string reason;
    switch (readRegularFile(ext, text, &reason)) {
        case ReadStatus::Missing:
            if (LoadCompanionFiles(base, lists)) return true;
            why = failure(companionPath(base, ".*"),
                          "an older companion file cannot be read, or the product actions "
                          "file has fewer than eight lines");
            return false;
        case ReadStatus::Failed:
            why = failure(ext, reason);
            return false;
        case ReadStatus::Read:
            break;
    }
    for (tStringList* list : {&lists.CommandList, &lists.CommandRes, &lists.CommandLevel,
                              &lists.ServerList, &lists.HomeList, &lists.ChannelList})
        list->clear();
    readExtText(text, lists);
    return true;
}

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key);
    out.append(value);
    out.append("\r\n");
}

void deleteCompanionFiles(const fs::path& base) {
    std::error_code ignored;
    for (const char digit : {'1', '2', '3'}) {
        for (const std::string_view stem : {".pr", ".wr", ".ur"})
            fs::remove(companionPath(base, std::string(stem) + digit), ignored);
    }
    for (const std::string_view suffix :
         {".cm",  ".cmd", ".pro", ".ujn", ".tim", ".int", ".ban", ".own", ".mem", ".nbn",
          ".phr", ".whi", ".cus", ".nam", ".pwd", ".act", ".num", ".srv", ".chn", ".cls"})
        fs::remove(companionPath(base, suffix), ignored);
}

}  // namespace

fs::path ChatFileBaseName(const fs::path& path) {
    std::string text = path.string();
    text.erase(std::remove(text.begin(), text.end(), '*'), text.end());
    const std::size_t nameStart = text.find_last_of('/') + 1;  // npos + 1 == 0
    const std::size_t dot = text.rfind('.');
    if (dot != std::string::npos && dot >= nameStart) text.erase(dot);
    return text;
}

std::string NewChatFileNameProblem(const fs::path& path) {
    if (path.string().find('*') == std::string::npos) return {};
    return path.string() + ": a chat file's name cannot hold \"*\"";
}

fs::path companionPath(const fs::path& base, std::string_view suffix) {
    fs::path result = base;
    result += std::string(suffix);
    return result;
}

ChatFileStamps StampsOfChatFile(const fs::path& path) {
    const fs::path base = ChatFileBaseName(path);
    return {FileStamp::of(path), FileStamp::of(companionPath(base, ".ext")),
            FileStamp::of(companionPath(base, ".usr"))};
}

std::uintmax_t ChatFileSize(const fs::path& path) {
    std::uintmax_t total = 0;
    for (const FileStamp& stamp : StampsOfChatFile(path))
        total += stamp.size;
    return total;
}

std::vector<std::string_view> ExtFileKeys() {
    ChatLists scratch;
    std::vector<std::string_view> keys;
    for (const ExtRow& row : extRows(scratch))
        keys.push_back(row.key);
    return keys;
}

std::string ExtFileText(ChatLists& lists) {
    const std::vector<ExtRow> rows = extRows(lists);
    std::size_t size = 0;
    for (const ExtRow& row : rows) {
        if (row.list == nullptr) continue;
        for (const std::string& item : *row.list)
            size += row.key.size() + item.size() + 2;
    }
    std::string out;
    out.reserve(size + 512);
    for (const ExtRow& row : rows) {
        if (row.action != nullptr) {
            appendLine(out, row.key, *row.action);
            continue;
        }
        for (const std::string& item : *row.list)
            appendLine(out, row.key, item);
    }
    return out;
}

void ClearChatLists(ChatLists& lists) {
    for (tResponseLists* group : {&lists.PhraseRes, &lists.WhiserRes, &lists.UserRes}) {
        for (tStringList& alternative : *group)
            alternative.clear();
    }
    FillBuiltInCommands(lists);
    lists.ProductActions.fill(std::string(NoProductAction));
    for (tStringList* list :
         {&lists.UserJoinList, &lists.TimerList, &lists.IntervalList, &lists.BanList,
          &lists.OwnerList, &lists.MemberList, &lists.NoBanList, &lists.PhraseList,
          &lists.WhisperList, &lists.UserDef, &lists.NameList, &lists.PasswordList,
          &lists.AccountList, &lists.NumberList, &lists.MacroList, &lists.MacroKeys})
        list->clear();
}

void NewChatLists(ChatLists& lists) {
    ClearChatLists(lists);
    lists.HomeList.clear();
    FillDefaultServers(lists);
    FillDefaultChannels(lists);
}

void NewChatFile(ChatFileData data) {
    data.options = tOptions();
    ResetOptions(data.options, data.lists.ProductActions);
    NewChatLists(data.lists);
    data.users.Clear();
}

// Everything is read into a fresh set first; the caller's settings are
// replaced only when every file that exists was read whole, so a failed load
// changes nothing.
FileOutcome LoadChatFile(const fs::path& path, ChatFileData data) {
    FileOutcome outcome;
    const fs::path base = ChatFileBaseName(path);
    tOptions options;
    ChatLists lists;
    tUserList users;
    std::string why;
    if (!readRecord(path, options, why)) {
        outcome.fail(std::string(LoadErrorText) + path.string() + " (" + why + ")");
    } else {
        ClearChatLists(lists);
        if (!readLists(base, lists, why))
            outcome.fail(std::string(LoadErrorText) + path.string() + " (" + why + ")");
    }
    const fs::path usr = companionPath(base, ".usr");
    if (!users.LoadFromFile(usr, &why))
        outcome.fail(std::string(UserLoadErrorText) + " (" + failure(usr, why) + ")");
    if (!outcome.ok) return outcome;
    outcome.upgraded = upgradeVersion(options);
    PadAlignedLists(lists);
    data.options = options;
    data.lists = std::move(lists);
    data.users = std::move(users);
    return outcome;
}

// The three files are written as one (see writeFilesSafely): the user file
// first and the record last, so a crash between two renames leaves at worst
// new lists beside the old record, never a record without its lists.
FileOutcome SaveChatFile(const fs::path& path, const ChatFileData& data) {
    FileOutcome outcome;
    const fs::path base = ChatFileBaseName(path);
    const std::string users = data.users.FileBytes();
    const std::string lists = ExtFileText(data.lists);
    const std::string_view record(reinterpret_cast<const char*>(data.options.data()),
                                  tOptions::Size);
    const SafeWrite writes[] = {
        {companionPath(base, ".usr"), users}, {companionPath(base, ".ext"), lists}, {path, record}};
    std::string why;
    if (!writeFilesSafely(writes, FileAccess::OwnerOnly, &why)) {
        outcome.fail(std::string(SaveErrorText) + path.string() + " (" + why + ")");
        outcome.fail(std::string(UserSaveErrorText));
        return outcome;
    }
    // Only now is the ".ext" file the one copy of the lists.
    deleteCompanionFiles(base);
    return outcome;
}

}  // namespace verdo
