#include "ui/win32/dialog_window.h"

#include <cstring>
#include <vector>

namespace tbr::win32 {
namespace {

// The dialog manager's "place it where the system likes" value for a template's x.
constexpr short kTemplateDefaultPosition = static_cast<short>(0x8000);

// A dialog template without controls: header, no menu, the standard class, the title. No font is
// named: every control gets its font from the window, at the window's DPI.
std::vector<DWORD> EmptyDialogTemplate(const DialogTemplate& dialog) {
    DLGTEMPLATE header{};
    header.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    header.dwExtendedStyle = WS_EX_APPWINDOW;
    header.cdit = 0;
    const bool systemPlacesIt = dialog.placement == Placement::SystemDefault;
    header.x = systemPlacesIt ? kTemplateDefaultPosition : 0;  // else placed once it has its size
    header.y = systemPlacesIt ? kTemplateDefaultPosition : 0;
    header.cx = 100;  // replaced once the window knows its DPI
    header.cy = 100;

    const std::size_t titleLength = std::wcslen(dialog.title) + 1;
    const std::size_t bytes = sizeof(header) + 2 * sizeof(WORD) + titleLength * sizeof(wchar_t);
    std::vector<DWORD> storage((bytes + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
    auto* at = reinterpret_cast<unsigned char*>(storage.data());
    std::memcpy(at, &header, sizeof(header));
    at += sizeof(header) + 2 * sizeof(WORD);  // menu 0 and class 0: none and the standard one
    std::memcpy(at, dialog.title, titleLength * sizeof(wchar_t));
    return storage;
}

}  // namespace

HWND CreateModelessDialog(HINSTANCE instance, const DialogTemplate& dialog, DLGPROC procedure,
                          void* self) {
    const std::vector<DWORD> storage = EmptyDialogTemplate(dialog);
    return CreateDialogIndirectParamW(instance,
                                      reinterpret_cast<const DLGTEMPLATE*>(storage.data()), nullptr,
                                      procedure, reinterpret_cast<LPARAM>(self));
}

void RememberDialogObject(HWND dialog, void* self) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
}

void* DialogObject(HWND dialog) {
    return reinterpret_cast<void*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

HWND CreateControl(HWND dialog, const ControlLayout& layout) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    return CreateWindowExW(
        layout.exStyle, layout.windowClass, layout.text, WS_CHILD | WS_VISIBLE | layout.style, 0, 0,
        0, 0, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
}

void CreateControls(HWND dialog, const DialogTemplate& look) {
    for (const ControlLayout& layout : look.controls) {
        CreateControl(dialog, layout);
    }
}

void LayOutControls(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts, UINT dpi) {
    SetClientSizeInTwips(dialog, look.clientWidth, look.clientHeight, dpi);
    for (const ControlLayout& layout : look.controls) {
        const HWND child = GetDlgItem(dialog, layout.id);
        const HFONT font = layout.font == ControlFont::Label ? fonts.label() : fonts.dialog();
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        RECT place = TwipsToPixels(layout.place, dpi);
        if (layout.wrapsText) {
            place.bottom =
                place.top + WrappedTextHeight(child, font, layout.text, place.right - place.left);
        }
        PlaceControl(child, place);
    }
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

void PlaceControl(HWND control, const RECT& pixels) {
    SetWindowPos(control, nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSizeForClient(HWND window, int width, int height, UINT dpi) {
    RECT frame{0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void SetClientSizeInTwips(HWND window, int width, int height, UINT dpi) {
    const SIZE size = WindowSizeForClient(window, width, height, dpi);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void FocusControl(HWND dialog, HWND control) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void SetWindowTextIfDifferent(HWND window, const std::wstring& text) {
    // Setting the same text again would move the caret and send a change notification.
    if (WindowText(window) != text) {
        SetWindowTextW(window, text.c_str());
    }
}

SIZE TextSize(HWND window, HFONT font, const std::wstring& text) {
    SIZE size{};
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return size;
}

int WrappedTextHeight(HWND window, HFONT font, const std::wstring& text, int width) {
    RECT box{0, 0, width, 0};
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return box.bottom - box.top;
}

void WindowFonts::create(UINT dpi) {
    release();
    LOGFONTW dialogFont{};
    dialogFont.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
    dialogFont.lfWeight = FW_NORMAL;
    dialogFont.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(dialogFont.lfFaceName, LF_FACESIZE, L"MS Shell Dlg");
    dialog_ = CreateFontIndirectW(&dialogFont);

    LOGFONTW labelFont{};
    labelFont.lfHeight = -MulDiv(1125, static_cast<int>(dpi), 7200);  // 11.25 pt
    labelFont.lfWeight = FW_NORMAL;
    labelFont.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(labelFont.lfFaceName, LF_FACESIZE, L"Arial");
    label_ = CreateFontIndirectW(&labelFont);
}

void WindowFonts::release() {
    if (dialog_ != nullptr) {
        DeleteObject(dialog_);
    }
    if (label_ != nullptr) {
        DeleteObject(label_);
    }
    dialog_ = label_ = nullptr;
}

void ScaledIcon::load(HINSTANCE instance, int resourceId, int pixelsAt96, UINT dpi) {
    release();
    const int size = ScaledPixels(pixelsAt96, dpi);
    icon_ = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size, size, 0));
}

void ScaledIcon::release() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
        icon_ = nullptr;
    }
}

}  // namespace tbr::win32
