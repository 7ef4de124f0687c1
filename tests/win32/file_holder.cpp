// A second program that holds a file open as a virus scanner, a sync client or the preview pane
// does: for reading, sharing only reading, so that the file can be neither written, renamed over
// nor deleted meanwhile. The document tests start it as
//   file_holder <file> <ready event> <release event> [--until-written-beside]
// It opens the file, signals the ready event and holds the file until the release event is
// signalled; with --until-written-beside, from a moment after the writer's temporary file has
// appeared beside it. Never longer than a minute.
#include <string>

#include "common/wide_text_win32.h"

#include <shellapi.h>

namespace {

bool WriterIsAt(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\.tbrwiz-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 4) {
        return 2;
    }
    const std::wstring file = arguments[1];
    const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments[2]);
    const HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, arguments[3]);
    const bool untilWritten = count > 4;
    LocalFree(arguments);
    const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE || ready == nullptr || release == nullptr) {
        return 3;
    }
    SetEvent(ready);
    const std::wstring folder = file.substr(0, file.find_last_of(L'\\'));
    for (int waited = 0; waited < 60000; waited += 10) {
        if (WaitForSingleObject(release, 10) == WAIT_OBJECT_0) {
            break;
        }
        if (untilWritten && WriterIsAt(folder)) {
            Sleep(150);  // the writer meets the lock first, then it passes
            break;
        }
    }
    CloseHandle(held);
    return 0;
}
