// A stand-in for the editor, built as tbredit.exe in a folder of its own: it records how it was
// started and ends. The record goes to the file that TBREDIT_RECORD names, in UTF-8: the raw
// command line on the first line, then one line per argument as the system splits them. Its
// environment, one "name=value" line per variable in the system's order, goes beside it in
// "<record>.environment", written first.
#include <cwchar>
#include <string>

#include "common/wide_text_win32.h"

#include <shellapi.h>

namespace {

void WriteRecord(const std::wstring& recordPath, const std::string& text) {
    // Written beside the record and moved into place, so a reader never sees half of it.
    const std::wstring partial = recordPath + L".partial";
    const HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(partial.c_str(), recordPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string EnvironmentText() {
    std::string text;
    wchar_t* const block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; entry != nullptr && *entry != L'\0';
         entry += std::wcslen(entry) + 1) {
        text += tbr::Utf8Text(entry) + "\n";
    }
    FreeEnvironmentStringsW(block);
    return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t recordPath[32768] = {};
    if (GetEnvironmentVariableW(L"TBREDIT_RECORD", recordPath, 32768) == 0) {
        return 3;
    }
    const wchar_t* commandLine = GetCommandLineW();
    std::string record = tbr::Utf8Text(commandLine) + "\n";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    for (int i = 0; arguments != nullptr && i < count; ++i) {
        record += tbr::Utf8Text(arguments[i]) + "\n";
    }
    LocalFree(arguments);
    WriteRecord(std::wstring(recordPath) + L".environment", EnvironmentText());
    WriteRecord(recordPath, record);
    return 0;
}
