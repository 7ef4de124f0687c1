// Starting the editor on Linux.
//
// The editor gets an argument vector, never a shell: argv is {"tbredit", path}, so the path
// arrives byte for byte whatever it holds. The program is found the way execvp finds it: each
// folder of PATH in turn (the system's default path when PATH is unset), and a file there that
// the system cannot start as a program (a script without a "#!" line) is run by /bin/sh, with
// the path again as its one argument. The editor gets the user's environment, as the program
// received it.
//
// The wizard ends right after a successful start and the editor runs on alone, so the start is
// detached:
// - a short-lived middle process spawns the editor and exits at once; we reap it, and the editor
//   is re-parented to init (or the session's subreaper). No zombie is left with us, and the
//   editor is never our child.
// - the editor starts a session of its own (setsid): closing the terminal or pressing Ctrl+C
//   where the wizard was started does not take the editor down with it.
// - it inherits no descriptor of ours beyond standard input, output and error, not even one that
//   lacks close-on-exec (every descriptor from 3 up is closed in the new process).
// - it starts with an empty signal mask and every signal at its default action.
// posix_spawn reports a failed exec (not found, not executable, a folder) as an error number;
// the middle process hands that number back through a pipe before LaunchEditor returns, so a
// failed start is an error at once and nothing is tried a second time.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "shell/editor_launch.h"
#include "shell/session_bus.h"

extern char** environ;

namespace tbr {
namespace {

constexpr const char* kSource = "LaunchEditor";

OsError Error(int code) {
    return OsError{code, std::generic_category().message(code), kSource};
}

// What the new process is given besides its arguments: prepared before the fork, because the
// middle process of a program with threads may only call async-signal-safe functions.
class SpawnSetup {
  public:
    SpawnSetup() {
        initError_ = posix_spawn_file_actions_init(&actions_);
        if (initError_ != 0) {
            return;
        }
        actionsReady_ = true;
        initError_ = posix_spawnattr_init(&attr_);
        if (initError_ != 0) {
            return;
        }
        attrReady_ = true;
        initError_ = configure();
    }
    ~SpawnSetup() {
        if (attrReady_) {
            posix_spawnattr_destroy(&attr_);
        }
        if (actionsReady_) {
            posix_spawn_file_actions_destroy(&actions_);
        }
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    int error() const { return initError_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attr() const { return &attr_; }

  private:
    int configure() {
        if (int rc = posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1)) {
            return rc;
        }
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        if (int rc = posix_spawnattr_setsigmask(&attr_, &none)) {
            return rc;
        }
        if (int rc = posix_spawnattr_setsigdefault(&attr_, &all)) {
            return rc;
        }
        const auto flags =
            static_cast<short>(POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
        return posix_spawnattr_setflags(&attr_, flags);
    }

    posix_spawn_file_actions_t actions_{};
    posix_spawnattr_t attr_{};
    bool actionsReady_ = false;
    bool attrReady_ = false;
    int initError_ = 0;
};

// Where execvp would look for a program: each folder of PATH, an empty one meaning the current
// folder; the system's default path when PATH is unset; the name alone when it holds a '/'.
std::vector<std::string> ProgramCandidates(const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return {name};
    }
    std::string path;
    if (const char* variable = std::getenv("PATH")) {
        path = variable;
    } else if (const std::size_t size = ::confstr(_CS_PATH, nullptr, 0); size > 0) {
        path.resize(size);
        ::confstr(_CS_PATH, path.data(), size);
        path.resize(size - 1);
    }
    std::vector<std::string> candidates;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(path.find(':', start), path.size());
        const std::string folder = path.substr(start, end - start);
        candidates.push_back(folder.empty() ? name : folder + "/" + name);
        if (end == path.size()) {
            return candidates;
        }
        start = end + 1;
    }
}

// What the new process is started with; prepared before the fork.
struct StartRequest {
    const SpawnSetup& setup;
    std::vector<char*> candidates;  // full paths, as execvp tries them
    char* const* argv;
    std::vector<char*> environment;  // ends in nullptr
};

// Runs in the middle process: only async-signal-safe calls from here on. Tries each candidate as
// execvp does and returns 0 or the error number execvp would leave.
int StartFirstCandidate(const StartRequest& request) {
    static char shell[] = "/bin/sh";
    const posix_spawn_file_actions_t* actions = request.setup.actions();
    const posix_spawnattr_t* attr = request.setup.attr();
    char* const* environment = request.environment.data();
    bool accessDenied = false;
    for (char* candidate : request.candidates) {
        pid_t editor = 0;
        int rc = posix_spawn(&editor, candidate, actions, attr, request.argv, environment);
        if (rc == ENOEXEC) {
            char* const script[] = {shell, candidate, request.argv[1], nullptr};
            rc = posix_spawn(&editor, shell, actions, attr, script, environment);
        }
        switch (rc) {
            case EACCES:
                accessDenied = true;
                break;
            case ENOENT:
            case ENOTDIR:
            case ESTALE:
            case ENODEV:
            case ETIMEDOUT:
                break;
            default:
                return rc;
        }
    }
    return accessDenied ? EACCES : ENOENT;
}

// Runs in the middle process: only async-signal-safe calls from here on. The report is one int,
// fewer bytes than a pipe writes at once (PIPE_BUF), so it arrives whole or not at all.
[[noreturn]] void SpawnAndReport(const StartRequest& request, int reportFd) {
    const int rc = StartFirstCandidate(request);
    while (::write(reportFd, &rc, sizeof rc) < 0 && errno == EINTR) {
    }
    _exit(0);
}

// The middle process's report: the start's result, or EIO when it died without reporting.
int ReadReport(int fd) {
    int rc = 0;
    ssize_t got = 0;
    do {
        got = ::read(fd, &rc, sizeof rc);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof rc) ? rc : EIO;
}

}  // namespace

Status LaunchEditor(const std::string& path) {
    // The path cannot cross as an argument with a NUL inside: the editor would open another file.
    if (path.find('\0') != std::string::npos) {
        return Error(EINVAL);
    }
    SpawnSetup setup;
    if (setup.error() != 0) {
        return Error(setup.error());
    }
    std::string program = kEditorProgram;
    std::string argument = path;
    char* const argv[] = {program.data(), argument.data(), nullptr};
    std::vector<std::string> candidates = ProgramCandidates(program);
    StartRequest request{setup, {}, argv, {}};
    for (std::string& candidate : candidates) {
        request.candidates.push_back(candidate.data());
    }
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!IsAddedForMissingSessionBus(*entry)) {
            request.environment.push_back(*entry);
        }
    }
    request.environment.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return Error(errno);
    }
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::close(report[0]);
        SpawnAndReport(request, report[1]);
    }
    const int forkError = errno;
    ::close(report[1]);
    if (middle < 0) {
        ::close(report[0]);
        return Error(forkError);
    }
    const int rc = ReadReport(report[0]);
    ::close(report[0]);
    // Reaped; ECHILD: the caller ignores SIGCHLD and the kernel has reaped it already.
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    if (rc != 0) {
        return Error(rc);
    }
    return {};
}

bool IsExistingFile(const std::string& path) {
    struct stat info = {};
    return !path.empty() && path.find('\0') == std::string::npos &&
           ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace tbr
