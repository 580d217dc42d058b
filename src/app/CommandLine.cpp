// Command-line parsing kept apart from main() so that main stays a few lines
// and the rules can be tested without starting the program.
#include "app/CommandLine.h"

#include <QCommandLineParser>

#include "chat/ChatForm.h"
#include "chat/ServerEntry.h"
#include "ui/DisplayText.h"

namespace verdo {

namespace {

QString programTitle() {
    return QString::fromLatin1(ProgramTitle.data(), std::ssize(ProgramTitle));
}

StartOptions failure(const QString& message) {
    return StartOptions{StartOptions::Action::Fail, message, std::nullopt};
}

}  // namespace

StartOptions parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(programTitle());
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the program's version and exit.");
    const QCommandLineOption server(
        "server", "Try HOST:PORT first, before the servers of the chat file.", "HOST:PORT");
    parser.addOptions({help, version, server});

    if (!parser.parse(arguments)) return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return failure("Unexpected argument: " + parser.positionalArguments().first());
    }
    if (parser.isSet(help)) {
        // The first line names the program the same way whichever binary runs.
        QString text = parser.helpText();
        text.replace(0, text.indexOf('\n'), "Usage: verdochat [options]");
        return {StartOptions::Action::ShowHelp, text, {}};
    }
    if (parser.isSet(version)) return {StartOptions::Action::ShowVersion, programTitle(), {}};

    StartOptions options;
    if (parser.isSet(server)) {
        const std::string entry = typedBytes(parser.value(server));
        if (parseServerEntry(entry).host.empty())
            return failure("Invalid server: " + parser.value(server));
        options.server = entry;
    }
    return options;
}

}  // namespace verdo
