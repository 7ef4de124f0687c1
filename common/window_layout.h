// A window's layout in twips (1/1440 inch), relative to its client area, and what a front end
// measures of its controls' texts for it. Each window is laid out as it was designed; a text that
// needs more room than its control has (a longer translation) gets it: labels wrap or widen,
// buttons widen, and the window grows where it must. Right to left, the whole layout is mirrored.
#pragma once

#include <vector>

namespace tbr {

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// A control's text as the front end draws it, measured in twips at the window's scale; 0 where
// nothing is measured (the control's designed size stands). Controls are numbered by the window's
// own enumeration.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The width that shows the whole text on one line, with what the control draws around it (a
    // button's margins, an option's circle).
    virtual int lineWidth(int control) const = 0;
    // The height of one line of the text (taller than designed where a script needs it).
    virtual int lineHeight(int control) const = 0;
    // The height of the text wrapped at width (a label's lines).
    virtual int wrappedHeight(int control, int width) const = 0;
};

// The texts as if each fitted its control as designed: the layout as designed, for a window that
// is shown before its texts are measured.
class AsDesigned : public TextMeasure {
  public:
    int lineWidth(int /*control*/) const override { return 0; }
    int lineHeight(int /*control*/) const override { return 0; }
    int wrappedHeight(int /*control*/, int /*width*/) const override { return 0; }
};

struct WindowLayout {
    int width = 0;  // the client area
    int height = 0;
    std::vector<LayoutRect> controls;  // by the window's enumeration

    template <typename Part>
    const LayoutRect& operator[](Part part) const {
        return controls[static_cast<std::size_t>(part)];
    }
    template <typename Part>
    LayoutRect& operator[](Part part) {
        return controls[static_cast<std::size_t>(part)];
    }
};

// The layout seen in a mirror: every control at the same distance from the other side.
inline void MirrorLayout(WindowLayout& layout) {
    for (LayoutRect& r : layout.controls) {
        r.left = layout.width - r.left - r.width;
    }
}

}  // namespace tbr
