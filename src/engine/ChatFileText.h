// ChatFileText: a whole chat file (options record, lists, user records) as one
// text document a person can read, edit and keep in version control, and the
// way back. The dialect, written at the top of every exported document:
//
//   [section]            options, then one per list, then users
//   name = value         one value per line; "#" or ";" starts a comment line
//
// A value is taken without the blanks around it; a value that begins or ends
// with a blank, or begins with a double quote, is written in double quotes.
// Backslash escapes stand for the bytes that are not text: \\ \" \t \r \n and
// \xHH for any byte. A list's items are groups of lines: "entry" starts an
// item, and its aligned columns (response-1, interval, level ...) follow it.
// The options record's bytes that no option shows (reserved bytes, what a
// shorter text left behind) are written as "residue-OFFSET = hex bytes", and a
// user record's likewise, so that the text gives back the very same files.
//
// Passwords (the log-on password and those beside the names) may be hidden:
// each is written as "********" and the bytes of an older password left in the
// record are left out. Such a document starts with "# passwords hidden"; read
// into a chat file, it keeps that chat file's passwords.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ChatLists.h"
#include "engine/ListEditing.h"
#include "records/OptionField.h"
#include "records/Options.h"
#include "records/UserList.h"

namespace verdo {

// The product actions by readable name, in the order of ProductActionCodes,
// with the captions of the configuration dialog.
struct ProductActionField {
    std::string_view name;
    std::string_view caption;
};
inline constexpr std::array<ProductActionField, 8> ProductActionFields = {{
    {"chat-action", "Chat Client/Bot:"},
    {"starcraft-action", "Starcraft Retail:"},
    {"starcraft-shareware-action", "Starcraft Shareware:"},
    {"diablo-action", "Diablo Retail:"},
    {"diablo-shareware-action", "Diablo Shareware:"},
    {"warcraft-2-action", "Warcraft BNE:"},
    {"diablo-2-action", "Diablo 2:"},
    {"brood-war-action", "Brood War:"},
}};
// The longest product action the dialog accepts.
inline constexpr std::size_t ProductActionLimit = ListEditing::ActionLimit;

enum class TextDetail {
    Complete,  // everything, residue included: what `export` writes
    Readable,  // without residue, items numbered from 1: what `show` prints
};

// Whether a document shows the passwords or hides them.
enum class Passwords { Shown, Hidden };

class ChatFileText {
  public:
    static constexpr std::string_view OptionsSection = "options";
    static constexpr std::string_view UsersSection = "users";
    // The secrets: the option, and the list with its column.
    static constexpr std::string_view PasswordOption = "password";
    static constexpr std::string_view PasswordList = "names";
    static constexpr std::string_view PasswordColumn = "password";
    // What a hidden password is written as, and the first line of a document
    // that hides any.
    static constexpr std::string_view PasswordMask = "********";
    static constexpr std::string_view HiddenLine = "# passwords hidden";

    // "options", the lists of ListEditing, "users".
    static std::vector<std::string_view> sections();
    // The document, or only `section` of it when one is named. With hidden
    // passwords it starts with HiddenLine when it leaves anything out.
    static std::string write(const tOptions& options, const ChatLists& lists,
                             const tUserList& users, TextDetail detail,
                             std::string_view section = {}, Passwords passwords = Passwords::Shown);
    // Reads a document. Options left out keep the values of a new chat file,
    // lists left out get a new chat file's lists, users left out are none.
    // `input` says whose values they are: Editor keeps the configuration
    // dialog's limits, Stored takes what a chat file can hold. Returns an
    // empty text, or "line N: why" (or why the whole text is no document)
    // and leaves the three untouched. In a document that hides passwords
    // (hidesPasswords), a password written as PasswordMask is the one the
    // three hold beforehand, the chat file read into: its log-on password
    // (every byte of the field), and for a name, the password beside the same
    // name there (letter case ignored; none for a new name). Any other value
    // is taken as written.
    static std::string read(std::string_view text, tOptions& options, ChatLists& lists,
                            tUserList& users, OptionInput input = OptionInput::Editor);

    // Whether `text` is a document that hides passwords: its first line is
    // HiddenLine.
    static bool hidesPasswords(std::string_view text);
    // A password as a listing shows it hidden: the mask, or nothing for none.
    static std::string_view hidden(std::string_view password);

    // The index of the product action named `name`, or -1.
    static int productActionIndex(std::string_view name);
    // A value as the document writes it (quoted and escaped when needed, or
    // always quoted with `alwaysQuoted`).
    static std::string quote(std::string_view value, bool alwaysQuoted = false);
    // The way back: a value taken without the blanks around it, quoted or
    // bare, escapes resolved; nullopt when its quotes or escapes are malformed.
    static std::optional<std::string> unquote(std::string_view raw);
};

}  // namespace verdo
