// Checking a bot script from the command line (see ScriptCheck.h).
#include "app/ScriptCheck.h"

#include "scripting/ScriptHost.h"

namespace verdo {
namespace {

void printList(std::ostream& out, const char* heading, const std::vector<std::string>& items) {
    out << "  " << heading << ":";
    if (items.empty()) out << " none";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << (i ? ", " : " ") << items[i];
    out << '\n';
}

}  // namespace

int ScriptCheck::run(const std::filesystem::path& file) {
    ScriptHost host(*this);
    host.load({file});
    const ScriptStatus status = host.scripts().front();
    if (status.state != ScriptState::Running) return 1;
    out_ << file.filename().string() << ": loaded\n";
    printList(out_, "events", status.events);
    printList(out_, "commands", status.commands);
    return 0;
}

void ScriptCheck::sendLine(std::string_view line, SendClass) {
    out_ << "would send: " << line << '\n';
}

void ScriptCheck::showInfo(std::string_view text) {
    out_ << text << '\n';
}

void ScriptCheck::showError(std::string_view text) {
    errors_ << text << '\n';
}

}  // namespace verdo
