// The program's command line: what to do and with which start options.
#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace verdo {

struct StartOptions {
    enum class Action { Run, ShowHelp, ShowVersion, CheckScript, Fail };
    Action action = Action::Run;
    // Text for ShowHelp, ShowVersion and Fail.
    QString message;
    // --server HOST:PORT, tried before the chat file's servers.
    std::optional<std::string> server;
    // A chat file to open at start instead of the last one of Chat.ini.
    std::optional<std::string> chatFile;
    // --headless: no window, the console view (a bot run as a service).
    bool headless = false;
    // --check-script FILE: the bot script to check, for CheckScript.
    std::filesystem::path checkScript;
    // --script FILE (may be repeated): bot scripts added for this run, as
    // absolute paths, loaded after the chat file's own.
    std::vector<std::filesystem::path> scripts;
};

// `arguments` includes the program name first, as QCoreApplication::arguments().
StartOptions parseCommandLine(const QStringList& arguments);

// What --version prints for a program in `programFolder`: the title, the
// build's version and where the program finds its sounds, so an installation
// can be checked from a shell.
QString versionText(const std::filesystem::path& programFolder);

}  // namespace verdo
