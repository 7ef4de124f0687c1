// startup_probe: how long a program takes from its start until its main window is mapped on the
// X server, and its resident memory at that moment, against a baseline program; the two run
// alternately (program, baseline, program, ...) after one warm-up each. Prints Markdown. For
// reference it also reports the processor time used until the mapping, the time and memory when
// something is first drawn into the window, and the time of the last drawing before the window
// stays unchanged for kStillMs.
//
//   startup_probe [--runs N] [--time-goal R] [--memory-goal R] [--first-drawing-goal R]
//                 [--last-drawing-goal R] [--launcher COMMAND] [--program-env NAME=VALUE]
//                 [--program-title TITLE] TITLE PROGRAM BASELINE
//
// The goals are the most that program / baseline may be for the time until the mapping (default
// 1.3), the memory then (1.15) and the times until the first and the last drawing (none); `none`
// for no goal.
//
// Both programs are started without arguments and must show a top-level window titled TITLE.
// --program-env adds a variable to the program's environment only, and --program-title names
// its window's title where that differs (the same program in two languages: LC_ALL under Wine).
// With --launcher, each is started as `COMMAND PROGRAM` (COMMAND looked up in PATH), for example
// `wine`; the launcher must become the program's process (exec, as wine does) so that the window
// names the process that was started. Run it on an X server without a window manager
// (scripts/with-xvfb.sh); bench/startup/run.sh and run_wine.sh do.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "proc_sample.h"
#include "summary.h"
#include "window_watch.h"

extern char** environ;

namespace tbr::bench {
namespace {

// A window is complete when nothing more has been drawn into it for this long; a program whose
// window is not seen within kTimeoutS fails the run.
constexpr std::int64_t kStillMs = 300;
constexpr std::int64_t kTimeoutS = 30;

struct Options {
    int runs = 10;
    Goals goals;
    std::string launcher;  // empty: the programs are started directly
    std::string title;
    std::string program_title;  // empty: title
    std::vector<std::string> program_env;
    std::string program;
    std::string baseline;
};

[[noreturn]] void Usage() {
    std::fprintf(stderr,
                 "usage: startup_probe [--runs N] [--time-goal R] "
                 "[--memory-goal R] [--first-drawing-goal R] [--last-drawing-goal R] "
                 "[--launcher COMMAND] [--program-env NAME=VALUE] "
                 "[--program-title TITLE] TITLE PROGRAM BASELINE\n"
                 "(a goal R is a ratio or none)\n");
    std::exit(2);
}

double Number(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(value > 0)) {
        Usage();
    }
    return value;
}

// A ratio, or none (0).
double Goal(const char* text) {
    return std::strcmp(text, "none") == 0 ? 0 : Number(text);
}

Options Parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            Usage();
        }
        const char* value = argv[++i];
        if (flag == "--launcher") {
            options.launcher = value;
        } else if (flag == "--program-env") {
            options.program_env.emplace_back(value);
        } else if (flag == "--program-title") {
            options.program_title = value;
        } else if (flag == "--runs") {
            options.runs = static_cast<int>(Number(value));
        } else if (flag == "--time-goal") {
            options.goals.time_ratio = Goal(value);
        } else if (flag == "--memory-goal") {
            options.goals.memory_ratio = Goal(value);
        } else if (flag == "--first-drawing-goal") {
            options.goals.first_drawing_ratio = Goal(value);
        } else if (flag == "--last-drawing-goal") {
            options.goals.last_drawing_ratio = Goal(value);
        } else {
            Usage();
        }
    }
    if (argc - i != 3 || options.runs < 1) {
        Usage();
    }
    options.title = argv[i];
    options.program = argv[i + 1];
    options.baseline = argv[i + 2];
    return options;
}

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Starts `path` without arguments, through the launcher if there is one, with this process's
// environment and `extra` (NAME=VALUE, replacing a variable of that name); its output goes to
// /dev/null.
pid_t Spawn(const std::string& launcher, const std::string& path,
            const std::vector<std::string>& extra) {
    std::vector<char*> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view name(*variable, std::strcspn(*variable, "="));
        const bool replaced = std::any_of(extra.begin(), extra.end(), [name](const std::string& e) {
            return e.compare(0, e.find('='), name) == 0;
        });
        if (!replaced) {
            environment.push_back(*variable);
        }
    }
    for (const std::string& variable : extra) {
        environment.push_back(const_cast<char*>(variable.c_str()));
    }
    environment.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* const direct[] = {const_cast<char*>(path.c_str()), nullptr};
    char* const launched[] = {const_cast<char*>(launcher.c_str()), const_cast<char*>(path.c_str()),
                              nullptr};
    pid_t pid = -1;
    const int error =
        launcher.empty()
            ? posix_spawn(&pid, path.c_str(), &actions, nullptr, direct, environment.data())
            : posix_spawnp(&pid, launcher.c_str(), &actions, nullptr, launched, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s: %s\n",
                     (launcher.empty() ? path : launcher).c_str(), std::strerror(error));
        std::exit(1);
    }
    return pid;
}

void End(pid_t pid, bool exited) {
    if (exited) {
        return;
    }
    kill(pid, SIGKILL);
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

const char* Why(WaitOutcome outcome) {
    switch (outcome) {
        case WaitOutcome::kTimedOut:
            return "no window in time";
        case WaitOutcome::kGaveUp:
            return "the program ended before its window was mapped";
        case WaitOutcome::kServerLost:
            return "lost the X server";
        case WaitOutcome::kUnsupported:
            return "the X server cannot tell";
        case WaitOutcome::kSeen:
            break;
    }
    return "";
}

void Fail(const std::string& path, const char* why) {
    std::fprintf(stderr, "startup_probe: %s: %s\n", path.c_str(), why);
    std::exit(1);
}

// One start of a program: until its window is mapped and first drawn, then killed and gone.
Sample RunOnce(WindowWatch& watch, const Options& options, const std::string& path,
               ProgramRuns& runs, bool baseline) {
    constexpr std::int64_t timeout_ns = kTimeoutS * 1'000'000'000;
    const std::string& title =
        baseline || options.program_title.empty() ? options.title : options.program_title;
    const std::int64_t start = MonotonicNs();
    const pid_t pid =
        Spawn(options.launcher, path, baseline ? std::vector<std::string>() : options.program_env);
    bool exited = false;
    const auto running = [pid, &exited] {
        exited = exited || waitpid(pid, nullptr, WNOHANG) == pid;
        return !exited;
    };
    MappedWindow window;
    const WaitOutcome mapped = watch.waitForMap(title, pid, start + timeout_ns, running, &window);
    if (mapped != WaitOutcome::kSeen) {
        End(pid, exited);
        Fail(path, Why(mapped));
    }
    // The figures of the moment first, while it lasts; everything else after.
    const auto memory = ReadMemory(pid);
    const auto cpu_ns = ReadCpuNs(pid);
    watch.size(window.id, &runs.width, &runs.height);
    std::int64_t drawn_ns = 0;
    const WaitOutcome drawn = watch.waitForDraw(window.id, start + timeout_ns, &drawn_ns);
    const auto drawn_memory = drawn == WaitOutcome::kSeen ? ReadMemory(pid) : std::nullopt;
    std::int64_t last_drawn_ns = 0;
    const bool still = drawn == WaitOutcome::kSeen &&
                       watch.waitForStill(window.id, kStillMs * 1'000'000, start + timeout_ns,
                                          &last_drawn_ns) == WaitOutcome::kSeen;
    // Nothing has been drawn for a while: the program is idle, and this is what starting and
    // drawing its window took.
    const auto still_cpu_ns = still ? ReadCpuNs(pid) : std::nullopt;
    End(pid, exited);
    if (!memory) {
        Fail(path, "cannot read its memory");
    }
    if (watch.waitForDestroy(window.id, MonotonicNs() + timeout_ns) != WaitOutcome::kSeen) {
        Fail(path, "its window stays after its end");
    }
    Sample sample;
    sample.ms = static_cast<double>(window.mapped_ns - start) / 1e6;
    sample.cpu_ms = cpu_ns ? static_cast<double>(*cpu_ns) / 1e6 : 0;
    sample.memory = *memory;
    if (drawn_memory) {
        sample.drawn_ms = static_cast<double>(drawn_ns - start) / 1e6;
        sample.drawn_rss_kib = drawn_memory->vm_rss_kib;
    }
    if (still) {
        sample.last_drawn_ms = static_cast<double>(last_drawn_ns - start) / 1e6;
        sample.still_cpu_ms = still_cpu_ns ? static_cast<double>(*still_cpu_ns) / 1e6 : 0;
    }
    return sample;
}

}  // namespace
}  // namespace tbr::bench

int main(int argc, char** argv) {
    using namespace tbr::bench;
    const Options options = Parse(argc, argv);
    std::string error;
    const auto watch = WindowWatch::Connect(&error);
    if (!watch) {
        std::fprintf(stderr, "startup_probe: %s\n", error.c_str());
        return 1;
    }
    std::string name = BaseName(options.program);
    for (const std::string& variable : options.program_env) {
        name += " " + variable;  // the same program in another environment is told apart
    }
    ProgramRuns program{name, 0, 0, {}};
    ProgramRuns baseline{BaseName(options.baseline), 0, 0, {}};
    // Warm-up: loads the libraries, fonts and caches into memory for both alike.
    RunOnce(*watch, options, options.program, program, false);
    RunOnce(*watch, options, options.baseline, baseline, true);
    for (int i = 0; i < options.runs; ++i) {
        for (ProgramRuns* runs : {&program, &baseline}) {
            const std::string& path = runs == &program ? options.program : options.baseline;
            runs->samples.push_back(RunOnce(*watch, options, path, *runs, runs == &baseline));
        }
    }
    std::fputs(Summarize(program, baseline, options.goals).c_str(), stdout);
    return 0;
}
