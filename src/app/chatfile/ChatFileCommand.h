// ChatFileCommand: `verdochat chatfile SUBCOMMAND ...`, making and editing chat
// files from a shell without a window: new, show, set, add, remove, export,
// import, each with its own --help. Answers go to `out`, refusals to `err`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace verdo {

class ChatFileCommand {
  public:
    // Exit statuses: done, a file could not be written, the input was refused.
    static constexpr int Done = 0;
    static constexpr int WriteFailed = 1;
    static constexpr int Refused = 2;

    ChatFileCommand(std::ostream& out, std::ostream& err, std::istream& in);

    // `arguments` are those after "chatfile".
    int run(const std::vector<std::string>& arguments);

  private:
    struct Subcommand;
    static const std::vector<Subcommand>& subcommands();

    int refuse(const Subcommand& command, const std::string& why);
    int checkOutput(const Subcommand& command);
    int saveTo(const std::string& file, class ChatFileOnDisk& chat);
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
    // import's --no-backup and --stored.
    bool noBackup_ = false;
    bool storedValues_ = false;
};

}  // namespace verdo
