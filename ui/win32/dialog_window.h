// The window base both forms are made of: a modeless dialog box built in memory from the window's
// description (so the system's dialog manager gives Tab, Shift+Tab, arrow keys, Space and the
// focus memory), its dialog procedure, loading, showing and unloading it, and its layout at the
// window's DPI.
#pragma once

#include <string>

#include "app/navigator.h"
#include "ui/win32/described_controls.h"
#include "ui/win32/fonts_and_icons.h"

namespace tbr::win32 {

// Creates the (hidden) dialog with the description's title in the catalogue's language, mirrored
// (WS_EX_LAYOUTRTL, which its controls inherit) where the language is written right to left;
// `self` reaches the procedure with WM_INITDIALOG.
HWND CreateModelessDialog(HINSTANCE instance, const WindowDescription& dialog,
                          const Catalogue& catalogue, DLGPROC procedure, void* self);

void CentreOnScreen(HWND window);
// Hands a message that only top-level windows receive (WM_SYSCOLORCHANGE) on to every control.
void ForwardToControls(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Leaves the layout on a DPI change to the window itself, where the system would rescale
// dialogs from their template units.
void TakeOverDpiScaling(HWND dialog);

// The window object behind one dialog window, built from its description: loading, showing and
// unloading it, its dialog procedure, and its layout at the window's DPI. Form derives from
// DialogWindow<Form> and supplies onLoad() (the window's load step, once its controls are there
// and laid out), onClicked(part) and onTextChanged(part, text) for its controls' events, and
// for what its description cannot say, layOutOwnParts(dpi). The first control of the tab order
// has the focus when the window appears.
template <typename Form>
class DialogWindow {
  public:
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Loads the window afresh and shows it, where its description places it.
    void show() {
        unload();
        unloading_ = false;
        window_ = CreateModelessDialog(instance_, description_, catalogue_, DialogProcedure,
                                       static_cast<DialogWindow*>(this));
        if (window_ == nullptr) {
            return;
        }
        if (description_.placement == Placement::CentredOnScreen) {
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

    HWND window() const { return window_; }
    template <typename Part>
    HWND control(Part part) const {
        return GetDlgItem(window_, ControlId(part));
    }

  protected:
    DialogWindow(HINSTANCE instance, Navigator& navigator, const Catalogue& catalogue,
                 const WindowDescription& description)
        : instance_(instance),
          navigator_(navigator),
          catalogue_(catalogue),
          description_(description) {}
    // The form is gone by now: its window goes without reaching it. A form whose window uses
    // the form's own members unloads in its own destructor.
    ~DialogWindow() {
        if (window_ != nullptr && IsWindow(window_)) {
            SetWindowLongPtrW(window_, DWLP_USER, 0);
        }
        unload();
    }

    HINSTANCE instance() const { return instance_; }

    void layOutOwnParts(UINT /*dpi*/) {}
    // Shows what the behaviour says of each control; the changes are not the user's.
    void showStates(std::span<const ControlState> states) {
        if (window_ == nullptr) {
            return;
        }
        rendering_ = true;
        ShowControlStates(window_, description_, states);
        rendering_ = false;
    }

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
        // The object that WM_INITDIALOG hands in is stored with the window.
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(window, DWLP_USER, lParam);
        }
        auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
        if (self == nullptr) {
            return FALSE;
        }
        switch (message) {
            case WM_INITDIALOG:
                self->load(window);
                return FALSE;  // the focus is set
            case WM_COMMAND:
                self->onCommand(LOWORD(wParam), HIWORD(wParam));
                return TRUE;  // Escape's IDCANCEL and Enter's IDOK do nothing of their own
            case WM_CLOSE:
                DestroyWindow(window);
                return TRUE;
            case WM_DESTROY:
                self->window_ = nullptr;
                if (!self->unloading_) {
                    // Closed through the window system: no window is left, the program ends.
                    self->navigator_.endProgram();
                }
                return FALSE;
            case WM_DPICHANGED:
                return self->onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            case WM_GETDPISCALEDSIZE:
                return self->onGetDpiScaledSize(static_cast<UINT>(wParam),
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
        CreateControls(window, description_, catalogue_);
        layOut(GetDpiForWindow(window));
        Form& form = static_cast<Form&>(*this);
        form.onLoad();
        FocusControl(window, control(FirstFocus(description_)));
    }

    void onCommand(int id, int code) {
        const int part = id - kFirstControlId;
        if (part < 0 || part >= static_cast<int>(description_.controls.size())) {
            return;
        }
        Form& form = static_cast<Form&>(*this);
        if (code == BN_CLICKED) {
            form.onClicked(part);
        } else if (code == EN_CHANGE && !rendering_) {
            form.onTextChanged(part, Utf8Text(WindowText(control(part))));
        }
    }

    void layOut(UINT dpi) {
        fonts_.create(dpi);
        LayOutControls(window_, description_, fonts_, dpi);
        static_cast<Form*>(this)->layOutOwnParts(dpi);
        InvalidateRect(window_, nullptr, TRUE);
    }

    INT_PTR onDpiChanged(UINT dpi, const RECT& suggested) {
        SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut(dpi);
        return TRUE;
    }

    // The exact size at the new DPI, so that the place WM_DPICHANGED suggests is the one the
    // layout keeps: a window moved to a monitor of another DPI changes its size once. The texts
    // are measured in the fonts of that DPI, as the layout will measure them.
    INT_PTR onGetDpiScaledSize(UINT dpi, SIZE& size) {
        WindowFonts fonts;
        fonts.create(dpi);
        const WindowLayout layout = MeasuredLayout(window_, description_, fonts, dpi);
        size = WindowSizeForClient(window_, layout.width, layout.height, dpi);
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }

    HINSTANCE instance_;
    Navigator& navigator_;
    const Catalogue& catalogue_;
    const WindowDescription& description_;
    HWND window_ = nullptr;
    bool unloading_ = false;
    bool rendering_ = false;
    WindowFonts fonts_;
};

}  // namespace tbr::win32
