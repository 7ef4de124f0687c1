#include "ui/win32/control_table.h"

#include "ui/win32/text_measure.h"

namespace tbr::win32 {

void CreateControls(HWND dialog, const DialogTemplate& look, const Catalogue& catalogue) {
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    for (const ControlLayout& control : look.controls) {
        const std::wstring text = control.text ? catalogue.text(*control.text) : std::wstring();
        CreateWindowExW(control.exStyle, control.windowClass, text.c_str(),
                        WS_CHILD | (control.hidden ? 0 : WS_VISIBLE) | control.style, 0, 0, 0, 0,
                        dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                        nullptr);
    }
}

WindowLayout MeasuredLayout(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts,
                            UINT dpi) {
    return look.layOut(ControlTextMeasure(dialog, look.controls, fonts, dpi), false);
}

void LayOutControls(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts, UINT dpi) {
    for (const ControlLayout& control : look.controls) {
        SendMessageW(GetDlgItem(dialog, control.id), WM_SETFONT,
                     reinterpret_cast<WPARAM>(FontOf(control, fonts)), FALSE);
    }
    const WindowLayout layout = MeasuredLayout(dialog, look, fonts, dpi);
    const SIZE size = WindowSizeForClient(dialog, layout.width, layout.height, dpi);
    SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const ControlLayout& control : look.controls) {
        if (control.part == kNoPart) {
            continue;
        }
        PlaceControl(
            GetDlgItem(dialog, control.id),
            TwipsToPixels(layout.controls.at(static_cast<std::size_t>(control.part)), dpi));
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

}  // namespace tbr::win32
