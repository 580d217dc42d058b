// Random whois answers through the account tracking, some shaped as the two
// answers it reads, on lists that may start uneven (a damaged chat file). After
// an account line its pair is stored once at one index of both lists and both
// reports find it; a line seen again changes nothing; other lines never touch
// the lists.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AccountTracking.h"
#include "platform/AnsiText.h"
#include "support/FakeEngineHost.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// The text of each shown line.
std::vector<std::string> shown(const verdo::testing::FakeEngineHost& host) {
    return host.shownText();
}

// The entries listed under `heading`: the lines after it up to the next
// heading.
std::vector<std::string> listedUnder(const std::vector<std::string>& lines,
                                     std::string_view heading) {
    std::vector<std::string> entries;
    bool inside = false;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] != ' ') {
            if (inside) break;
            inside = line == heading;
            continue;
        }
        if (inside) entries.push_back(line);
    }
    return entries;
}

bool listsAnything(const std::vector<std::string>& entries) {
    return !entries.empty() && entries.front() != "    None";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    verdo::testing::FakeEngineHost host;
    verdo::AccountTracking tracking(host);
    auto& accounts = host.lists_.AccountList;
    auto& numbers = host.lists_.NumberList;

    // Parts separated by LF; the first byte of a part says what it becomes.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string_view::npos) end = input.size();
        const std::string_view part = input.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        const unsigned kind = static_cast<unsigned char>(part[0]) % 5;
        std::string body(part.substr(1));
        const std::size_t blank = body.find(' ');
        const std::string name = body.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : body.substr(blank + 1);
        std::string line;
        switch (kind) {
            case 0:  // a surplus entry of a damaged file
                (body.size() % 2 ? accounts : numbers).push_back(name);
                continue;
            case 1:
                line = name + " is logged on from account #" + rest + ".";
                break;
            case 2:
                line = name + " IS LOGGED ON FROM ACCOUNT " + rest;
                break;
            case 3:
                line = name + " is logged on through a gateway" + rest;
                break;
            default:
                line = body;
                break;
        }

        const auto accountsBefore = accounts;
        const auto numbersBefore = numbers;
        host.shown.clear();
        host.modified = false;
        tracking.TrackWhoisLine(line);
        const auto lines = shown(host);
        for (const auto& segments : host.shown)
            require(!segments.empty());

        const std::string lowered = verdo::lowerAZ(line);
        if (lowered.find("is logged on from account") != std::string::npos) {
            // A known pair changes nothing; a new one is stored at one index
            // after the lists are evened out. What was there stays.
            const std::size_t longer = std::max(accountsBefore.size(), numbersBefore.size());
            const bool known =
                accounts.size() == accountsBefore.size() && numbers.size() == numbersBefore.size();
            require(known || (accounts.size() == longer + 1 && numbers.size() == longer + 1));
            require(known != host.modified);
            for (std::size_t i = 0; i < accountsBefore.size(); ++i)
                require(accounts[i] == accountsBefore[i]);
            for (std::size_t i = 0; i < numbersBefore.size(); ++i)
                require(numbers[i] == numbersBefore[i]);
            require(listsAnything(listedUnder(lines, "Numbers associated with this name:")));
            const auto names = listedUnder(lines, "Names associated with this number:");
            require(names.empty() || listsAnything(names));
            if (kind == 1 && !rest.empty()) require(listsAnything(names));

            // The same answer again stores nothing and reports the same.
            const auto accountsAfter = accounts;
            const auto numbersAfter = numbers;
            host.shown.clear();
            host.modified = false;
            tracking.TrackWhoisLine(line);
            require(accounts == accountsAfter && numbers == numbersAfter && !host.modified);
            require(shown(host) == lines);
        } else {
            require(accounts == accountsBefore && numbers == numbersBefore);
            if (lowered.find("is logged on through a gateway") != std::string::npos)
                require(!listedUnder(lines, "Numbers associated with this name:").empty());
            else
                require(lines.empty());
        }
    }
    return 0;
}
