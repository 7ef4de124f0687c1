// The Windows writer's path rules, on every system: what Windows would reinterpret is refused,
// everything else is taken as it stands. What the system then makes of a path that passes is
// tested through the writer under Wine (tests/win32/document_win32_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "document/windows_names.h"

namespace tbr {
namespace {

// The ASCII of a path, for the messages.
std::string Shown(std::wstring_view path) {
    std::string shown;
    for (const wchar_t c : path) {
        shown += c > 0 && c < 128 ? static_cast<char>(c) : '?';
    }
    return shown;
}

TEST(WindowsNames, RefuseWhatWindowsWouldReinterpret) {
    const struct {
        const wchar_t* path;
        bool taken;
    } rows[] = {
        {L"C:\\Users\\owner\\Notes.tbr", true},
        {L"C:/Users/owner/\\Men\u00FC \u2713.tbr", true},
        {L"Notes.tbr", true},  // relative: from the current folder
        {L"C:Notes.tbr", true},
        {L"C:\\a\\.\\..\\Notes.tbr", true},
        {L"c:\\Users\\owner\\Notes.tbr", true},  // a drive in small letters
        // Devices, in every folder, with any extension, in any case, before spaces.
        {L"C:\\d\\NUL.tbr", false},
        {L"C:\\d\\nul.tbr", false},
        {L"C:\\d\\NUL .tbr", false},
        {L"C:\\d\\CON", false},
        {L"C:\\d\\prn.tbr", false},
        {L"C:\\d\\AUX.tbr", false},
        {L"C:\\d\\CONIN$.tbr", false},
        {L"C:\\d\\CONOUT$.tbr", false},
        {L"C:\\d\\CLOCK$.tbr", false},
        {L"C:\\d\\COM0.tbr", false},
        {L"C:\\d\\lpt9.tbr", false},
        {L"C:\\d\\COM\u00B9.tbr", false},
        {L"C:\\d\\LPT\u00B3.tbr", false},
        {L"C:\\d\\COM\u00B2.tbr", false},
        {L"C:\\NUL\\x.tbr", false},
        {L"C:/d/nul/x.tbr", false},
        {L"C:\\d\\COM10.tbr", true},
        {L"C:\\d\\NULL.tbr", true},
        {L"C:\\d\\CON-X.tbr", true},
        {L"C:\\d\\COM#.tbr", true},
        // Streams, wildcards, reserved characters, controls.
        {L"C:\\d\\a:b.tbr", false},
        {L"C:\\d\\a?.tbr", false},
        {L"C:\\d\\a*.tbr", false},
        {L"C:\\d\\a<b.tbr", false},
        {L"C:\\d\\a>b.tbr", false},
        {L"C:\\d\\a|b.tbr", false},
        {L"C:\\d\\a\"b.tbr", false},
        {L"C:\\d\\tab\there.tbr", false},
        {L"C:\\d\\\x1F.tbr", false},
        // A name ending in a dot or a space would lose it.
        {L"C:\\dot.\\x.tbr", false},
        {L"C:\\space \\x.tbr", false},
        {L"C:\\d\\x.tbr.", false},
        // Roots: a share's names are the server's, the device namespace and other "\\?\" forms
        // are refused, with either separator.
        {L"\\\\server\\NUL\\x.tbr", true},
        {L"\\\\server\\Notes.tbr", true},  // the name taken for a share
        {L"\\\\?\\C:\\d\\x.tbr", true},
        {L"\\\\?\\UNC\\server\\share\\x.tbr", true},
        {L"\\\\?\\UNC\\server\\share\\NUL.tbr", false},
        {L"\\\\.\\C:\\x.tbr", false},
        {L"//./C:/x.tbr", false},
        {L"/\\?\\C:\\x.tbr", false},
        {L"\\/.\\NUL", false},
        {L"\\??\\C:\\x.tbr", false},
        {L"\\\\?\\GLOBALROOT\\x.tbr", false},
        {L"\\\\?\\C:x.tbr", false},  // no drive-relative path in the long form
        {L"\\\\?\\pipe\\x.tbr", false},
        {L"\\\\?\\Volume{00000000-0000-0000-0000-000000000000}\\x.tbr", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsAcceptableWindowsPath(row.path), row.taken) << Shown(row.path);
    }
}

}  // namespace
}  // namespace tbr
