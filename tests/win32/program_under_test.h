// For the test programs that examine tbrwiz.exe from outside: the program's path is their first
// argument, a Linux path when they run under Wine.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/win32/win32_test_support.h"

namespace tbr::testing {

// The path of tbrwiz.exe as Windows sees it.
inline std::wstring programPath;

// The program started as a user would (by default the one under test), ended with the test.
class RunningProgram {
  public:
    explicit RunningProgram(const std::wstring& path = programPath) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + path + L"\"";
        started_ = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &startup, &process_) != FALSE;
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram() {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 99);  // a failed test must not leave it
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    bool started() const { return started_; }

    // The program's visible top-level window with this title, once it is there.
    HWND window(const wchar_t* title, DWORD milliseconds = 15000) const {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        do {
            for (HWND found = FindWindowExW(nullptr, nullptr, nullptr, title); found != nullptr;
                 found = FindWindowExW(nullptr, found, nullptr, title)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == process_.dwProcessId && IsWindowVisible(found)) {
                    return found;
                }
            }
            Sleep(20);
        } while (GetTickCount64() < end);
        return nullptr;
    }

    // The program's exit code once it has ended, or -1 when it is still running.
    long exitCode(DWORD milliseconds = 15000) const {
        if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<long>(code);
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// The whole of such a test program's main(): takes the path, then runs the tests.
inline int RunTestsOnProgram(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <path of tbrwiz.exe>\n", argv[0]);
        return 2;
    }
    std::wstring path = Wide(argv[1]);
    if (!path.empty() && path[0] == L'/') {  // a Linux path, seen from Wine through drive Z:
        std::replace(path.begin(), path.end(), L'/', L'\\');
        path = L"Z:" + path;
    }
    programPath = path;
    return RUN_ALL_TESTS();
}

}  // namespace tbr::testing
