#include "ui/win32/dialog_window.h"

#include <cstring>
#include <vector>

namespace tbr::win32 {
namespace {

// The dialog manager's "place it where the system likes" value for a template's x.
constexpr short kTemplateDefaultPosition = static_cast<short>(0x8000);

// A dialog template without controls: header, no menu, the standard class, the title. No font is
// named: every control gets its font from the window, at the window's DPI.
std::vector<DWORD> EmptyDialogTemplate(const WindowDescription& dialog, const std::wstring& title,
                                       bool rightToLeft) {
    DLGTEMPLATE header{};
    header.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    header.dwExtendedStyle = WS_EX_APPWINDOW | (rightToLeft ? WS_EX_LAYOUTRTL : 0);
    const bool systemPlacesIt = dialog.placement == Placement::SystemDefault;
    header.x = systemPlacesIt ? kTemplateDefaultPosition : 0;  // else placed once it has its size
    header.y = systemPlacesIt ? kTemplateDefaultPosition : 0;
    header.cx = 100;  // replaced once the window knows its DPI
    header.cy = 100;

    const std::size_t titleLength = title.size() + 1;
    const std::size_t bytes = sizeof(header) + 2 * sizeof(WORD) + titleLength * sizeof(wchar_t);
    std::vector<DWORD> storage((bytes + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
    auto* at = reinterpret_cast<unsigned char*>(storage.data());
    std::memcpy(at, &header, sizeof(header));
    at += sizeof(header) + 2 * sizeof(WORD);  // menu 0 and class 0: none and the standard one
    std::memcpy(at, title.c_str(), titleLength * sizeof(wchar_t));
    return storage;
}

}  // namespace

HWND CreateModelessDialog(HINSTANCE instance, const WindowDescription& dialog,
                          const Catalogue& catalogue, DLGPROC procedure, void* self) {
    const std::vector<DWORD> storage =
        EmptyDialogTemplate(dialog, catalogue.text(dialog.title), catalogue.rightToLeft());
    return CreateDialogIndirectParamW(instance,
                                      reinterpret_cast<const DLGTEMPLATE*>(storage.data()), nullptr,
                                      procedure, reinterpret_cast<LPARAM>(self));
}

void CentreOnScreen(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - width) / 2,
                 screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ForwardToControls(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, message, wParam, lParam);
    }
}

void TakeOverDpiScaling(HWND dialog) {
    // Windows 10 1703 and later rescale dialogs by themselves; older systems and Wine lack the
    // switch and do not.
    using SetBehavior =
        BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC found =
        user32 != nullptr ? GetProcAddress(user32, "SetDialogDpiChangeBehavior") : nullptr;
    if (found != nullptr) {
        reinterpret_cast<SetBehavior>(reinterpret_cast<void*>(found))(dialog, DDC_DISABLE_ALL,
                                                                      DDC_DISABLE_ALL);
    }
}

}  // namespace tbr::win32
