// What both windows share: a modeless dialog box built in memory (so the system's dialog manager
// gives Tab, Shift+Tab, arrow keys, Space and the focus memory), child controls placed from
// twips, and the fonts for one DPI.
#pragma once

#include <string>

#include "ui/win32/twips.h"

namespace tbr::win32 {

// One child control: its id, window class, text, styles and place on the window.
struct ControlLayout {
    int id;
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    TwipRect place;
};

// The window itself: its title and where it first appears.
struct DialogTemplate {
    const wchar_t* title;
    bool systemPlacesIt;  // the window system's default position instead of the top-left corner
};

// Creates the (hidden) dialog; `self` reaches the procedure with WM_INITDIALOG.
HWND CreateModelessDialog(HINSTANCE instance, const DialogTemplate& dialog, DLGPROC procedure,
                          void* self);

// The object that WM_INITDIALOG handed in (stored with the window).
void RememberDialogObject(HWND dialog, void* self);
void* DialogObject(HWND dialog);

HWND CreateControl(HWND dialog, const ControlLayout& layout);
void PlaceControl(HWND control, const RECT& pixels);
// Sizes the window so that its client area is width x height twips at dpi.
void SetClientSizeInTwips(HWND window, int width, int height, UINT dpi);
// Leaves the layout on a DPI change to the window itself, where the system would rescale
// dialogs from their template units.
void TakeOverDpiScaling(HWND dialog);

// Sets the focus the way the dialog manager does (default button and selection follow).
void FocusControl(HWND dialog, HWND control);

std::wstring WindowText(HWND window);
void SetWindowTextIfDifferent(HWND window, const std::wstring& text);
// The size a text takes in a font, on one line.
SIZE TextSize(HWND window, HFONT font, const std::wstring& text);
// The height a text takes in a font when wrapped into width pixels.
int WrappedTextHeight(HWND window, HFONT font, const std::wstring& text, int width);

// The fonts of one window at one DPI: the standard dialog font (MS Shell Dlg, 8 pt) and the
// labels' Arial 11.25 pt.
class WindowFonts {
  public:
    WindowFonts() = default;
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;
    ~WindowFonts() { release(); }

    void create(UINT dpi);
    HFONT dialog() const { return dialog_; }
    HFONT label() const { return label_; }

  private:
    void release();
    HFONT dialog_ = nullptr;
    HFONT label_ = nullptr;
};

// A 32 x 32 icon resource drawn at the size that matches dpi; owned, destroyed with the object.
class ScaledIcon {
  public:
    ScaledIcon() = default;
    ScaledIcon(const ScaledIcon&) = delete;
    ScaledIcon& operator=(const ScaledIcon&) = delete;
    ~ScaledIcon() { release(); }

    void load(HINSTANCE instance, int resourceId, int pixelsAt96, UINT dpi);
    HICON get() const { return icon_; }

  private:
    void release();
    HICON icon_ = nullptr;
};

}  // namespace tbr::win32
