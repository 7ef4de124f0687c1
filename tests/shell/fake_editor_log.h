// Reads the record that the stand-in editor (fake_tbredit.cpp, installed as `tbredit`) writes to
// $TBR_FAKE_EDITOR_LOG. For any test that starts the editor; include as "tests/shell/...".
#pragma once

#include <sys/types.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace tbr::testing {

struct FakeEditorLog {
    pid_t pid = 0;
    pid_t ppid = 0;
    pid_t sid = 0;
    pid_t pgid = 0;
    unsigned long long blockedSignals = 0;  // bit n-1 stands for signal n
    unsigned long long ignoredSignals = 0;
    std::vector<std::string> args;         // argv[0] first, byte for byte
    std::vector<int> fds;                  // descriptors open when the editor started, ascending
    std::vector<std::string> environment;  // "NAME=value", as the editor got them
};

// The record, or std::nullopt when the file is missing or not a complete record.
inline std::optional<FakeEditorLog> ReadFakeEditorLog(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    FakeEditorLog log;
    bool complete = false;
    std::size_t start = 0;
    try {
        for (std::size_t end; (end = text.find('\0', start)) != std::string::npos;
             start = end + 1) {
            const std::string field = text.substr(start, end - start);
            const std::size_t equals = field.find('=');
            if (equals == std::string::npos || complete) {
                return std::nullopt;
            }
            const std::string key = field.substr(0, equals);
            const std::string value = field.substr(equals + 1);
            if (key == "arg") {
                log.args.push_back(value);
            } else if (key == "env") {
                log.environment.push_back(value);
            } else if (key == "fd") {
                log.fds.push_back(std::stoi(value));
            } else if (key == "pid") {
                log.pid = std::stoi(value);
            } else if (key == "ppid") {
                log.ppid = std::stoi(value);
            } else if (key == "sid") {
                log.sid = std::stoi(value);
            } else if (key == "pgid") {
                log.pgid = std::stoi(value);
            } else if (key == "sigblk") {
                log.blockedSignals = std::stoull(value, nullptr, 16);
            } else if (key == "sigign") {
                log.ignoredSignals = std::stoull(value, nullptr, 16);
            } else if (key == "end") {
                complete = true;
            }
        }
    } catch (const std::logic_error&) {  // a number that is none
        return std::nullopt;
    }
    if (!complete || start != text.size()) {
        return std::nullopt;
    }
    return log;
}

// Waits for the record to appear; std::nullopt when it has not within the timeout.
inline std::optional<FakeEditorLog> WaitForFakeEditorLog(
    const std::string& path, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (std::optional<FakeEditorLog> log = ReadFakeEditorLog(path)) {
            return log;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

}  // namespace tbr::testing
