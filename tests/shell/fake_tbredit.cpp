// A stand-in for the editor `tbredit`, for tests that start the editor. Built as the CMake target
// fake_tbredit with the file name `tbredit`, alone in its folder, so a test can put that folder
// first on PATH. The folder is $<TARGET_FILE_DIR:fake_tbredit> (also the cache variable
// TBR_FAKE_EDITOR_DIR); tests/shell/fake_editor_log.h reads what it writes.
//
// Environment:
//   TBR_FAKE_EDITOR_LOG       file to write the record to; without it nothing is written.
//   TBR_FAKE_EDITOR_WAIT_FOR  optional: wait until this path exists before writing the record
//                             (checked every 10 ms, for at most 20 s), so a test can show that its
//                             caller did not wait for the editor.
//   TBR_FAKE_EDITOR_SLEEP_MS  optional: stay alive this many milliseconds after writing (at most
//                             60000).
//
// The record appears at once and complete: it is written to a temporary file beside it and then
// renamed. It is a list of key=value fields, each ended by a NUL character (no argument can hold
// one), so every byte of an argument survives, newlines included:
//   arg=<argv[0]>\0 arg=<argv[1]>\0 ...     every argument, argv[0] ("tbredit") first
//   fd=<n>\0 ...                            the descriptors open when the program started
//   pid=<n>\0 ppid=<n>\0 sid=<n>\0 pgid=<n>\0
//   sigblk=<hex>\0 sigign=<hex>\0           blocked and ignored signals at start, as in
//                                           /proc/self/status: bit n-1 stands for signal n
//   env=<NAME=value>\0 ...                  the environment, entry by entry
//   end=\0                                  last: the record is complete
// From a shell script, the arguments after argv[0], each ended by a NUL:
//   grep -z '^arg=' "$TBR_FAKE_EDITOR_LOG" | sed -z 's/^arg=//' | tail -z -n +2
// Exit status 0, or 1 when the record could not be written.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The descriptors open right now, without the one used to list them.
std::vector<int> OpenDescriptors() {
    std::vector<int> fds;
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr) {
        return fds;
    }
    const int own = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const int fd = std::atoi(entry->d_name);
        if (fd != own) {
            fds.push_back(fd);
        }
    }
    closedir(dir);
    std::sort(fds.begin(), fds.end());
    return fds;
}

// One hexadecimal mask line of /proc/self/status ("SigBlk", "SigIgn"), "0" when unknown.
std::string StatusMask(const std::string& field) {
    std::string result = "0";
    if (FILE* f = std::fopen("/proc/self/status", "re")) {
        char line[512];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            const std::string text = line;
            if (text.rfind(field + ":", 0) == 0) {
                const std::size_t start = text.find_first_not_of(" \t", field.size() + 1);
                const std::size_t end = text.find_last_not_of(" \t\n");
                if (start != std::string::npos && end >= start) {
                    result = text.substr(start, end - start + 1);
                }
            }
        }
        std::fclose(f);
    }
    return result;
}

void SleepMs(long ms) {
    usleep(static_cast<useconds_t>(ms) * 1000);
}

void WaitFor(const char* path) {
    struct stat st = {};
    for (int i = 0; i < 2000 && stat(path, &st) != 0; ++i) {
        SleepMs(10);
    }
}

std::string Record(int argc, char** argv, const std::vector<int>& fds, const std::string& sigblk,
                   const std::string& sigign) {
    std::string out;
    const auto field = [&out](const char* key, const std::string& value) {
        out += key;
        out += '=';
        out += value;
        out += '\0';
    };
    for (int i = 0; i < argc; ++i) {
        field("arg", argv[i]);
    }
    for (int fd : fds) {
        field("fd", std::to_string(fd));
    }
    field("pid", std::to_string(getpid()));
    field("ppid", std::to_string(getppid()));
    field("sid", std::to_string(getsid(0)));
    field("pgid", std::to_string(getpgid(0)));
    field("sigblk", sigblk);
    field("sigign", sigign);
    for (char** entry = environ; *entry != nullptr; ++entry) {
        field("env", *entry);
    }
    field("end", "");
    return out;
}

bool WriteAtomically(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp" + std::to_string(getpid());
    FILE* f = std::fopen(temporary.c_str(), "wbe");
    if (f == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !written) {
        std::remove(temporary.c_str());
        return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<int> fds = OpenDescriptors();
    const std::string sigblk = StatusMask("SigBlk");
    const std::string sigign = StatusMask("SigIgn");
    if (const char* waitFor = std::getenv("TBR_FAKE_EDITOR_WAIT_FOR")) {
        WaitFor(waitFor);
    }
    if (const char* log = std::getenv("TBR_FAKE_EDITOR_LOG")) {
        if (!WriteAtomically(log, Record(argc, argv, fds, sigblk, sigign))) {
            return 1;
        }
    }
    if (const char* sleepMs = std::getenv("TBR_FAKE_EDITOR_SLEEP_MS")) {
        SleepMs(std::clamp(std::atol(sleepMs), 0L, 60000L));
    }
    return 0;
}
