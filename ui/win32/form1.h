// Form1, the main window: the banner, the create and edit picture buttons with their labels, and
// "Close". What its buttons do is Launcher's; this window draws and forwards.
#pragma once

#include "app/launcher.h"
#include "ui/win32/dialog_window.h"
#include "ui/win32/window_services.h"

namespace tbr::win32 {

class Form1 final : public WindowServices {
  public:
    enum ControlId : int {
        kCommand1 = 101,  // create
        kCommand2 = 102,  // edit
        kCommand4 = 104,  // "Close"
        kPicture1 = 110,  // banner
        kLabel1 = 111,
        kLabel2 = 112,
    };

    Form1(HINSTANCE instance, Navigator& navigator);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    ~Form1() override;

    // Loads the window afresh, centres it on the screen and shows it, the focus on "Close".
    void show();
    // Destroys the window; the program goes on (another window follows).
    void unload();

    HWND ownerWindow() const override { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }

  private:
    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    INT_PTR on_wm_initdialog(HWND window);
    INT_PTR on_wm_command(int id, int code);
    INT_PTR on_wm_close();
    INT_PTR on_wm_destroy();
    INT_PTR on_wm_dpichanged(UINT dpi, const RECT& suggested);

    void createControls();
    void layout(UINT dpi);
    void placeLabel(int labelId, int buttonId);
    void centreOnScreen();

    HINSTANCE instance_;
    Launcher launcher_;
    HWND window_ = nullptr;
    bool unloading_ = false;
    WindowFonts fonts_;
    ScaledIcon createIcon_;
    ScaledIcon editIcon_;
    ScaledIcon bigIcon_;
    ScaledIcon smallIcon_;
    HBITMAP banner_ = nullptr;
};

}  // namespace tbr::win32
