// Runs the writer in a process of its own under the fault shim and upsets each of its file calls
// in turn: a failure, an interruption, a short write, a SIGKILL. Whatever happens, the target
// must hold exactly the old file or exactly the new document; a reported failure must mean the
// old file; and only a killed process may leave a temporary file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <set>
#include <sstream>
#include <thread>
#include <utility>

#include "document_test_support.h"

namespace tbr {
namespace {

using testing::Bytes;
using testing::EntriesOf;
using testing::NewDocument;
using testing::OldContent;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

using Environment = std::vector<std::pair<std::string, std::string>>;

struct Outcome {
    bool exited = false;
    int status = -1;  // exit status, or the signal that ended the process
    std::string output;
};

// Runs the driver on `target` with the shim preloaded; kills it after 10 s.
Outcome RunDriver(const std::string& target, const Environment& environment) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::setenv("LD_PRELOAD", TBR_FAULT_SHIM, 1);
        for (const auto& [name, value] : environment) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        ::execl(TBR_WRITE_DRIVER, TBR_WRITE_DRIVER, target.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    Outcome outcome;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ADD_FAILURE() << "the writer hung";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    char buffer[512];
    ssize_t got;
    while ((got = ::read(pipeEnds[0], buffer, sizeof(buffer))) > 0) {
        outcome.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    outcome.exited = WIFEXITED(status);
    outcome.status = outcome.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return outcome;
}

const Bytes& OldFile() {
    static const Bytes old = OldContent(5000);
    return old;
}

// The calls the writer makes while replacing an old file, in order ("open", "openat", ...).
std::vector<std::string> TracedCalls() {
    ScratchFolder folder;
    WriteFile(folder / "Notes.tbr", OldFile());
    const std::string trace = folder.path() + ".trace";
    const Outcome outcome = RunDriver(folder / "Notes.tbr", {{"TBR_FAULT_TRACE", trace}});
    EXPECT_TRUE(outcome.exited && outcome.status == 0) << outcome.output;
    std::vector<std::string> calls;
    std::ifstream in(trace);
    long number = 0;
    std::string name;
    while (in >> number >> name) {
        calls.push_back(name);
    }
    std::filesystem::remove(trace);
    return calls;
}

struct Upset {
    std::size_t call;  // counting from 1
    std::string name;
    Outcome outcome;
    std::optional<Bytes> target;
    std::vector<std::string> entries;
};

// Replaces an old file once for each call the writer makes, upsetting that call.
std::vector<Upset> UpsetEachCall(const std::string& action, const std::string& error = "5") {
    const std::vector<std::string> calls = TracedCalls();
    std::vector<Upset> results;
    for (std::size_t n = 1; n <= calls.size(); ++n) {
        ScratchFolder folder;
        WriteFile(folder / "Notes.tbr", OldFile());
        Upset upset{n, calls[n - 1], {}, {}, {}};
        upset.outcome = RunDriver(folder / "Notes.tbr", {{"TBR_FAULT_CALL", std::to_string(n)},
                                                         {"TBR_FAULT_ACTION", action},
                                                         {"TBR_FAULT_ERRNO", error}});
        upset.target = ReadFile(folder / "Notes.tbr");
        upset.entries = EntriesOf(folder.path());
        results.push_back(std::move(upset));
    }
    return results;
}

std::string Describe(const Upset& upset) {
    std::ostringstream text;
    text << "call " << upset.call << " (" << upset.name
         << "): " << (upset.outcome.exited ? "exit " : "signal ") << upset.outcome.status << " "
         << upset.outcome.output;
    return text.str();
}

TEST(EveryFileCall, TheShimSeesTheWritersCalls) {
    const std::vector<std::string> calls = TracedCalls();
    const std::multiset<std::string> seen(calls.begin(), calls.end());
    for (const char* expected : {"open", "openat", "openat-read", "write", "close", "renameat"}) {
        EXPECT_GE(seen.count(expected), 1u) << expected;
    }
    EXPECT_EQ(seen.count("fsync"), 2u) << "the file and its folder";
}

TEST(EveryFileCall, AFailureAnywhereLeavesOldOrNewAndNoTemporaryFile) {
    // Every failure before the new document is in place is reported, and leaves the old file;
    // once the rename is done, the new document is there and success is reported. Reading the
    // old file's metadata (opening it, closing it again) is the exception: a failure there is
    // passed over and the write goes on.
    bool renamed = false;
    std::string previous;
    for (const Upset& upset : UpsetEachCall("fail")) {
        SCOPED_TRACE(Describe(upset));
        ASSERT_TRUE(upset.outcome.exited);
        EXPECT_EQ(upset.entries, std::vector<std::string>{"Notes.tbr"});
        const bool passedOver =
            upset.name == "openat-read" || (previous == "openat-read" && upset.name == "close");
        previous = upset.name;
        if (renamed || passedOver) {
            EXPECT_EQ(upset.outcome.status, 0);
            EXPECT_EQ(upset.target, NewDocument());
        } else {
            EXPECT_EQ(upset.outcome.status, 1);
            EXPECT_EQ(upset.target, OldFile());
            EXPECT_EQ(upset.outcome.output.rfind("5 ", 0), 0u) << "the injected EIO is reported";
        }
        renamed = renamed || upset.name == "renameat";
    }
    EXPECT_TRUE(renamed);
}

TEST(EveryFileCall, AKillAnywhereLeavesExactlyOldOrNew) {
    for (const Upset& upset : UpsetEachCall("kill")) {
        SCOPED_TRACE(Describe(upset));
        EXPECT_FALSE(upset.outcome.exited);
        EXPECT_EQ(upset.outcome.status, SIGKILL);
        EXPECT_TRUE(upset.target == OldFile() || upset.target == NewDocument());
    }
}

TEST(EveryFileCall, InterruptionsAndShortWritesAreCarriedThrough) {
    // Interrupted opens, writes and flushes are retried; a short write is continued.
    const std::set<std::string> retried = {"open",  "openat", "openat-read",
                                           "write", "fsync",  "close"};
    for (const char* action : {"eintr", "short"}) {
        for (const Upset& upset : UpsetEachCall(action)) {
            SCOPED_TRACE(std::string(action) + ", " + Describe(upset));
            ASSERT_TRUE(upset.outcome.exited);
            EXPECT_EQ(upset.entries, std::vector<std::string>{"Notes.tbr"});
            if (std::string(action) == "short" || retried.count(upset.name) != 0) {
                EXPECT_EQ(upset.outcome.status, 0);
            }
            EXPECT_EQ(upset.target, upset.outcome.status == 0 ? NewDocument() : OldFile());
        }
    }
}

}  // namespace
}  // namespace tbr
