#include "ui/win32/text_measure.h"

#include <cwchar>

#include "ui/win32/dialog_window.h"

namespace tbr::win32 {
namespace {

enum class Drawn { Nothing, ButtonText, OptionText, LabelText };

Drawn WhatIsDrawn(const ControlLayout& control) {
    if (!control.text) {
        return Drawn::Nothing;
    }
    if (std::wcscmp(control.windowClass, L"STATIC") == 0) {
        return Drawn::LabelText;
    }
    if (std::wcscmp(control.windowClass, L"BUTTON") != 0 || (control.style & BS_ICON) != 0) {
        return Drawn::Nothing;  // a picture button's text is its name, never drawn
    }
    const DWORD type = control.style & BS_TYPEMASK;
    return type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON ? Drawn::OptionText
                                                                : Drawn::ButtonText;
}

}  // namespace

int ButtonTextMargin(UINT dpi) {
    return ScaledPixels(5, dpi);
}

int OptionMarkWidth(UINT dpi) {
    return GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + ScaledPixels(6, dpi);
}

HFONT FontOf(const ControlLayout& control, const WindowFonts& fonts) {
    return control.font == ControlFont::Label ? fonts.label() : fonts.dialog();
}

const ControlLayout* ControlTextMeasure::entry(int part) const {
    for (const ControlLayout& control : controls_) {
        if (control.part == part) {
            return &control;
        }
    }
    return nullptr;
}

int ControlTextMeasure::lineWidth(int part) const {
    const ControlLayout* control = entry(part);
    if (control == nullptr) {
        return 0;
    }
    const HWND child = GetDlgItem(dialog_, control->id);
    const auto text = [&] {
        return TextSize(child, FontOf(*control, fonts_), WindowText(child)).cx;
    };
    switch (WhatIsDrawn(*control)) {
        case Drawn::ButtonText:
            return PixelsToTwips(text() + 2 * ButtonTextMargin(dpi_), dpi_);
        case Drawn::OptionText:
            return PixelsToTwips(OptionMarkWidth(dpi_) + text(), dpi_);
        case Drawn::LabelText:
            return PixelsToTwips(text(), dpi_);
        case Drawn::Nothing:
            break;
    }
    return 0;
}

int ControlTextMeasure::lineHeight(int part) const {
    const ControlLayout* control = entry(part);
    if (control == nullptr || WhatIsDrawn(*control) == Drawn::Nothing) {
        return 0;
    }
    const HWND child = GetDlgItem(dialog_, control->id);
    return PixelsToTwips(TextSize(child, FontOf(*control, fonts_), WindowText(child)).cy, dpi_);
}

int ControlTextMeasure::wrappedHeight(int part, int width) const {
    const ControlLayout* control = entry(part);
    if (control == nullptr || WhatIsDrawn(*control) != Drawn::LabelText) {
        return 0;
    }
    const HWND child = GetDlgItem(dialog_, control->id);
    const int pixels = WrappedTextHeight(child, FontOf(*control, fonts_), WindowText(child),
                                         TwipsToPixels(width, dpi_));
    return PixelsToTwips(pixels, dpi_);
}

}  // namespace tbr::win32
