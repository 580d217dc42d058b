// Response templates: placeholder expansion, the choice among three
// alternatives, and sending and echoing the finished line.
#include <array>
#include <functional>

#include "engine/ChatFunctions.h"
#include "platform/AnsiText.h"

namespace verdo {
namespace {

// Replaces every occurrence of `placeholder` (lower case) in `text`, found
// without regard to case. The search goes on after each inserted value, so a
// value that holds the placeholder itself is inserted once and the pass ends.
std::string replaceAll(const std::string& text, std::string_view placeholder,
                       const std::function<std::string()>& value) {
    const std::string lowered = lowerAZ(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = lowered.find(placeholder); at != std::string::npos;
         at = lowered.find(placeholder, from)) {
        out.append(text, from, at - from);
        out += value();
        from = at + placeholder.size();
    }
    if (from == 0) return text;
    out.append(text, from, std::string::npos);
    return out;
}

}  // namespace

std::string ChatFunctions::ExpandResponse(std::string_view response, std::string_view user,
                                          std::string_view parameter) {
    const std::size_t rosterSize = host_.rosterCount();
    std::string randomName;
    if (rosterSize > 0) {
        const int last = static_cast<int>(rosterSize - 1);
        randomName = host_.rosterName(static_cast<std::size_t>(host_.random().uniformInt(0, last)));
    }
    auto fixed = [](std::string value) { return [value] { return value; }; };
    const std::array<std::pair<std::string_view, std::function<std::string()>>, 6> passes = {{
        {"<user>", fixed(std::string(user))},
        {"<server>", fixed(host_.CurrentServer())},
        {"<time>", [this] { return host_.clock().localDateTimeText(); }},
        {"<channel>", fixed(host_.channelName())},
        {"<random>", fixed(randomName)},
        {"<parameter>", fixed(std::string(parameter))},
    }};
    std::string text(response);
    for (const auto& [placeholder, value] : passes)
        text = replaceAll(text, placeholder, value);
    return text;
}

std::string ChatFunctions::PickResponse(std::size_t index, const tResponseLists& lists) {
    const int first = host_.random().uniformInt(1, 3) - 1;
    for (int step = 0; step < 3; ++step) {
        const tStringList& list = lists[static_cast<std::size_t>((first + step) % 3)];
        // A list shorter than its entry list (a damaged file) has nothing here.
        if (index < list.size() && !list[index].empty()) return list[index];
    }
    return {};
}

void ChatFunctions::SendResponse(const std::string& text) {
    host_.SendLine(text + "\r");
}

void ChatFunctions::EchoOwnText(const std::string& text) {
    if (text.empty() || text.front() == '/') return;
    const tOptions& options = host_.options();
    host_.addChatLine({{"<" + host_.UniqueName() + "> ", options.yourNameColor()},
                       {text, options.yourTextColor()}});
}

void ChatFunctions::sendAndEcho(const std::string& text) {
    SendResponse(text);
    EchoOwnText(text);
}

}  // namespace verdo
