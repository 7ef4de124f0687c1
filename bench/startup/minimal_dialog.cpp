// The yardstick for tbrwiz.exe's start-up: the least a Win32 program does to put a dialog window
// of the same size, title and styles on the screen, centred, with the same manifest. Built with
// the project (same compiler, flags and static runtime), so that the two are always comparable.
//
// Built with TBR_LOAD_COMMON_CONTROLS it also loads the common controls first, as every window
// with themed buttons must: the floor for such windows.
#include <windows.h>
// After windows.h:
#include <commctrl.h>

namespace {

INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow(window);
        PostQuitMessage(0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

// An empty modeless dialog template: header, no menu, the standard class, the title.
struct EmptyDialog {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    wchar_t title[sizeof("Tambrel Wizard")];
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef TBR_LOAD_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
#endif
    EmptyDialog dialog{};
    dialog.header.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    dialog.header.dwExtendedStyle = WS_EX_APPWINDOW;
    dialog.header.cx = 100;
    dialog.header.cy = 100;
    lstrcpyW(dialog.title, L"Tambrel Wizard");
    const HWND window =
        CreateDialogIndirectParamW(instance, &dialog.header, nullptr, DialogProcedure, 0);
    if (window == nullptr) {
        return 1;
    }
    // A client area of 343 x 360 pixels at 96 DPI, as tbrwiz's main window.
    const UINT dpi = GetDpiForWindow(window);
    RECT frame{0, 0, MulDiv(343, static_cast<int>(dpi), 96),
               MulDiv(360, static_cast<int>(dpi), 96)};
    AdjustWindowRectExForDpi(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                             FALSE, WS_EX_APPWINDOW, dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& screen = monitor.rcMonitor;
    SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - width) / 2,
                 screen.top + (screen.bottom - screen.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
