// VerdoChat: reads the command line, creates the main window and runs the
// event loop. --help and --version answer before any window system is needed.
#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/CommandLine.h"
#include "app/ScriptCheck.h"
#include "app/chatfile/ChatFileCommand.h"
#include "app/headless/HeadlessRunner.h"
#include "platform/IniFile.h"
#include "platform/qt/DBusNotifier.h"
#include "platform/qt/LoadingQtPlatform.h"
#include "scripting/SessionScripts.h"
#include "ui/Chat.h"

namespace {

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int runWindow(int argc, char** argv, const verdo::StartOptions& options) {
    QApplication app(argc, argv);
    // The icon's pictures are decoded once the window is up: the window
    // appears sooner, and the icon follows at once.
    QTimer::singleShot(0, &app, [] {
        QIcon icon;
        for (const char* size : {"48", "256"})
            icon.addFile(QStringLiteral(":/icons/verdochat-%1.png").arg(QLatin1String(size)));
        QApplication::setWindowIcon(icon);
    });
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.verdochat.VerdoChat"));
    verdo::DBusNotifier notifier(QDBusConnection::sessionBus(), QGuiApplication::desktopFileName());
    verdo::TfrmChat frmChat(std::make_unique<verdo::LoadingQtPlatform>());
    frmChat.setNotifier(notifier);
    verdo::ChatForm& form = frmChat.form();
    form.setStartServer(options.server);
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path settingsFile =
        verdo::settingsFolder(programFolder, verdo::userConfigHome()) / "Chat.ini";
    form.document().setSettingsFile(settingsFile);
    frmChat.scripts().setSettingsFile(settingsFile);
    frmChat.scripts().setExtraFiles(options.scripts);
    if (options.chatFile) form.setStartChatFile(*options.chatFile);
    frmChat.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    // `verdochat chatfile ...` edits chat files; it needs no Qt at all.
    if (argc > 1 && std::string_view(argv[1]) == "chatfile")
        return verdo::ChatFileCommand(std::cout, std::cerr, std::cin).run({argv + 2, argv + argc});
    const verdo::StartOptions options = verdo::parseCommandLine(argumentList(argc, argv));
    switch (options.action) {
        case verdo::StartOptions::Action::ShowHelp:
            std::fputs(qPrintable(options.message + '\n'), stdout);
            return 0;
        case verdo::StartOptions::Action::ShowVersion: {
            const QCoreApplication app(argc, argv);  // only for the program's folder
            const QString text =
                verdo::versionText(QCoreApplication::applicationDirPath().toStdString());
            std::fputs(qPrintable(text + '\n'), stdout);
            return 0;
        }
        case verdo::StartOptions::Action::CheckScript: {
            const QCoreApplication app(argc, argv);  // for the platform's timers
            verdo::LoadingQtPlatform platform;
            return verdo::ScriptCheck(platform, std::cout, std::cerr).run(options.checkScript);
        }
        case verdo::StartOptions::Action::Fail:
            std::fputs(qPrintable(options.message + '\n'), stderr);
            return 2;
        case verdo::StartOptions::Action::Run:
            break;
    }
    // Headless: QCoreApplication only, so no window system is ever needed.
    if (options.headless)
        return verdo::runHeadless(argc, argv, options.chatFile, options.server, options.scripts);
    return runWindow(argc, argv, options);
}
