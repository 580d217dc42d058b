// verdochat-gateway: a local chat gateway for tests and for the demo.
#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>

#include <fcntl.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>

#include "GatewayConsole.h"
#include "GatewayServer.h"
#include "platform/qt/FdLineReader.h"
#include "platform/qt/SignalPipe.h"

namespace {

// Many clients need many descriptors: take what the hard limit allows.
void raiseDescriptorLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

// The console reads standard input when there is one to read: not when it is
// closed, and not from a terminal the gateway runs in the background of
// (`verdochat-gateway &`), where reading would stop the gateway.
bool consoleInput() {
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1 && errno == EBADF) return false;
    return ::isatty(STDIN_FILENO) == 0 || ::tcgetpgrp(STDIN_FILENO) == ::getpgrp();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace verdo::gateway;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        const bool help = !args.empty() && (args.front() == "--help" || args.front() == "-h");
        std::fputs(error.c_str(), help ? stdout : stderr);
        return help ? 0 : 2;
    }
    raiseDescriptorLimit();
    QCoreApplication app(argc, argv);
    verdo::SignalPipe stopSignals{SIGTERM, SIGINT};
    stopSignals.OnSignal = [](int) { QCoreApplication::quit(); };
    GatewayServer server(*options);
    if (!server.start(error)) {
        std::fprintf(stderr, "verdochat-gateway: %s\n", error.c_str());
        return 1;
    }
    std::printf("listening on 127.0.0.1:%u\n", static_cast<unsigned>(server.port()));
    std::fflush(stdout);
    GatewayConsole console(server.world(), std::cerr);
    std::unique_ptr<verdo::FdLineReader> input;
    if (consoleInput()) {
        input = std::make_unique<verdo::FdLineReader>(STDIN_FILENO);
        input->OnLine = [&console](const std::string& line) { console.handleLine(line); };
    }
    const int status = app.exec();
    std::printf("verdochat-gateway stopped\n");
    std::fflush(stdout);
    return status;
}
