// ChatFileCommand: `verdochat chatfile SUBCOMMAND ...`, making and editing chat
// files from a shell without a window: new, show, set, add, remove, export,
// import, each with its own --help. Answers go to `out`, refusals to `err`.
// A password given as "-" comes from a PasswordInput: by default standard
// input, asked for without echo on a terminal.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace verdo {

class PasswordInput;

class ChatFileCommand {
  public:
    // Exit statuses: done, a file could not be written, the input was refused.
    static constexpr int Done = 0;
    static constexpr int WriteFailed = 1;
    static constexpr int Refused = 2;

    ChatFileCommand(std::ostream& out, std::ostream& err, std::istream& in);
    ChatFileCommand(std::ostream& out, std::ostream& err, std::istream& in,
                    PasswordInput& passwords);
    ~ChatFileCommand();

    // `arguments` are those after "chatfile".
    int run(const std::vector<std::string>& arguments);

  private:
    struct Subcommand;
    struct Flag;
    static const std::vector<Subcommand>& subcommands();
    static const std::vector<Flag>& flags();

    int refuse(const Subcommand& command, const std::string& why);
    int checkOutput(const Subcommand& command);
    int saveTo(const std::string& file, class ChatFileOnDisk& chat);
    // `value`, or when it is "-" the password read in its place; empty, or why
    // none was read.
    std::string passwordFor(const std::string& whose, std::string& value);
    void printHelp(const Subcommand& command);
    void printOverview();

    int runNew(const Subcommand& command, const std::vector<std::string>& args);
    int runShow(const Subcommand& command, const std::vector<std::string>& args);
    int runSet(const Subcommand& command, const std::vector<std::string>& args);
    int runAdd(const Subcommand& command, const std::vector<std::string>& args);
    int runRemove(const Subcommand& command, const std::vector<std::string>& args);
    int runExport(const Subcommand& command, const std::vector<std::string>& args);
    int runImport(const Subcommand& command, const std::vector<std::string>& args);

    std::ostream& out_;
    std::ostream& err_;
    std::istream& in_;
    std::unique_ptr<PasswordInput> console_;
    PasswordInput& passwords_;
    // import's --no-backup and --stored; show's and export's --show-passwords.
    bool noBackup_ = false;
    bool storedValues_ = false;
    bool showPasswords_ = false;
};

}  // namespace verdo
