// Random text through the reader of `chatfile import`: nothing may crash, and
// a document it takes, written back out whole and read again, gives the same
// document (the values exactly as stored). Written with the passwords hidden
// and read into the chat file it came from, it hides the same document again.
#include <cstdlib>

#include "engine/ChatFile.h"
#include "engine/ChatFileText.h"

using namespace verdo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tOptions options;
    ChatLists lists;
    tUserList users;
    const OptionInput input = size % 2 == 0 ? OptionInput::Editor : OptionInput::Stored;
    if (!ChatFileText::read(text, options, lists, users, input).empty()) return 0;
    const std::string written = ChatFileText::write(options, lists, users, TextDetail::Complete);
    tOptions again;
    ChatLists againLists;
    tUserList againUsers;
    if (!ChatFileText::read(written, again, againLists, againUsers, OptionInput::Stored).empty())
        std::abort();
    if (ChatFileText::write(again, againLists, againUsers, TextDetail::Complete) != written)
        std::abort();

    const std::string hidden =
        ChatFileText::write(options, lists, users, TextDetail::Complete, {}, Passwords::Hidden);
    if (!ChatFileText::read(hidden, again, againLists, againUsers, OptionInput::Stored).empty())
        std::abort();
    if (ChatFileText::write(again, againLists, againUsers, TextDetail::Complete, {},
                            Passwords::Hidden) != hidden)
        std::abort();
    return 0;
}
