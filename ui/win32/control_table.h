// A window described as a table: its title, where it first appears, the function that lays it
// out, and its controls in tab order, each with its window class, text, styles and its part in
// the layout. The builders below make the table's entries; CreateControls and LayOutControls turn
// a table into child windows placed at the window's DPI, with room for every text.
#pragma once

#include <optional>
#include <span>

#include "common/window_layout.h"
#include "messages/messages.h"
#include "ui/win32/catalogue.h"
#include "ui/win32/fonts_and_icons.h"
#include "ui/win32/twips.h"

namespace tbr::win32 {

// The font a control is drawn in: the standard dialog font or the main window's label font.
enum class ControlFont { Dialog, Label };

// One child control: its id, its part in the window's layout (the window's enumeration of its
// parts), window class, text, styles and font.
struct ControlLayout {
    int id;
    int part;
    const wchar_t* windowClass;
    std::optional<MessageId> text;
    DWORD style;
    DWORD exStyle;
    ControlFont font = ControlFont::Dialog;
    bool hidden = false;  // never shown, and not in the layout
};

// The part of a control that the layout does not place.
inline constexpr int kNoPart = -1;

// The kinds of control the windows are made of, as table entries.
template <typename Part>
constexpr ControlLayout PushButton(int id, Part part, MessageId text) {
    return {id, static_cast<int>(part), L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
}
// Shows an icon; its text is not drawn but is the button's name for screen readers.
template <typename Part>
constexpr ControlLayout PictureButton(int id, Part part, MessageId name) {
    return {id,
            static_cast<int>(part),
            L"BUTTON",
            name,
            BS_PUSHBUTTON | BS_ICON | WS_TABSTOP | WS_GROUP,
            0};
}
// The first option of a group starts the group; the arrow keys move between its options.
template <typename Part>
constexpr ControlLayout FirstOption(int id, Part part, MessageId text) {
    return {id, static_cast<int>(part), L"BUTTON", text, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP,
            0};
}
template <typename Part>
constexpr ControlLayout Option(int id, Part part, MessageId text) {
    return {id, static_cast<int>(part), L"BUTTON", text, BS_AUTORADIOBUTTON, 0};
}
template <typename Part>
constexpr ControlLayout TextBox(int id, Part part) {
    return {id,
            static_cast<int>(part),
            L"EDIT",
            std::nullopt,
            ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
            WS_EX_CLIENTEDGE};
}
// A label wraps its words where the layout gives it less width than its text needs.
template <typename Part>
constexpr ControlLayout Label(int id, Part part, MessageId text,
                              ControlFont font = ControlFont::Dialog) {
    return {id, static_cast<int>(part), L"STATIC", text, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, font};
}
// Never shown: the name that screen readers give the control after it, which has no label of its
// own on screen. They name a text box by the static text just before it, hidden or not.
constexpr ControlLayout ScreenReaderName(int id, MessageId name) {
    ControlLayout layout{id, kNoPart, L"STATIC", name, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0};
    layout.hidden = true;
    return layout;
}

// Where a window first appears.
enum class Placement { SystemDefault, CentredOnScreen };

// Lays a window out in twips for its texts as measured: app/form1_layout.h, wizard/form2_layout.h.
using LayOutWindow = WindowLayout (*)(const TextMeasure& measure, bool rightToLeft);

// The window itself: its title, where it first appears, its layout and its controls.
struct DialogTemplate {
    MessageId title;
    Placement placement;
    LayOutWindow layOut;
    std::span<const ControlLayout> controls;  // in tab order
};

// Creates every control of the table, in its order (the tab order), with its text from the
// catalogue, not yet placed.
void CreateControls(HWND dialog, const DialogTemplate& look, const Catalogue& catalogue);
// The window's layout at dpi for the controls' texts drawn in fonts (made for that DPI). It is
// laid out left to right: a mirrored window (WS_EX_LAYOUTRTL) mirrors its controls itself.
WindowLayout MeasuredLayout(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts,
                            UINT dpi);
// Gives every control of the table its font, then sizes the window and places every control at
// dpi as MeasuredLayout says.
void LayOutControls(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts, UINT dpi);

void PlaceControl(HWND control, const RECT& pixels);
// The outer size of the window when its client area is width x height twips at dpi.
SIZE WindowSizeForClient(HWND window, int width, int height, UINT dpi);

}  // namespace tbr::win32
