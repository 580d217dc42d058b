// The `chatfile` subcommands (see ChatFileCommand.h): one table declares each
// with its arguments and help; run() checks the count and dispatches.
#include "app/chatfile/ChatFileCommand.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "app/chatfile/ChatFileOnDisk.h"
#include "app/chatfile/ConsolePasswordInput.h"
#include "app/chatfile/ImportSource.h"
#include "engine/ChatFileText.h"
#include "engine/ListEditing.h"
#include "platform/AnsiText.h"
#include "records/OptionFields.h"

namespace verdo {

struct ChatFileCommand::Subcommand {
    std::string_view name;
    std::string_view arguments;
    std::string_view summary;
    std::string_view details;
    std::size_t least;
    std::size_t most;
    int (ChatFileCommand::*handler)(const Subcommand&, const std::vector<std::string>&);
};

// An option a subcommand takes before its other arguments.
struct ChatFileCommand::Flag {
    std::string_view name;
    std::string_view subcommand;
    bool ChatFileCommand::*member;
};

namespace {

constexpr std::size_t Many = static_cast<std::size_t>(-1);

bool isHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h" || argument == "help";
}

bool isIndex(std::string_view text) {
    return !text.empty() && text.size() < 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The text fields of a user record a person gives when adding one, in order.
std::vector<const OptionField*> userColumns() {
    std::vector<const OptionField*> columns;
    for (const OptionField& field : OptionFields::userRecord())
        if (field.kind == OptionKind::Text) columns.push_back(&field);
    return columns;
}

std::string listsHelp() {
    std::string text = "Lists and their columns (ENTRY first):\n";
    for (const ChatListShape& shape : ListEditing::lists()) {
        text += "  " + std::string(shape.name);
        text.append(14 - std::min<std::size_t>(13, shape.name.size()), ' ');
        for (std::size_t c = 0; c < shape.columns.size(); ++c) {
            const ListColumn& column = shape.columns[c];
            text += c == 0 ? "ENTRY" : " [" + upperAZ(column.name) + "]";
            if (!column.fill.empty()) text += "=" + std::string(column.fill);
        }
        if (shape.order == ListOrder::First) text += "   (added at the top: tried first)";
        if (shape.order == ListOrder::ByMacroKey)
            text += "   (ENTRY is the letter of Ctrl-Alt-letter)";
        text += "\n";
    }
    text += "  users         NAME";
    for (const OptionField* field : userColumns())
        if (field->name != "name") text += " [" + upperAZ(field->name) + "]";
    return text + "\n";
}

std::string optionsHelp() {
    std::string text = "Options:\n";
    for (const OptionField& field : OptionFields::options())
        text += "  " + std::string(field.name) + ": " + field.describe() + "\n";
    for (const ProductActionField& action : ProductActionFields)
        text += "  " + std::string(action.name) + ": text of at most " +
                std::to_string(ProductActionLimit) + " characters (\"None\": no action)\n";
    return text;
}

}  // namespace

const std::vector<ChatFileCommand::Subcommand>& ChatFileCommand::subcommands() {
    static const std::vector<Subcommand> table = {
        {"new", "FILE.ch5", "make a chat file with the settings of File > New",
         "Writes FILE.ch5, FILE.ext and FILE.usr: the reset options, the built-in server,\n"
         "channel and command lists, no user records. Refused when any of the three\n"
         "files exists already.\n",
         1, 1, &ChatFileCommand::runNew},
        {"show", "[--show-passwords] FILE.ch5 [SECTION]",
         "print every option and list by readable name",
         "Prints the chat file as the text of `export`, items numbered, without the\n"
         "residue bytes. SECTION is options, users or a list name. Control characters\n"
         "(those that steer a terminal or reorder a line) show as \"?\"; `export` keeps\n"
         "them as \\xHH escapes. Passwords show as ******** (an empty one as nothing)\n"
         "unless --show-passwords is given.\n",
         1, 2, &ChatFileCommand::runShow},
        {"set", "FILE.ch5 OPTION VALUE", "change one option",
         "Switches take on or off, colours #rrggbb. A value too long or out of range is\n"
         "refused, never cut. A password given as - is read from standard input (its\n"
         "first line); on a terminal it is asked for and not shown. A password on the\n"
         "command line shows in `ps` and stays in the shell's history.\n",
         3, 3, &ChatFileCommand::runSet},
        {"add", "FILE.ch5 LIST ENTRY [COLUMN...]", "add an item to a list",
         "Aligned columns are added with the entry, so the lists stay aligned; a column\n"
         "left out is empty, or the value shown after \"=\". A name's password given as\n"
         "- is read from standard input as `set` reads one: add FILE.ch5 names NAME -\n",
         3, Many, &ChatFileCommand::runAdd},
        {"remove", "FILE.ch5 LIST INDEX|ENTRY|--entry ENTRY",
         "remove an item and its aligned columns",
         "INDEX counts from 1 as `show` numbers the items; an ENTRY is matched without\n"
         "regard to letter case, and the first match is removed. An entry that is a\n"
         "number (a channel named \"1\") is given with --entry.\n",
         3, 4, &ChatFileCommand::runRemove},
        {"export", "[--show-passwords] FILE.ch5", "print the whole chat file as a text document",
         "The document holds every option, list and user record, and the bytes no option\n"
         "shows, so `import` gives back byte-identical files. Its first lines explain it.\n"
         "Passwords are written as ******** and the bytes an older password left behind\n"
         "are left out, unless --show-passwords is given; such a document starts with\n"
         "\"# passwords hidden\" and, imported, keeps the passwords of the chat file it\n"
         "replaces (a name's by the same name): it cannot make a new chat file.\n",
         1, 1, &ChatFileCommand::runExport},
        {"import", "[--no-backup] [--stored] TEXT FILE.ch5",
         "make the chat file from a text document (- reads stdin)",
         "Options left out keep the values of a new chat file, lists left out get the\n"
         "lists of a new chat file. A document with an error writes nothing; so does an\n"
         "empty one, a folder or device, one that cannot be read whole, and one without\n"
         "a [section] line. A pipe is read like standard input.\n"
         "Values outside the configuration dialog's limits are refused; --stored takes\n"
         "them as a chat file stored them (a document exported from such a file).\n"
         "A document whose passwords are hidden (see export) keeps those of FILE.ch5,\n"
         "which must exist.\n"
         "The chat file replaced is kept as BASE.ch5.bak, BASE.ext.bak and BASE.usr.bak\n"
         "(older backups are replaced) unless --no-backup is given.\n",
         2, 2, &ChatFileCommand::runImport},
    };
    return table;
}

const std::vector<ChatFileCommand::Flag>& ChatFileCommand::flags() {
    static const std::vector<Flag> table = {
        {"--no-backup", "import", &ChatFileCommand::noBackup_},
        {"--stored", "import", &ChatFileCommand::storedValues_},
        {"--show-passwords", "show", &ChatFileCommand::showPasswords_},
        {"--show-passwords", "export", &ChatFileCommand::showPasswords_},
    };
    return table;
}

ChatFileCommand::ChatFileCommand(std::ostream& out, std::ostream& err, std::istream& in)
    : out_(out),
      err_(err),
      in_(in),
      console_(std::make_unique<ConsolePasswordInput>(in, STDIN_FILENO, STDERR_FILENO)),
      passwords_(*console_) {}

ChatFileCommand::ChatFileCommand(std::ostream& out, std::ostream& err, std::istream& in,
                                 PasswordInput& passwords)
    : out_(out), err_(err), in_(in), passwords_(passwords) {}

ChatFileCommand::~ChatFileCommand() = default;

int ChatFileCommand::run(const std::vector<std::string>& arguments) {
    if (arguments.empty() || isHelp(arguments.front())) {
        printOverview();
        return arguments.empty() ? Refused : Done;
    }
    const auto& table = subcommands();
    const auto command = std::find_if(table.begin(), table.end(), [&](const Subcommand& c) {
        return c.name == arguments.front();
    });
    if (command == table.end()) {
        err_ << "verdochat chatfile: unknown subcommand \"" << arguments.front()
             << "\" (see verdochat chatfile --help)\n";
        return Refused;
    }
    // Options, help among them, stand before the first other argument; from
    // there on every argument is a value, so an entry may be called "help".
    std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    while (!rest.empty()) {
        const std::string& option = rest.front();
        if (isHelp(option)) {
            printHelp(*command);
            return Done;
        }
        const auto flag = std::find_if(flags().begin(), flags().end(), [&](const Flag& f) {
            return f.name == option && f.subcommand == command->name;
        });
        if (flag == flags().end()) break;
        this->*flag->member = true;
        rest.erase(rest.begin());
    }
    if (rest.size() < command->least || rest.size() > command->most)
        return refuse(*command, "usage: verdochat chatfile " + std::string(command->name) + " " +
                                    std::string(command->arguments));
    return (this->*command->handler)(*command, rest);
}

int ChatFileCommand::refuse(const Subcommand& command, const std::string& why) {
    err_ << "verdochat chatfile " << command.name << ": " << why << "\n";
    return Refused;
}

int ChatFileCommand::saveTo(const std::string& file, ChatFileOnDisk& chat) {
    if (std::string why = chat.save(file); !why.empty()) {
        err_ << "verdochat chatfile: " << why << "\n";
        return WriteFailed;
    }
    return Done;
}

std::string ChatFileCommand::passwordFor(const std::string& whose, std::string& value) {
    if (value != "-") return {};
    return passwords_.read("Password for " + whose + ": ", value);
}

void ChatFileCommand::printHelp(const Subcommand& command) {
    out_ << "Usage: verdochat chatfile " << command.name << " " << command.arguments << "\n"
         << command.summary << ".\n\n"
         << command.details;
    if (command.name == "set") out_ << "\n" << optionsHelp();
    if (command.name == "add" || command.name == "remove" || command.name == "show")
        out_ << "\n" << listsHelp();
}

void ChatFileCommand::printOverview() {
    out_ << "Usage: verdochat chatfile SUBCOMMAND ARGUMENTS\n"
            "Makes and edits chat files without a window. Every write is a safe save\n"
            "(a temporary file, then rename) readable by the owner only.\n\n";
    for (const Subcommand& command : subcommands()) {
        std::string usage = std::string(command.name) + " " + std::string(command.arguments);
        usage.resize(std::max<std::size_t>(usage.size() + 2, 40), ' ');
        out_ << "  " << usage << command.summary << "\n";
    }
    out_ << "\nverdochat chatfile SUBCOMMAND --help tells more. Exit status: 0 done, 1 a file\n"
            "could not be written, 2 the input was refused (nothing is written then).\n";
}

int ChatFileCommand::runNew(const Subcommand& command, const std::vector<std::string>& args) {
    const std::filesystem::path file = args[0];
    if (std::string why = ChatFileOnDisk::checkNewName(file); !why.empty())
        return refuse(command, why);
    if (const auto existing = ChatFileOnDisk::existingFiles(file); !existing.empty())
        return refuse(command, existing.front().string() + ": already exists");
    ChatFileOnDisk chat;
    chat.makeNew();
    const int status = saveTo(file, chat);
    if (status == Done) out_ << file.string() << ": new chat file written\n";
    return status;
}

int ChatFileCommand::runShow(const Subcommand& command, const std::vector<std::string>& args) {
    const std::string section = args.size() > 1 ? args[1] : std::string();
    const auto sections = ChatFileText::sections();
    if (!section.empty() && std::none_of(sections.begin(), sections.end(), [&](std::string_view s) {
            return equalsIgnoreCaseAZ(s, section);
        }))
        return refuse(command, "unknown section \"" + section + "\"");
    ChatFileOnDisk chat;
    if (std::string why = chat.load(args[0]); !why.empty()) return refuse(command, why);
    out_ << ChatFileText::write(chat.options, chat.lists, chat.users, TextDetail::Readable, section,
                                showPasswords_ ? Passwords::Shown : Passwords::Hidden);
    return checkOutput(command);
}

int ChatFileCommand::runSet(const Subcommand& command, const std::vector<std::string>& args) {
    const std::string& name = args[1];
    std::string value = args[2];
    const OptionField* field = OptionFields::find(OptionFields::options(), name);
    const int action = ChatFileText::productActionIndex(name);
    if (field == nullptr && action < 0)
        return refuse(command,
                      "unknown option \"" + name + "\" (see verdochat chatfile set --help)");
    const bool password = field != nullptr && field->name == ChatFileText::PasswordOption;
    // Read before the chat file is locked: the bot may save while a person types.
    if (password) {
        if (std::string why = passwordFor(args[0], value); !why.empty())
            return refuse(command, why);
    }
    ChatFileOnDisk chat;
    if (std::string why = chat.load(args[0]); !why.empty()) return refuse(command, why);
    std::string shown;
    if (field != nullptr) {
        if (std::string why = field->store(chat.options.data(), value, OptionInput::Editor);
            !why.empty())
            return refuse(command, why);
        shown = field->format(chat.options.data());
        if (password) shown = ChatFileText::hidden(shown);
    } else {
        if (value.size() > ProductActionLimit)
            return refuse(command, name + ": too long (" + std::to_string(value.size()) +
                                       " characters, at most " +
                                       std::to_string(ProductActionLimit) + ")");
        if (value.find_first_of("\r\n") != std::string::npos)
            return refuse(command, name + ": a line break cannot be stored");
        chat.lists.ProductActions[static_cast<std::size_t>(action)] = value;
        shown = value;
    }
    const int status = saveTo(args[0], chat);
    if (status == Done) out_ << name << " = " << ChatFileText::quote(shown) << "\n";
    return status;
}

int ChatFileCommand::runAdd(const Subcommand& command, const std::vector<std::string>& args) {
    const std::string& listName = args[1];
    std::vector<std::string> values(args.begin() + 2, args.end());
    const ChatListShape* shape = ListEditing::find(listName);
    const bool users = equalsIgnoreCaseAZ(listName, ChatFileText::UsersSection);
    if (shape == nullptr && !users)
        return refuse(command,
                      "unknown list \"" + listName + "\" (see verdochat chatfile add --help)");
    if (shape != nullptr && equalsIgnoreCaseAZ(shape->name, ChatFileText::PasswordList)) {
        for (std::size_t c = 1; c < std::min(values.size(), shape->columns.size()); ++c) {
            if (shape->columns[c].name != ChatFileText::PasswordColumn) continue;
            if (std::string why = passwordFor(values.front(), values[c]); !why.empty())
                return refuse(command, why);
        }
    }

    ChatFileOnDisk chat;
    if (std::string why = chat.load(args[0]); !why.empty()) return refuse(command, why);
    std::string entry = values.front();
    std::size_t index = 0;
    if (users) {
        const auto columns = userColumns();
        if (values.size() > columns.size())
            return refuse(command, "users take NAME and at most four texts");
        if (chat.users.IndexOfName(entry) >= 0)
            return refuse(command, "users: \"" + entry + "\" already has a record");
        auto user = std::make_unique<tUser>();
        for (std::size_t c = 0; c < values.size(); ++c) {
            if (std::string why = columns[c]->store(user->data(), values[c], OptionInput::Editor);
                !why.empty())
                return refuse(command, "users " + why);
        }
        chat.users.Add(std::move(user));
        chat.users.Sort();
        index = static_cast<std::size_t>(chat.users.IndexOfName(entry));
    } else {
        if (std::string why = ListEditing::check(*shape, values); !why.empty())
            return refuse(command, why);
        entry = values.front();
        index = ListEditing::add(chat.lists, *shape, values);
        if (index == ListEditing::count(chat.lists, *shape)) {
            out_ << listName << ": \"" << entry << "\" is already listed\n";
            return Done;
        }
    }
    const int status = saveTo(args[0], chat);
    if (status == Done)
        out_ << lowerAZ(listName) << " #" << index + 1 << ": " << ChatFileText::quote(entry)
             << "\n";
    return status;
}

int ChatFileCommand::runRemove(const Subcommand& command, const std::vector<std::string>& args) {
    const std::string& listName = args[1];
    // "--entry" before the entry makes a number a value too (a channel "1").
    const bool byValue = args.size() == 4;
    if (args.size() == 4 && args[2] != "--entry")
        return refuse(command,
                      "usage: verdochat chatfile remove " + std::string(command.arguments));
    const std::string& which = args.back();
    const ChatListShape* shape = ListEditing::find(listName);
    const bool users = equalsIgnoreCaseAZ(listName, ChatFileText::UsersSection);
    if (shape == nullptr && !users)
        return refuse(command,
                      "unknown list \"" + listName + "\" (see verdochat chatfile remove --help)");

    ChatFileOnDisk chat;
    if (std::string why = chat.load(args[0]); !why.empty()) return refuse(command, why);
    const std::size_t count = users ? static_cast<std::size_t>(chat.users.Count())
                                    : ListEditing::count(chat.lists, *shape);
    std::size_t index = count;
    if (!byValue && isIndex(which)) {
        const std::size_t number = std::stoul(which);
        if (number == 0 || number > count)
            return refuse(command, lowerAZ(listName) + " has " + std::to_string(count) +
                                       " items: no item " + which);
        index = number - 1;
    } else if (users) {
        const int found = chat.users.IndexOfName(which);
        index = found < 0 ? count : static_cast<std::size_t>(found);
    } else {
        index = ListEditing::indexOf(chat.lists, *shape, which);
    }
    if (index >= count) return refuse(command, lowerAZ(listName) + ": no item \"" + which + "\"");
    std::string entry;
    if (users) {
        entry = chat.users.Items(static_cast<int>(index))->Name();
        chat.users.Delete(static_cast<int>(index));
    } else {
        entry = ListEditing::item(chat.lists, *shape, index).front();
        ListEditing::removeAt(chat.lists, *shape, index);
    }
    const int status = saveTo(args[0], chat);
    if (status == Done)
        out_ << "removed " << lowerAZ(listName) << " #" << index + 1 << ": "
             << ChatFileText::quote(entry) << "\n";
    return status;
}

int ChatFileCommand::runExport(const Subcommand& command, const std::vector<std::string>& args) {
    ChatFileOnDisk chat;
    if (std::string why = chat.load(args[0]); !why.empty()) return refuse(command, why);
    out_ << ChatFileText::write(chat.options, chat.lists, chat.users, TextDetail::Complete, {},
                                showPasswords_ ? Passwords::Shown : Passwords::Hidden);
    return checkOutput(command);
}

int ChatFileCommand::runImport(const Subcommand& command, const std::vector<std::string>& args) {
    const std::string& source = args[0];
    const std::filesystem::path file = args[1];
    if (std::string why = ChatFileOnDisk::checkNewName(file); !why.empty())
        return refuse(command, why);
    std::string text;
    if (std::string why = source == "-" ? readDocument(in_, text) : readDocument(source, text);
        !why.empty())
        return refuse(command, (source == "-" ? "standard input" : source) + ": " + why);
    ChatFileOnDisk chat;
    // A document without its passwords takes them from the chat file it
    // replaces; with none to replace they would be lost.
    if (ChatFileText::hidesPasswords(text)) {
        if (const auto existing = ChatFileOnDisk::existingFiles(file);
            existing.empty() || existing.front() != file)
            return refuse(command, source + ": its passwords are hidden, and " + file.string() +
                                       " does not exist to keep them from (export with "
                                       "--show-passwords to make a new chat file)");
        if (std::string why = chat.load(file); !why.empty()) return refuse(command, why);
    }
    const OptionInput input = storedValues_ ? OptionInput::Stored : OptionInput::Editor;
    if (std::string why = ChatFileText::read(text, chat.options, chat.lists, chat.users, input);
        !why.empty())
        return refuse(command, source + ", " + why);
    chat.lock(file);
    if (!noBackup_) {
        if (std::string why = ChatFileOnDisk::backUp(file); !why.empty()) {
            err_ << "verdochat chatfile import: " << why << " (nothing was imported)\n";
            return WriteFailed;
        }
    }
    const int status = saveTo(file, chat);
    if (status == Done) out_ << file.string() << ": imported from " << source << "\n";
    return status;
}

// What was printed may still sit in a buffer: a full disk or a closed pipe
// shows only when it is flushed.
int ChatFileCommand::checkOutput(const Subcommand& command) {
    out_.flush();
    if (out_) return Done;
    err_ << "verdochat chatfile " << command.name << ": standard output could not be written\n";
    return WriteFailed;
}

}  // namespace verdo
