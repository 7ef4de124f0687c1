// The window base both forms are made of: a modeless dialog box built in memory from the form's
// control table (so the system's dialog manager gives Tab, Shift+Tab, arrow keys, Space and the
// focus memory), its dialog procedure, loading, showing and unloading it, and its layout at the
// window's DPI.
#pragma once

#include <string>

#include "ui/win32/control_table.h"
#include "ui/win32/fonts_and_icons.h"
#include "ui/win32/win32_services.h"

namespace tbr::win32 {

// Creates the (hidden) dialog with the table's title in the catalogue's language, mirrored
// (WS_EX_LAYOUTRTL, which its controls inherit) where the language is written right to left;
// `self` reaches the procedure with WM_INITDIALOG.
HWND CreateModelessDialog(HINSTANCE instance, const DialogTemplate& dialog,
                          const Catalogue& catalogue, DLGPROC procedure, void* self);

// The object that WM_INITDIALOG handed in (stored with the window).
void RememberDialogObject(HWND dialog, void* self);
void* DialogObject(HWND dialog);

void CentreOnScreen(HWND window);
// Hands a message that only top-level windows receive (WM_SYSCOLORCHANGE) on to every control.
void ForwardToControls(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Leaves the layout on a DPI change to the window itself, where the system would rescale
// dialogs from their template units.
void TakeOverDpiScaling(HWND dialog);

// Sets the focus the way the dialog manager does (default button and selection follow).
void FocusControl(HWND dialog, HWND control);

std::wstring WindowText(HWND window);
void SetWindowTextIfDifferent(HWND window, const std::wstring& text);

// The window object behind one dialog window: loading, showing and unloading it, its dialog
// procedure, and the handlers both windows share. Form derives from DialogWindow<Form> and
// supplies onInitDialog() (called once the controls are there and laid out; it sets the
// focus), onCommand(id, code) and, for what its table cannot say, layOutOwnParts(dpi).
template <typename Form>
class DialogWindow : public Win32Services {
  public:
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Loads the window afresh and shows it, where its template places it.
    void show() {
        unload();
        unloading_ = false;
        window_ = CreateModelessDialog(instance_, look_, catalogue(), DialogProcedure,
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
    DialogWindow(HINSTANCE instance, Navigator& navigator, const Catalogue& catalogue,
                 const DialogTemplate& look)
        : Win32Services(navigator, catalogue), instance_(instance), look_(look) {}
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
                return form.onInitDialog();
            case WM_COMMAND:
                return form.onCommand(LOWORD(wParam), HIWORD(wParam));
            case WM_CLOSE:
                return self->onClose();
            case WM_DESTROY:
                return self->onDestroy();
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
        CreateControls(window, look_, catalogue());
        layOut(GetDpiForWindow(window));
    }

    void layOut(UINT dpi) {
        fonts_.create(dpi);
        LayOutControls(window_, look_, fonts_, dpi);
        static_cast<Form*>(this)->layOutOwnParts(dpi);
        InvalidateRect(window_, nullptr, TRUE);
    }

    INT_PTR onClose() {
        DestroyWindow(window_);
        return TRUE;
    }

    INT_PTR onDestroy() {
        window_ = nullptr;
        if (!unloading_) {
            endProgram();  // closed through the window system: no window is left, the program ends
        }
        return FALSE;
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
        const WindowLayout layout = MeasuredLayout(window_, look_, fonts, dpi);
        size = WindowSizeForClient(window_, layout.width, layout.height, dpi);
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
