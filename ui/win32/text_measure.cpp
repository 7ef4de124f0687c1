#include "ui/win32/text_measure.h"

#include "ui/win32/twips.h"

namespace tbr::win32 {

int ButtonTextMargin(UINT dpi) {
    return ScaledPixels(5, dpi);
}

int OptionMarkWidth(UINT dpi) {
    return GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + ScaledPixels(6, dpi);
}

HFONT FontOf(const ControlDescription& control, const WindowFonts& fonts) {
    return control.font == ControlFont::Label ? fonts.label() : fonts.dialog();
}

SIZE ControlTextMeasure::textSize(int part) const {
    const HWND child = children_[static_cast<std::size_t>(part)];
    return TextSize(child, FontOf(controls_[static_cast<std::size_t>(part)], fonts_),
                    WindowText(child));
}

int ControlTextMeasure::lineWidth(int part) const {
    switch (controls_[static_cast<std::size_t>(part)].role) {
        case ControlRole::PushButton:
            return PixelsToTwips(textSize(part).cx + 2 * ButtonTextMargin(dpi_), dpi_);
        case ControlRole::Option:
            return PixelsToTwips(OptionMarkWidth(dpi_) + textSize(part).cx, dpi_);
        case ControlRole::Label:
            return PixelsToTwips(textSize(part).cx, dpi_);
        default:
            return 0;  // a picture button's text is its name, never drawn
    }
}

int ControlTextMeasure::lineHeight(int part) const {
    switch (controls_[static_cast<std::size_t>(part)].role) {
        case ControlRole::PushButton:
        case ControlRole::Option:
        case ControlRole::Label:
            return PixelsToTwips(textSize(part).cy, dpi_);
        default:
            return 0;
    }
}

int ControlTextMeasure::wrappedHeight(int part, int width) const {
    const ControlDescription& control = controls_[static_cast<std::size_t>(part)];
    if (control.role != ControlRole::Label) {
        return 0;
    }
    const HWND child = children_[static_cast<std::size_t>(part)];
    const int pixels = WrappedTextHeight(child, FontOf(control, fonts_), WindowText(child),
                                         TwipsToPixels(width, dpi_));
    return PixelsToTwips(pixels, dpi_);
}

}  // namespace tbr::win32
