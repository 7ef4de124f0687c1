#include "shell/dll_search_win32.h"

#include "common/wide_text_win32.h"

namespace tbr {
namespace {

// Whether SearchDllsInSystemFolderOnly left out the current folder with SetDllDirectoryW.
bool currentFolderLeftOut = false;

}  // namespace

void SearchDllsInSystemFolderOnly() {
    // Windows 8 and later; the program needs Windows 10. A failure leaves the default search,
    // which the next line still keeps out of the current folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    currentFolderLeftOut = SetDllDirectoryW(L"") != FALSE;
}

DefaultDllSearchForNewProcesses::DefaultDllSearchForNewProcesses()
    : restore_(currentFolderLeftOut) {
    // This process's own loads by name still follow SetDefaultDllDirectories meanwhile.
    if (restore_) {
        SetDllDirectoryW(nullptr);
    }
}

DefaultDllSearchForNewProcesses::~DefaultDllSearchForNewProcesses() {
    if (restore_) {
        SetDllDirectoryW(L"");
    }
}

}  // namespace tbr
