// LaunchEditor with the stand-in editor (fake_tbredit.cpp) first on PATH.
#include "shell/editor_launch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shell/session_bus.h"
#include "tests/shell/fake_editor_log.h"
#include "tests/shell/scoped_env.h"

namespace tbr::testing {
namespace {

class LaunchEditorTest : public ::testing::Test {
  protected:
    // Nothing of ours may remain a child: neither the middle process nor the editor.
    static void ExpectNoChildren() {
        errno = 0;
        EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
        EXPECT_EQ(errno, ECHILD);
    }
    std::optional<FakeEditorLog> launchAndRead(const std::string& path) {
        const Status status = LaunchEditor(path);
        EXPECT_TRUE(status.ok()) << status.error().message;
        return status.ok() ? WaitForFakeEditorLog(log_) : std::nullopt;
    }

    TempDir tmp_;
    std::string log_ = tmp_ / "editor.log";
    ScopedEnv path_{"PATH", TBR_FAKE_EDITOR_DIR};
    ScopedEnv logEnv_{"TBR_FAKE_EDITOR_LOG", log_};
};

struct NamedPath {
    const char* name;
    std::string path;
};

void PrintTo(const NamedPath& p, std::ostream* os) {
    *os << p.name;
}

class HostilePath : public LaunchEditorTest, public ::testing::WithParamInterface<NamedPath> {};

TEST_P(HostilePath, ArrivesByteExactAsTheOneArgument) {
    const std::string& path = GetParam().path;
    const std::optional<FakeEditorLog> log = launchAndRead(path);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->args, (std::vector<std::string>{"tbredit", path}));
    EXPECT_FALSE(std::filesystem::exists(tmp_ / "pwned"));
    ExpectNoChildren();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, HostilePath,
    ::testing::Values(NamedPath{"Spaces", "/home/u/Desktop/Weekly menu.tbr"},
                      NamedPath{"Quotes", "/tmp/it's \"quoted\".tbr"},
                      NamedPath{"CommandSubstitution", "/tmp/$(touch pwned).tbr"},
                      NamedPath{"Backticks", "/tmp/`touch pwned`.tbr"},
                      NamedPath{"Semicolon", "/tmp/a;touch pwned"},
                      NamedPath{"Newline", "/tmp/line\nbreak.tbr"}, NamedPath{"LeadingDash", "-n"},
                      NamedPath{"LongOption", "--help"},
                      NamedPath{"NonAscii", "/tmp/Zo\xc3\xab \xe6\x96\x87.tbr"},
                      NamedPath{"InvalidUtf8", "/tmp/\xff\xfe invalid UTF-8.tbr"},
                      NamedPath{"Glob", "/tmp/*.tbr"}, NamedPath{"Tilde", "~/a.tbr"},
                      NamedPath{"Backslashes", "C:\\x\\y.tbr"},
                      NamedPath{"FormatAndVariable", "/tmp/%s%n$HOME\t.tbr"},
                      NamedPath{"Empty", ""},
                      NamedPath{"LongerThanAnyBuffer", "/" + std::string(20000, 'x') + ".tbr"}),
    [](const ::testing::TestParamInfo<NamedPath>& p) { return std::string(p.param.name); });

TEST_F(LaunchEditorTest, EditorInheritsOnlyStandardDescriptors) {
    // Descriptors without close-on-exec, as a library might leave them.
    const int plain = open("/dev/null", O_RDONLY);
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const int high = dup2(plain, 200);
    ASSERT_GE(plain, 0);
    ASSERT_EQ(high, 200);

    const std::optional<FakeEditorLog> log = launchAndRead("/tmp/a.tbr");
    ASSERT_TRUE(log);
    for (int fd : log->fds) {
        EXPECT_LE(fd, STDERR_FILENO) << "inherited descriptor " << fd;
    }
    for (int fd : {plain, pipeFds[0], pipeFds[1], high}) {
        close(fd);
    }
}

TEST_F(LaunchEditorTest, EditorStartsWithDefaultSignalsInItsOwnSession) {
    sigset_t block;
    sigset_t oldMask;
    sigemptyset(&block);
    sigaddset(&block, SIGUSR1);
    ASSERT_EQ(sigprocmask(SIG_BLOCK, &block, &oldMask), 0);
    struct sigaction ignore = {};
    struct sigaction oldAction = {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGUSR2, &ignore, &oldAction), 0);

    const std::optional<FakeEditorLog> log = launchAndRead("/tmp/a.tbr");
    sigprocmask(SIG_SETMASK, &oldMask, nullptr);
    sigaction(SIGUSR2, &oldAction, nullptr);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->blockedSignals & (1ULL << (SIGUSR1 - 1)), 0U);
    EXPECT_EQ(log->ignoredSignals & (1ULL << (SIGUSR2 - 1)), 0U);
    EXPECT_EQ(log->sid, log->pid);
    EXPECT_NE(log->ppid, getpid());
}

// The launcher process starts the editor and ends at once, as the wizard does; the editor is
// held back until then, so LaunchEditor cannot have waited for it, and it runs on alone.
TEST_F(LaunchEditorTest, DoesNotWaitAndTheEditorOutlivesTheLauncher) {
    const std::string go = tmp_ / "go";
    ScopedEnv waitEnv("TBR_FAKE_EDITOR_WAIT_FOR", go);
    const pid_t launcher = fork();
    ASSERT_GE(launcher, 0);
    if (launcher == 0) {
        _exit(LaunchEditor("/tmp/a.tbr").ok() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(launcher, &status, 0), launcher);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(ReadFakeEditorLog(log_));  // still held back

    WriteFile(go, "");
    const std::optional<FakeEditorLog> log = WaitForFakeEditorLog(log_);
    ASSERT_TRUE(log);
    EXPECT_NE(log->ppid, launcher);
    EXPECT_NE(log->ppid, getpid());
    ExpectNoChildren();
}

TEST_F(LaunchEditorTest, EditorRunningAfterTheCallIsNotOurChild) {
    const std::string go = tmp_ / "go";
    ScopedEnv waitEnv("TBR_FAKE_EDITOR_WAIT_FOR", go);
    ASSERT_TRUE(LaunchEditor("/tmp/a.tbr").ok());
    ExpectNoChildren();
    WriteFile(go, "");
    ASSERT_TRUE(WaitForFakeEditorLog(log_));
}

struct StartFailure {
    const char* what;
    void (*prepare)(const std::string& dir);
    int code;  // 0: the stand-in editor, on PATH after dir, is started
};

TEST_F(LaunchEditorTest, FailureToStartIsAnErrorWithTheOsReason) {
    const auto notExecutable = [](const std::string& dir) {
        WriteFile(dir + "/tbredit", "#!/bin/sh\nexit 0\n");
    };
    const StartFailure cases[] = {
        {"missing", [](const std::string&) {}, ENOENT},
        {"not executable", notExecutable, EACCES},
        {"a folder",
         [](const std::string& dir) { std::filesystem::create_directory(dir + "/tbredit"); },
         EACCES},
        {"bad interpreter",
         [](const std::string& dir) {
             WriteFile(dir + "/tbredit", "#!/nonexistent/interpreter\n");
             chmod((dir + "/tbredit").c_str(), 0755);
         },
         ENOENT},
        // As execvp does, a program that may not be run is passed over for one further on.
        {"not executable, the editor further on", notExecutable, 0},
    };
    for (const StartFailure& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.prepare(dir.path());
        ScopedEnv onlyThere("PATH",
                            c.code == 0 ? dir.path() + ":" + TBR_FAKE_EDITOR_DIR : dir.path());
        if (c.code == 0) {
            EXPECT_TRUE(launchAndRead("/tmp/a.tbr"));
            continue;
        }
        const Status status = LaunchEditor("/tmp/a.tbr");
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error().code, c.code);
        EXPECT_EQ(status.error().message, std::strerror(c.code));
        EXPECT_EQ(status.error().source, "LaunchEditor");
        ExpectNoChildren();
        EXPECT_FALSE(ReadFakeEditorLog(log_));
    }
}

// A shell runs a script without a "#!" line with /bin/sh, and so does the launch.
TEST_F(LaunchEditorTest, ScriptWithoutAnInterpreterLineRunsWithTheShell) {
    TempDir dir;
    WriteFile(dir / "tbredit", "exec \"" TBR_FAKE_EDITOR_DIR "/tbredit\" \"$@\"\n");
    ASSERT_EQ(chmod((dir / "tbredit").c_str(), 0755), 0);
    ScopedEnv onlyThere("PATH", dir.path() + ":" + TBR_FAKE_EDITOR_DIR);
    const std::optional<FakeEditorLog> log = launchAndRead("/tmp/Weekly menu.tbr");
    ASSERT_TRUE(log);
    ASSERT_EQ(log->args.size(), 2u);
    EXPECT_EQ(log->args[1], "/tmp/Weekly menu.tbr");
    ExpectNoChildren();
}

// The editor gets the user's environment: what was done to keep the toolkit off a missing
// session bus stays with the wizard.
TEST_F(LaunchEditorTest, EditorGetsTheUsersEnvironmentWhateverTheBus) {
    constexpr char kBus[] = "DBUS_SESSION_BUS_ADDRESS";
    const struct {
        const char* what;
        std::optional<std::string> userBus;
        bool busSocket;
        const char* wizardSees;     // nullptr: unset
        bool busFile = false;       // a regular file where the bus's socket would be
        bool runtimeFolder = true;  // XDG_RUNTIME_DIR set
        bool nobodys = false;       // the socket given to nobody, where the tests run as root
    } cases[] = {
        {"no bus at all", std::nullopt, false, "disabled:"},
        {"a bus address", "unix:path=/run/user/bus", false, "unix:path=/run/user/bus"},
        {"a bus socket only", std::nullopt, true, nullptr},
        {"a file in the bus's place", std::nullopt, false, "disabled:", true},
        {"no runtime folder", std::nullopt, false, "disabled:", false, false},
        {"another user's bus socket", std::nullopt, true, "disabled:", false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir runtime;
        if (c.busSocket) {
            const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const std::string socketPath = runtime / "bus";
            socketPath.copy(address.sun_path, sizeof(address.sun_path) - 1);
            ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
            close(fd);
            const passwd* nobody = getpwnam("nobody");
            if (c.nobodys && (geteuid() != 0 || nobody == nullptr ||
                              chown(socketPath.c_str(), nobody->pw_uid, nobody->pw_gid) != 0)) {
                continue;  // only root gives a socket away
            }
        }
        if (c.busFile) {
            WriteFile(runtime / "bus", "");
        }
        ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", c.runtimeFolder
                                                    ? std::optional<std::string>(runtime.path())
                                                    : std::nullopt);
        ScopedEnv bus(kBus, c.userBus);
        KeepOffMissingSessionBus();
        const char* seen = std::getenv(kBus);
        EXPECT_EQ(seen == nullptr ? std::string("<unset>") : seen,
                  c.wizardSees == nullptr ? "<unset>" : c.wizardSees);

        std::filesystem::remove(log_);
        const std::optional<FakeEditorLog> log = launchAndRead("/tmp/a.tbr");
        ASSERT_TRUE(log);
        std::vector<std::string> busEntries;
        for (const std::string& entry : log->environment) {
            if (entry.starts_with(std::string(kBus) + "=")) {
                busEntries.push_back(entry);
            }
        }
        EXPECT_EQ(busEntries, c.userBus
                                  ? std::vector<std::string>{std::string(kBus) + "=" + *c.userBus}
                                  : std::vector<std::string>{});
    }
}

TEST_F(LaunchEditorTest, PathWithANulCharacterIsRefused) {
    const Status status = LaunchEditor(std::string("/tmp/a\0b.tbr", 12));
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, EINVAL);
    EXPECT_EQ(status.error().source, "LaunchEditor");
    EXPECT_FALSE(ReadFakeEditorLog(log_));
}

}  // namespace
}  // namespace tbr::testing
