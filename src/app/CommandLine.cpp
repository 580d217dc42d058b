// Command-line parsing kept apart from main() so that main stays a few lines
// and the rules can be tested without starting the program.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "chat/ProgramConstants.h"
#include "chat/ServerEntry.h"
#include "chat/SoundFolder.h"
#include "platform/ProgramVersion.h"
#include "text/DisplayText.h"

namespace verdo {

namespace {

QString programTitle() {
    return QString::fromLatin1(ProgramTitle.data(), std::ssize(ProgramTitle));
}

// An answer without start options: help, version or a failure.
StartOptions answer(StartOptions::Action action, const QString& message) {
    StartOptions options;
    options.action = action;
    options.message = message;
    return options;
}

StartOptions failure(const QString& message) {
    return answer(StartOptions::Action::Fail, message);
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
    const QCommandLineOption headless(
        "headless",
        "Run without a window, as a bot: lines to standard output, standard input sent as "
        "typed; SIGINT or SIGTERM saves changed settings and stops, SIGHUP re-reads the chat "
        "file.");
    parser.addOption(headless);
    const QCommandLineOption checkScript(
        "check-script",
        "Load a bot script in the sandbox without connecting, report its errors and list the "
        "events and commands it registers; exit with 1 on an error.",
        "FILE");
    parser.addOption(checkScript);
    const QCommandLineOption script(
        "script",
        "Run the bot script FILE too, after those of the chat file's scripts folder (may be "
        "repeated).",
        "FILE");
    parser.addOption(script);

    parser.addPositionalArgument("CHATFILE", "A chat file (.ch5) to open at start.", "[CHATFILE]");
    if (!parser.parse(arguments)) return failure(parser.errorText());
    if (parser.positionalArguments().size() > 1) {
        return failure("Unexpected argument: " + parser.positionalArguments().at(1));
    }
    if (parser.isSet(help)) {
        // The first line names the program the same way whichever binary runs.
        QString text = parser.helpText();
        text.replace(0, text.indexOf('\n'),
                     "Usage: verdochat [options] [CHATFILE]\n"
                     "       verdochat chatfile SUBCOMMAND ...  (chat files from a shell; "
                     "verdochat chatfile --help)");
        return answer(StartOptions::Action::ShowHelp, text);
    }
    if (parser.isSet(version)) return answer(StartOptions::Action::ShowVersion, programTitle());

    StartOptions options;
    if (parser.isSet(checkScript)) {
        options.action = StartOptions::Action::CheckScript;
        options.checkScript = parser.value(checkScript).toStdString();
        return options;
    }
    options.headless = parser.isSet(headless);
    for (const QString& file : parser.values(script))
        options.scripts.emplace_back(QFileInfo(file).absoluteFilePath().toStdString());
    if (parser.isSet(server)) {
        const std::string entry = typedBytes(parser.value(server));
        if (parseServerEntry(entry).host.empty())
            return failure("Invalid server: " + parser.value(server));
        options.server = entry;
    }
    if (!parser.positionalArguments().isEmpty())
        options.chatFile =
            QFileInfo(parser.positionalArguments().first()).absoluteFilePath().toStdString();
    return options;
}

QString versionText(const std::filesystem::path& programFolder) {
    const auto sounds = findSoundFolder(programFolder);
    return programTitle() + " (" + QString::fromLatin1(ProgramVersion) + ")\nSounds: " +
           (sounds ? QString::fromStdString(sounds->string()) : QStringLiteral("none"));
}

}  // namespace verdo
