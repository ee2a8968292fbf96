// The start-up of the desktop program: from the moment its process is started to the first paint
// of the project tree with the demo house open. Run under a display (xvfb-run for a headless
// machine):
//
//   xvfb-run -a build/bench/bench/startup_bench build/bench/belvo build/bench/data [RUNS]
//
// Each run starts `belvo DATA/demo-dum.kar` with settings of its own (the demo price list set up,
// so no start-up dialog appears) and BELVO_STARTUP_PROBE set, reads the moment of the first paint
// that the program reports, and prints the minimum, median and maximum.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "demo_settings.h"
#include "platform/qt/qt_settings_store.h"

extern char** environ;

namespace {

long long NowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Starts the program and returns the milliseconds to its first paint; negative on failure.
double OneRun(const std::string& program, const std::string& project, const std::vector<std::string>& environment)
{
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(project.c_str()), nullptr};
    std::vector<char*> envp;
    for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    const long long started = NowNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const std::size_t at = text.find("first-paint ");
    if (at == std::string::npos) return -1;
    const long long painted = std::atoll(text.c_str() + at + 12);
    return static_cast<double>(painted - started) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench BELVO DATA_DIR [RUNS]\n");
        return 2;
    }
    const std::string program = std::filesystem::absolute(argv[1]).string();
    const std::string data = std::filesystem::absolute(argv[2]).string();
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;

    const std::filesystem::path config = std::filesystem::temp_directory_path() / ("belvo-startup-" + std::to_string(getpid()));
    {
        belvo::QtSettingsStore settings((config / "Vexa" / "Karno.conf").string());
        belvo::ConfigureDemoSettings(settings, data + "/demo.dat");
    }
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::string(*entry).rfind("XDG_CONFIG_HOME=", 0) != 0) environment.emplace_back(*entry);
    environment.push_back("XDG_CONFIG_HOME=" + config.string());
    environment.push_back("BELVO_STARTUP_PROBE=1");

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = OneRun(program, data + "/demo-dum.kar", environment);
        if (ms < 0) {
            std::fprintf(stderr, "run %d: the program reported no first paint\n", i + 1);
            std::filesystem::remove_all(config);
            return 1;
        }
        times.push_back(ms);
    }
    std::filesystem::remove_all(config);
    std::sort(times.begin(), times.end());
    std::printf("start-up to first paint over %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n", runs, times.front(),
                times[times.size() / 2], times.back());
    return 0;
}
