// Start-up: the time from launching `verdochat` (a fresh settings folder, no
// chat file) to its first window on the X display, beside the same time for a
// bare Qt main window with a menu bar, a text pane and a status bar. The two
// are launched alternately, twelve times each; the counters are the medians
// of the wall time and of the processor time, and their ratios. Needs an X
// display (run under xvfb-run).
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Runs = 12;
constexpr int TimeoutMs = 20000;

struct Display {
    xcb_connection_t* connection = nullptr;
    ~Display() {
        if (connection != nullptr) xcb_disconnect(connection);
    }
};

// Every map of a top-level window on the display is reported to `display`.
bool watchMaps(Display& display) {
    display.connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display.connection)) return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(display.connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display.connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display.connection);
    return true;
}

// Waits for the next top-level map; false when none comes in time.
bool waitForMap(Display& display) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(TimeoutMs);
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd fd{xcb_get_file_descriptor(display.connection), POLLIN, 0};
        ::poll(&fd, 1, static_cast<int>(left));
    }
}

void drain(Display& display) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(display.connection))
        std::free(event);
}

struct Launch {
    double wallMs = -1;  // from launch to the first mapped window; negative: none came
    double cpuMs = 0;    // the processor time the program used until then
};

double milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

Launch launchOnce(Display& display, const std::string& program, const std::string& configHome) {
    drain(display);
    const std::string config = "XDG_CONFIG_HOME=" + configHome;
    std::vector<std::string> environment{config};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::string_view(*variable).rfind("XDG_CONFIG_HOME=", 0) != 0)
            environment.emplace_back(*variable);
    }
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    const auto start = Clock::now();
    pid_t child = 0;
    if (::posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return {};
    const bool mapped = waitForMap(display);
    const auto end = Clock::now();
    ::kill(child, SIGKILL);
    rusage usage{};
    ::wait4(child, nullptr, 0, &usage);
    if (!mapped) return {};
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_StartToFirstWindow(benchmark::State& state) {
    Display display;
    if (std::getenv("DISPLAY") == nullptr || !watchMaps(display)) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    const fs::path config =
        fs::temp_directory_path() / ("verdo-startup-" + std::to_string(::getpid()));
    std::vector<double> bare, verdo, bareCpu, verdoCpu;
    for (auto _ : state) {
        for (int run = 0; run < Runs; ++run) {
            fs::remove_all(config);
            fs::create_directories(config);
            const Launch baseline = launchOnce(display, VERDO_BARE_WINDOW_PROGRAM, config.string());
            const Launch program = launchOnce(display, VERDO_PROGRAM, config.string());
            if (baseline.wallMs < 0 || program.wallMs < 0) {
                state.SkipWithError("a program showed no window in time");
                return;
            }
            bare.push_back(baseline.wallMs);
            bareCpu.push_back(baseline.cpuMs);
            verdo.push_back(program.wallMs);
            verdoCpu.push_back(program.cpuMs);
        }
    }
    fs::remove_all(config);
    // On a busy machine the wall time waits for the processor; the processor
    // time the two used tells their cost apart from the machine's load.
    state.counters["bare_ms"] = median(bare);
    state.counters["verdochat_ms"] = median(verdo);
    state.counters["ratio"] = median(verdo) / median(bare);
    state.counters["bare_cpu_ms"] = median(bareCpu);
    state.counters["verdochat_cpu_ms"] = median(verdoCpu);
    state.counters["cpu_ratio"] = median(verdoCpu) / median(bareCpu);
}

}  // namespace

BENCHMARK(BM_StartToFirstWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
