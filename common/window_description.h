// A window described once, for both front ends: its title, where it appears, and its controls,
// each with its kind, name, caption, page and designed place. A front end walks the description to
// create the controls and says only how it draws each kind; the window's layout
// (launcher/form1_window.h, wizard/form2_window.h) starts from the designed places: in twips
// (1/1440 inch), relative to its client area, from what a front end measures of its controls'
// texts. A text that needs more room than its control has (a longer translation) gets it: labels
// wrap or widen, buttons widen, and the window grows where it must. Right to left, the whole
// layout is mirrored.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "messages/messages.h"

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

enum class ControlRole {
    Banner,         // the logo banner: a picture box that takes the focus and does nothing
    PictureButton,  // a push button that shows an icon; its caption is its name, never drawn
    PushButton,
    Label,    // text that wraps where it needs more room than designed; takes no focus
    Option,   // an option button; neighbouring options are one group, the arrow keys move in it
    TextBox,  // one line of text to type
};

enum class ControlPicture { None, Create, Edit };  // a picture button's icon
enum class ControlFont { Dialog, Label };  // the window's font, or the labels' Arial 11.25 pt

inline constexpr int kEveryPage = -1;
inline constexpr int kNoControl = -1;

// A control, written with designated initializers: what it does not name keeps its default.
struct ControlDescription {
    const char* name = "";  // "Command1": what tests and screen-reader tools find it by
    ControlRole role = ControlRole::Label;
    std::optional<MessageId> caption = std::nullopt;     // its text; a picture button's name
    LayoutRect designed = {};                            // in twips, as designed for English
    int page = kEveryPage;                               // the page it is shown on
    std::optional<MessageId> spokenName = std::nullopt;  // screen readers' name, where no other
    ControlFont font = ControlFont::Dialog;
    ControlPicture picture = ControlPicture::None;
    // A push button: its page's default button. While the focus is on no other push button, it
    // is drawn and reported as the default, and Enter presses it.
    bool defaultButton = false;
    bool holdsPath = false;  // a text box: its text is a path, read left to right always
};

enum class Placement { SystemDefault, CentredOnScreen };

// The controls are listed in tab order: a control's tab position is its place among those that
// take the focus (all but labels), and the first of them has the focus when the window appears.
// A label comes just before the control it names (LabelledControl).
struct WindowDescription {
    const char* name;  // "Form1"
    MessageId title;
    Placement placement;
    int width;  // the client area as designed, in twips
    int height;
    std::span<const ControlDescription> controls;
    // Lays the window out for its texts as measured (the designed places where they fit).
    WindowLayout (*layOut)(const TextMeasure& measure, bool rightToLeft);
};

inline bool TakesFocus(ControlRole role) {
    return role != ControlRole::Label;
}

// The control a label names for screen readers: the one just after it, where that one draws no
// text of its own (a text box, a picture button); kNoControl where the label names nothing.
inline int LabelledControl(const WindowDescription& window, std::size_t label) {
    const std::size_t next = label + 1;
    if (window.controls[label].role != ControlRole::Label || next >= window.controls.size()) {
        return kNoControl;
    }
    const ControlRole role = window.controls[next].role;
    const bool drawsNoText = role == ControlRole::TextBox || role == ControlRole::PictureButton;
    return drawsNoText ? static_cast<int>(next) : kNoControl;
}

// The control that has the focus when the window appears: the first that takes it.
inline std::size_t FirstFocus(const WindowDescription& window) {
    std::size_t part = 0;
    while (part + 1 < window.controls.size() && !TakesFocus(window.controls[part].role)) {
        ++part;
    }
    return part;
}

// The layout as designed: the window's size and every control's designed place.
inline WindowLayout DesignedLayout(const WindowDescription& window) {
    WindowLayout layout{window.width, window.height, {}};
    for (const ControlDescription& control : window.controls) {
        layout.controls.push_back(control.designed);
    }
    return layout;
}

// What a control shows that the window's behaviour changes.
struct ControlState {
    bool visible = true;
    bool enabled = true;
    bool checked = false;             // an option
    std::optional<std::string> text;  // a text box's text, where the behaviour sets it
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

}  // namespace tbr
