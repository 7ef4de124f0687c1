#include "ui/win32/control_table.h"

namespace tbr::win32 {

HWND CreateControl(HWND dialog, const ControlLayout& layout) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    const DWORD style = WS_CHILD | (layout.hidden ? 0 : WS_VISIBLE) | layout.style;
    return CreateWindowExW(layout.exStyle, layout.windowClass, layout.text, style, 0, 0, 0, 0,
                           dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                           instance, nullptr);
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

}  // namespace tbr::win32
