// A window described as a table: its title, where it first appears, its client size in twips and
// its controls in tab order, each with its window class, text, styles and place. The builders
// below make the table's entries; CreateControls and LayOutControls turn a table into child
// windows placed at the window's DPI.
#pragma once

#include <span>

#include "ui/win32/fonts_and_icons.h"
#include "ui/win32/twips.h"

namespace tbr::win32 {

// The font a control is drawn in: the standard dialog font or the main window's label font.
enum class ControlFont { Dialog, Label };

// One child control: its id, window class, text, styles and place on the window.
struct ControlLayout {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    TwipRect place;
    ControlFont font = ControlFont::Dialog;
    bool wrapsText = false;  // word-wrapped and as high as its lines, whatever the table's height
    bool hidden = false;     // never shown
};

// The kinds of control the windows are made of, as table entries.
constexpr ControlLayout PushButton(int id, const wchar_t* text, TwipRect place) {
    return {id, L"BUTTON", text, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, place};
}
// Shows an icon; its text is not drawn but is the button's name for screen readers.
constexpr ControlLayout PictureButton(int id, const wchar_t* name, TwipRect place) {
    return {id, L"BUTTON", name, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP | WS_GROUP, 0, place};
}
// The first option of a group starts the group; the arrow keys move between its options.
constexpr ControlLayout FirstOption(int id, const wchar_t* text, TwipRect place) {
    return {id, L"BUTTON", text, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0, place};
}
constexpr ControlLayout Option(int id, const wchar_t* text, TwipRect place) {
    return {id, L"BUTTON", text, BS_AUTORADIOBUTTON, 0, place};
}
constexpr ControlLayout TextBox(int id, TwipRect place) {
    return {id, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE, place};
}
constexpr ControlLayout Label(int id, const wchar_t* text, TwipRect place,
                              ControlFont font = ControlFont::Dialog) {
    return {id, L"STATIC", text, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, place, font};
}
// Never shown: the name that screen readers give the control after it, which has no label of its
// own on screen. They name a text box by the static text just before it, hidden or not.
constexpr ControlLayout ScreenReaderName(int id, const wchar_t* name, TwipRect place) {
    ControlLayout layout{id, L"STATIC", name, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, place};
    layout.hidden = true;
    return layout;
}
constexpr ControlLayout WrappedLabel(int id, const wchar_t* text, TwipRect place) {
    return {id,    L"STATIC",           text, SS_LEFT | SS_NOPREFIX | WS_GROUP, 0,
            place, ControlFont::Dialog, true};
}

// Where a window first appears.
enum class Placement { SystemDefault, CentredOnScreen };

// The window itself: its title, where it first appears, its client size and its controls.
struct DialogTemplate {
    const wchar_t* title;
    Placement placement;
    int clientWidth;  // twips
    int clientHeight;
    std::span<const ControlLayout> controls;  // in tab order
};

HWND CreateControl(HWND dialog, const ControlLayout& layout);
// Creates every control of the table, in its order (the tab order), not yet placed.
void CreateControls(HWND dialog, const DialogTemplate& look);
// Sizes the window and gives every control of the table its font and its place at dpi.
void LayOutControls(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts, UINT dpi);

void PlaceControl(HWND control, const RECT& pixels);
// Sizes the window so that its client area is width x height twips at dpi.
void SetClientSizeInTwips(HWND window, int width, int height, UINT dpi);
// The outer size of the window when its client area is width x height twips at dpi.
SIZE WindowSizeForClient(HWND window, int width, int height, UINT dpi);

}  // namespace tbr::win32
