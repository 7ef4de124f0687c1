// What the window layouts (common/window_layout.h) measure of a window's controls: each control's
// text in the font it is drawn in, with what the control draws around it, in twips at the
// window's DPI.
#pragma once

#include <span>

#include "common/window_description.h"
#include "ui/win32/fonts_and_icons.h"

namespace tbr::win32 {

// Pixels at dpi that a push button draws on each side of its text: its raised edge and the focus
// rectangle, with a little air.
int ButtonTextMargin(UINT dpi);
// Pixels at dpi that an option draws before its text: the round mark and the gap after it.
int OptionMarkWidth(UINT dpi);

HFONT FontOf(const ControlDescription& control, const WindowFonts& fonts);

// The controls of one window, by their parts (places in its description), as its child windows
// show them (children, by part): their texts were set from the catalogue when they were created;
// fonts are made for dpi.
class ControlTextMeasure final : public TextMeasure {
  public:
    ControlTextMeasure(std::span<const HWND> children, std::span<const ControlDescription> controls,
                       const WindowFonts& fonts, UINT dpi)
        : children_(children), controls_(controls), fonts_(fonts), dpi_(dpi) {}

    // A push button's text between its margins, an option's beside its mark, a label's text
    // alone; nothing for controls that draw no text (picture buttons, text boxes, the banner).
    int lineWidth(int part) const override;
    // One line of the text in the control's font (a linked font may make it taller).
    int lineHeight(int part) const override;
    // A label's lines wrapped at width, as the label breaks them.
    int wrappedHeight(int part, int width) const override;

  private:
    SIZE textSize(int part) const;

    std::span<const HWND> children_;
    std::span<const ControlDescription> controls_;
    const WindowFonts& fonts_;
    UINT dpi_;
};

}  // namespace tbr::win32
