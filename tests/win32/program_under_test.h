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
