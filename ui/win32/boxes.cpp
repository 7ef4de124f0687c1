// The system's modal boxes and dialogs of win32_services.h, with the texts in the user's language.
#include "ui/win32/win32_services.h"

#include <cderr.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace tbr::win32 {
namespace {

// Room for the longest path Windows knows (32,767 characters) and its NUL.
constexpr DWORD kLongPathBuffer = 32768;

// The folder and file dialogs need COM in a single-threaded apartment: the calling thread enters
// one before its first dialog and stays in it until it ends (COM's DLL is loaded only then).
void EnterSingleThreadedApartment() {
    thread_local bool entered = false;
    if (!entered) {
        entered =
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
}

std::wstring TextBeforeNul(const std::vector<wchar_t>& buffer) {
    return std::wstring(buffer.data(), wcsnlen(buffer.data(), buffer.size()));
}

// Selects the starting folder as soon as the folder dialog is up; data is its path.
int CALLBACK SelectStartFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data != 0) {
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
    }
    return 0;
}

// A message text as MessageBoxW shows it: a lone carriage return, the program's line break,
// becomes CR LF, which every version of the box shows as a line break.
std::wstring MessageBoxText(const std::wstring& text) {
    std::wstring shown;
    shown.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        shown += text[i];
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) {
            shown += L'\n';
        }
    }
    return shown;
}

}  // namespace

UINT BoxDirection(bool rightToLeft) {
    return rightToLeft ? MB_RTLREADING | MB_RIGHT : 0;
}

int Win32Services::showBox(MessageId text, MessageId title, UINT buttons) const {
    return MessageBoxW(owner(), MessageBoxText(catalogue_.text(text)).c_str(),
                       catalogue_.text(title).c_str(),
                       buttons | MB_APPLMODAL | BoxDirection(catalogue_.rightToLeft()));
}

Answer Win32Services::ask(MessageId text, MessageId title, Answer defaultAnswer) {
    const UINT defaultButton = defaultAnswer == Answer::No ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    // A box that could not be shown counts as No: nothing is replaced and nothing is started.
    return showBox(text, title, MB_YESNO | defaultButton) == IDYES ? Answer::Yes : Answer::No;
}

void Win32Services::tell(MessageId text, MessageId title) {
    showBox(text, title, MB_OK);
}

Result<std::optional<std::string>> Win32Services::chooseFile(const FileOpenRequest& request) {
    static constexpr char kSource[] = "GetOpenFileNameW";
    // One filter pair; the string's own terminator closes the list with a second NUL.
    const std::wstring filter =
        catalogue_.text(request.filterName) + L'\0' + WideText(request.filterPattern) + L'\0';
    // The starting folder. Microsoft documents this order for Windows 7 and later
    // (OPENFILENAMEW, lpstrInitialDir):
    //   1. If lpstrInitialDir has the same value as was passed the first time the application
    //      used an Open or Save As dialog box, the path most recently selected by the user is
    //      used as the initial directory.
    //   2. Otherwise, if lpstrFile contains a path, that path is the initial directory.
    //   3. Otherwise, if lpstrInitialDir is not NULL, it specifies the initial directory.
    //   4. If lpstrInitialDir is NULL and the current directory contains any files of the
    //      specified filter types, the initial directory is the current directory.
    //   5. Otherwise, the initial directory is the personal files directory of the current user.
    //   6. Otherwise, the initial directory is the Desktop folder.
    // The desktop goes in as lpstrFile's path (rule 2), ending in a separator so that no file
    // name is shown, and lpstrInitialDir is NULL at every call, so it never equals a folder given
    // at a first call. Whether a NULL counts as "the same value" under rule 1 is not documented:
    // if it does, Windows opens the folder last picked (remembered per program, across runs)
    // rather than the desktop. Wine follows rule 2; only real Windows can tell.
    std::wstring initialFolder = WideText(request.initialFolder);
    if (!initialFolder.empty() && initialFolder.back() != L'\\' && initialFolder.back() != L'/') {
        initialFolder += L'\\';
    }
    std::vector<wchar_t> file(kLongPathBuffer, L'\0');
    initialFolder.copy(file.data(),
                       std::min<std::size_t>(initialFolder.size(), kLongPathBuffer - 1));

    const std::wstring title = catalogue_.text(request.title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner();
    dialog.hInstance = GetModuleHandleW(nullptr);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kLongPathBuffer;
    dialog.lpstrInitialDir = nullptr;
    dialog.lpstrTitle = title.c_str();
    // OFN_NOCHANGEDIR keeps the current folder only for the save dialog: after a pick here it may
    // have moved to the document's folder. Nothing depends on it: relative folders are taken below
    // the profile folder, every path handed on is absolute, and the editor is never looked for in
    // the current folder (main.cpp).
    dialog.Flags =
        OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
    EnterSingleThreadedApartment();
    if (::GetOpenFileNameW(&dialog)) {
        Result<std::string> path = Utf8FromWide(TextBeforeNul(file), kSource);
        if (!path) {
            return path.error();
        }
        return std::optional<std::string>(std::move(path).value());
    }
    const DWORD code = ::CommDlgExtendedError();
    if (code == 0 || code == FNERR_BUFFERTOOSMALL) {
        return std::optional<std::string>();  // cancelled, or a path no buffer takes: silent
    }
    return OsError{static_cast<int>(code),
                   "The file dialog failed (common dialog error " + std::to_string(code) + ")",
                   kSource};
}

std::optional<std::string> Win32Services::chooseFolder(MessageId title,
                                                       const std::string& initialFolder) {
    const std::wstring start = WideText(initialFolder);
    const std::wstring shownTitle = catalogue_.text(title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = owner();
    browse.pidlRoot = nullptr;  // the whole tree, from the desktop down
    browse.pszDisplayName = displayName;
    browse.lpszTitle = shownTitle.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN;
    if (!start.empty()) {
        browse.lpfn = SelectStartFolder;
        browse.lParam = reinterpret_cast<LPARAM>(start.c_str());
    }
    EnterSingleThreadedApartment();
    const PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    std::vector<wchar_t> path(kLongPathBuffer, L'\0');
    if (!::SHGetPathFromIDListEx(chosen, path.data(), kLongPathBuffer, GPFIDL_DEFAULT)) {
        path[0] = L'\0';  // a folder without a path empties the folder box
    }
    ::CoTaskMemFree(chosen);
    return Utf8Text(TextBeforeNul(path));
}

}  // namespace tbr::win32
