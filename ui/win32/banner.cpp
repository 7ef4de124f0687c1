#include "ui/win32/banner.h"

#include "ui/win32/twips.h"

namespace tbr::win32 {
namespace {

// The bitmap lives in the window's user data, the DPI it was drawn for in its extra bytes.
constexpr int kDrawnForDpi = 0;

HBITMAP BannerBitmap(HWND banner) {
    return reinterpret_cast<HBITMAP>(GetWindowLongPtrW(banner, GWLP_USERDATA));
}

void DrawPicture(HWND banner, HDC dc) {
    const HBITMAP bitmap = BannerBitmap(banner);
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) {
        return;
    }
    const auto drawnFor = static_cast<int>(GetWindowLongPtrW(banner, kDrawnForDpi));
    const auto dpi = static_cast<int>(GetDpiForWindow(banner));
    const int width = MulDiv(info.bmWidth, dpi, drawnFor);
    const int height = MulDiv(info.bmHeight, dpi, drawnFor);
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(source, bitmap);
    if (width == info.bmWidth && height == info.bmHeight) {
        BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
}

// White around the picture; the window colour of the user's scheme while high contrast is on.
HBRUSH BackgroundBrush() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return high ? GetSysColorBrush(COLOR_WINDOW) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

// The focus rectangle, like any control's, shows only once the keyboard is in use (or where the
// user always wants it); a click alone does not show it.
bool ShowsFocusCue(HWND banner) {
    return GetFocus() == banner &&
           (SendMessageW(banner, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

LRESULT OnPaint(HWND banner) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(banner, &paint);
    RECT client{};
    GetClientRect(banner, &client);
    FillRect(dc, &client, BackgroundBrush());
    DrawPicture(banner, dc);
    if (ShowsFocusCue(banner)) {
        DrawFocusRect(dc, &client);
    }
    EndPaint(banner, &paint);
    return 0;
}

// The keyboard cues were switched on or off (Tab, Alt), or the system's colours changed (high
// contrast among them): drawn afresh.
LRESULT OnLookChanged(HWND banner, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcW(banner, message, wParam, lParam);
    InvalidateRect(banner, nullptr, FALSE);
    return result;
}

LRESULT OnFocusChanged(HWND banner) {
    InvalidateRect(banner, nullptr, FALSE);
    return 0;
}

LRESULT OnLeftButtonDown(HWND banner) {
    // Like any control that can take the focus, a click gives it the focus; nothing else happens.
    SetFocus(banner);
    return 0;
}

LRESULT CALLBACK BannerProcedure(HWND banner, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            return OnPaint(banner);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return OnFocusChanged(banner);
        case WM_LBUTTONDOWN:
            return OnLeftButtonDown(banner);
        case WM_UPDATEUISTATE:
        case WM_SYSCOLORCHANGE:
            return OnLookChanged(banner, message, wParam, lParam);
        default:
            return DefWindowProcW(banner, message, wParam, lParam);
    }
}

}  // namespace

void RegisterBannerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BannerProcedure;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kBannerClass;
    RegisterClassExW(&windowClass);
}

void SetBannerBitmap(HWND banner, HBITMAP bitmap, UINT drawnForDpi) {
    SetWindowLongPtrW(banner, kDrawnForDpi, static_cast<LONG_PTR>(drawnForDpi));
    SetWindowLongPtrW(banner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap));
    InvalidateRect(banner, nullptr, TRUE);
}

}  // namespace tbr::win32
