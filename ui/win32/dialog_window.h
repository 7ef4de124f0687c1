// What both windows share: a modeless dialog box built in memory (so the system's dialog manager
// gives Tab, Shift+Tab, arrow keys, Space and the focus memory), child controls placed from
// twips, the fonts for one DPI, and DialogWindow, the window object both forms are made of.
#pragma once

#include <span>
#include <string>

#include "ui/win32/twips.h"
#include "ui/win32/window_services.h"

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
// The outer size of the window when its client area is width x height twips at dpi.
SIZE WindowSizeForClient(HWND window, int width, int height, UINT dpi);
// Hands a message that only top-level windows receive (WM_SYSCOLORCHANGE) on to every control.
void ForwardToControls(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
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

// Creates every control of the table, in its order (the tab order), not yet placed.
void CreateControls(HWND dialog, const DialogTemplate& look);
// Sizes the window and gives every control of the table its font and its place at dpi.
void LayOutControls(HWND dialog, const DialogTemplate& look, const WindowFonts& fonts, UINT dpi);
void CentreOnScreen(HWND window);

// The window object behind one dialog window: loading, showing and unloading it, its dialog
// procedure, and the handlers both windows share. Form derives from DialogWindow<Form> and
// supplies on_wm_initdialog() (called once the controls are there and laid out; it sets the
// focus), on_wm_command(id, code) and, for what its table cannot say, layOutOwnParts(dpi).
template <typename Form>
class DialogWindow : public WindowServices {
  public:
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Loads the window afresh and shows it, where its template places it.
    void show() {
        unload();
        unloading_ = false;
        window_ = CreateModelessDialog(instance_, look_, DialogProcedure,
                                       static_cast<DialogWindow*>(this));
        if (window_ == nullptr) {
            return;
        }
        if (look_.placement == Placement::CentredOnScreen) {
            CentreOnScreen(window_);
        }
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
    }

    // Destroys the window; the program goes on (another window follows).
    void unload() {
        if (window_ != nullptr && IsWindow(window_)) {
            unloading_ = true;
            DestroyWindow(window_);
        }
        window_ = nullptr;
    }

    HWND ownerWindow() const override { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }

  protected:
    DialogWindow(HINSTANCE instance, Navigator& navigator, const DialogTemplate& look)
        : WindowServices(navigator), instance_(instance), look_(look) {}
    // The form is gone by now: its window goes without reaching it. A form whose window uses
    // the form's own members unloads in its own destructor.
    ~DialogWindow() override {
        if (window_ != nullptr && IsWindow(window_)) {
            RememberDialogObject(window_, nullptr);
        }
        unload();
    }

    HINSTANCE instance() const { return instance_; }
    HWND window() const { return window_; }
    const WindowFonts& fonts() const { return fonts_; }

    void layOutOwnParts(UINT /*dpi*/) {}

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            RememberDialogObject(window, reinterpret_cast<void*>(lParam));
        }
        auto* self = static_cast<DialogWindow*>(DialogObject(window));
        if (self == nullptr) {
            return FALSE;
        }
        Form& form = static_cast<Form&>(*self);
        switch (message) {
            case WM_INITDIALOG:
                self->load(window);
                return form.on_wm_initdialog();
            case WM_COMMAND:
                return form.on_wm_command(LOWORD(wParam), HIWORD(wParam));
            case WM_CLOSE:
                return self->on_wm_close();
            case WM_DESTROY:
                return self->on_wm_destroy();
            case WM_DPICHANGED:
                return self->on_wm_dpichanged(HIWORD(wParam),
                                              *reinterpret_cast<const RECT*>(lParam));
            case WM_GETDPISCALEDSIZE:
                return self->on_wm_getdpiscaledsize(static_cast<UINT>(wParam),
                                                    *reinterpret_cast<SIZE*>(lParam));
            case WM_SYSCOLORCHANGE:
                ForwardToControls(window, message, wParam, lParam);
                return FALSE;
            default:
                return FALSE;
        }
    }

    void load(HWND window) {
        window_ = window;
        TakeOverDpiScaling(window);
        CreateControls(window, look_);
        layOut(GetDpiForWindow(window));
    }

    void layOut(UINT dpi) {
        fonts_.create(dpi);
        LayOutControls(window_, look_, fonts_, dpi);
        static_cast<Form*>(this)->layOutOwnParts(dpi);
        InvalidateRect(window_, nullptr, TRUE);
    }

    INT_PTR on_wm_close() {
        DestroyWindow(window_);
        return TRUE;
    }

    INT_PTR on_wm_destroy() {
        window_ = nullptr;
        if (!unloading_) {
            navigator().windowClosed();  // closed through the window system: no window is left
        }
        return FALSE;
    }

    INT_PTR on_wm_dpichanged(UINT dpi, const RECT& suggested) {
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut(dpi);
        return TRUE;
    }

    // The exact size at the new DPI, so that the place WM_DPICHANGED suggests is the one the
    // layout keeps: a window moved to a monitor of another DPI changes its size once.
    INT_PTR on_wm_getdpiscaledsize(UINT dpi, SIZE& size) {
        size = WindowSizeForClient(window_, look_.clientWidth, look_.clientHeight, dpi);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }

    HINSTANCE instance_;
    DialogTemplate look_;
    HWND window_ = nullptr;
    bool unloading_ = false;
    WindowFonts fonts_;
};

}  // namespace tbr::win32
