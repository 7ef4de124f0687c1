// A window's controls made from its description (common/window_description.h): each control a
// child window of the kind its role names, its id its place in the description, its text from
// the catalogue; placed at the window's DPI with room for every text; the state the window's
// behaviour hands back, shown; a control's text read and written, and the focus given to it.
#pragma once

#include <span>
#include <string>

#include "common/window_description.h"
#include "ui/win32/catalogue.h"
#include "ui/win32/fonts_and_icons.h"
#include "ui/win32/twips.h"

namespace tbr::win32 {

// A control's id is its part (its place in the description) after kFirstControlId. A text box
// with a name of its own for screen readers has a hidden label before it, which Windows names it
// by, at kFirstNameId and the same part.
inline constexpr int kFirstControlId = 100;
inline constexpr int kFirstNameId = 200;
template <typename Part>
constexpr int ControlId(Part part) {
    return kFirstControlId + static_cast<int>(part);
}
template <typename Part>
constexpr int NameId(Part part) {
    return kFirstNameId + static_cast<int>(part);
}

// Creates every control of the window, in its description's order (the tab order), with its
// text from the catalogue, not yet placed. In a mirrored window its texts read right to left, a
// path left to right, and the picture buttons' icons show as drawn.
void CreateControls(HWND dialog, const WindowDescription& window, const Catalogue& catalogue);
// The window's layout at dpi for the controls' texts drawn in fonts (made for that DPI). It is
// laid out left to right: a mirrored window (WS_EX_LAYOUTRTL) mirrors its controls itself.
WindowLayout MeasuredLayout(HWND dialog, const WindowDescription& window, const WindowFonts& fonts,
                            UINT dpi);
// Gives every control its font, then sizes the window and places every control at dpi as
// MeasuredLayout says.
void LayOutControls(HWND dialog, const WindowDescription& window, const WindowFonts& fonts,
                    UINT dpi);
// Shows each control's state, by part; a control that loses the focus by it hands it on.
void ShowControlStates(HWND dialog, const WindowDescription& window,
                       std::span<const ControlState> states);

// The outer size of the window when its client area is width x height twips at dpi.
SIZE WindowSizeForClient(HWND window, int width, int height, UINT dpi);

// A control's text, and setting it only where it differs (so that a box keeps its caret and sends
// no change notification for the same text).
std::wstring WindowText(HWND window);
void SetWindowTextIfDifferent(HWND window, const std::wstring& text);

// Sets the focus the way the dialog manager does (default button and selection follow).
void FocusControl(HWND dialog, HWND control);

}  // namespace tbr::win32
