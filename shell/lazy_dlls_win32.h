// The functions of the shell, COM and common-dialog DLLs that the program calls, each DLL loaded
// from the system folder alone the first time one of its functions is called. The main window
// needs none of them: only a click (the wizard's desktop folder, a folder or file dialog) does,
// so starting the program neither loads nor initialises these large DLLs.
//
// Each function behaves as the system's function of the same name. When its DLL or the function
// cannot be loaded it fails as that function fails: FALSE, an error HRESULT or nothing, with the
// loader's error as the last error; CommDlgExtendedError then tells CDERR_INITIALIZATION.
#pragma once

#include "common/wide_text_win32.h"

// After windows.h:
#include <commdlg.h>
#include <shlobj.h>

namespace tbr::lazy {

// shell32
BOOL SHGetSpecialFolderPathW(HWND owner, LPWSTR path, int csidl, BOOL create);
HRESULT SHGetSpecialFolderLocation(HWND owner, int csidl, PIDLIST_ABSOLUTE* list);
BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path);
BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE list, PWSTR path, DWORD size, GPFIDL_FLAGS flags);
// The folder dialog, and the file dialog below, need COM in a single-threaded apartment: the
// calling thread enters one before its first dialog and stays in it until it ends.
PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW browse);

// ole32
void CoTaskMemFree(void* memory);

// comdlg32
BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog);
DWORD CommDlgExtendedError();

}  // namespace tbr::lazy
