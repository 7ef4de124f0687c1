#include "shell/lazy_dlls_win32.h"

#include <cderr.h>
#include <objbase.h>

#include <atomic>

namespace tbr::lazy {
namespace {

constexpr wchar_t kShell32[] = L"shell32.dll";
constexpr wchar_t kOle32[] = L"ole32.dll";
constexpr wchar_t kComdlg32[] = L"comdlg32.dll";

// One function of a system DLL, found on first use. A DLL once loaded stays loaded.
template <typename Function>
class LazyFunction {
  public:
    LazyFunction(const wchar_t* dll, const char* name) : dll_(dll), name_(name) {}

    // The function; null, with the loader's error as the last error, when the DLL or the
    // function cannot be loaded (tried again at the next call).
    Function* get() {
        if (Function* found = function_.load()) {
            return found;
        }
        const HMODULE module = LoadLibraryExW(dll_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const FARPROC address = module != nullptr ? GetProcAddress(module, name_) : nullptr;
        auto* found = reinterpret_cast<Function*>(reinterpret_cast<void*>(address));
        function_.store(found);
        return found;
    }

  private:
    const wchar_t* dll_;
    const char* name_;
    std::atomic<Function*> function_{nullptr};
};

// The failure of a function whose DLL could not be loaded, as an HRESULT.
HRESULT LoadFailure() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

// Whether GetOpenFileNameW last failed for want of comdlg32.
std::atomic<bool> commonDialogsMissing{false};

void EnterSingleThreadedApartment() {
    thread_local bool entered = false;
    if (entered) {
        return;
    }
    static LazyFunction<decltype(::CoInitializeEx)> function{kOle32, "CoInitializeEx"};
    if (auto* call = function.get()) {
        // S_FALSE: this thread was in one already; either way it stays until the thread ends.
        entered = SUCCEEDED(call(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
}

}  // namespace

BOOL SHGetSpecialFolderPathW(HWND owner, LPWSTR path, int csidl, BOOL create) {
    static LazyFunction<decltype(::SHGetSpecialFolderPathW)> function{kShell32,
                                                                      "SHGetSpecialFolderPathW"};
    auto* call = function.get();
    return call != nullptr ? call(owner, path, csidl, create) : FALSE;
}

HRESULT SHGetSpecialFolderLocation(HWND owner, int csidl, PIDLIST_ABSOLUTE* list) {
    static LazyFunction<decltype(::SHGetSpecialFolderLocation)> function{
        kShell32, "SHGetSpecialFolderLocation"};
    auto* call = function.get();
    return call != nullptr ? call(owner, csidl, list) : LoadFailure();
}

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path) {
    static LazyFunction<decltype(::SHGetPathFromIDListW)> function{kShell32,
                                                                   "SHGetPathFromIDListW"};
    auto* call = function.get();
    return call != nullptr ? call(list, path) : FALSE;
}

BOOL SHGetPathFromIDListEx(PCIDLIST_ABSOLUTE list, PWSTR path, DWORD size, GPFIDL_FLAGS flags) {
    static LazyFunction<decltype(::SHGetPathFromIDListEx)> function{kShell32,
                                                                    "SHGetPathFromIDListEx"};
    auto* call = function.get();
    return call != nullptr ? call(list, path, size, flags) : FALSE;
}

PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW browse) {
    static LazyFunction<decltype(::SHBrowseForFolderW)> function{kShell32, "SHBrowseForFolderW"};
    EnterSingleThreadedApartment();
    auto* call = function.get();
    return call != nullptr ? call(browse) : nullptr;
}

void CoTaskMemFree(void* memory) {
    static LazyFunction<decltype(::CoTaskMemFree)> function{kOle32, "CoTaskMemFree"};
    if (memory == nullptr) {
        return;
    }
    if (auto* call = function.get()) {
        call(memory);
    }
}

BOOL GetOpenFileNameW(LPOPENFILENAMEW dialog) {
    static LazyFunction<decltype(::GetOpenFileNameW)> function{kComdlg32, "GetOpenFileNameW"};
    EnterSingleThreadedApartment();
    auto* call = function.get();
    commonDialogsMissing.store(call == nullptr);
    return call != nullptr ? call(dialog) : FALSE;
}

DWORD CommDlgExtendedError() {
    static LazyFunction<decltype(::CommDlgExtendedError)> function{kComdlg32,
                                                                   "CommDlgExtendedError"};
    if (commonDialogsMissing.load()) {
        return CDERR_INITIALIZATION;
    }
    auto* call = function.get();
    return call != nullptr ? call() : CDERR_INITIALIZATION;
}

}  // namespace tbr::lazy
