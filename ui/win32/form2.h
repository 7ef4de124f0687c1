// Form2, the create wizard: the location page and the name page. What its controls do is
// CreateWizard's; this window draws the wizard's state and forwards the user's events.
#pragma once

#include "ui/win32/dialog_window.h"
#include "ui/win32/window_services.h"
#include "wizard/create_wizard.h"

namespace tbr::win32 {

class Form2 final : public WindowServices, private WizardView {
  public:
    enum ControlId : int {
        kCommand1 = 201,  // "Next >"
        kLabel1 = 202,
        kOption1 = 203,   // "Windows Desktop"
        kOption2 = 204,   // "Other Location"
        kText1 = 205,     // the folder box
        kCommand3 = 206,  // "Browse..."
        kLabel2 = 207,
        kText2 = 208,     // the name box
        kCommand4 = 209,  // "< Back"
        kCommand5 = 210,  // "Finish"
        kCommand2 = 211,  // "Cancel"
    };

    Form2(HINSTANCE instance, Navigator& navigator);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;
    ~Form2() override;

    // Loads the window afresh (the load step fills the folder box) and shows it where the window
    // system places new windows, the focus on "Next >".
    void show();
    // Destroys the window; the program goes on (another window follows).
    void unload();

    HWND ownerWindow() const override { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    const WizardState& state() const { return wizard_.state(); }

  private:
    void render(const WizardState& state) override;
    void focusNameBox() override;

    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    INT_PTR on_wm_initdialog(HWND window);
    INT_PTR on_wm_command(int id, int code);
    INT_PTR on_wm_close();
    INT_PTR on_wm_destroy();
    INT_PTR on_wm_dpichanged(UINT dpi, const RECT& suggested);

    void onClicked(int id);
    void onTextChanged(int id);
    void createControls();
    void layout(UINT dpi);
    void showPage(WizardPage page);
    void setEnabled(int id, bool enabled);
    void setChecked(int id, bool checked);
    void keepFocusUsable(HWND focusBefore);

    HINSTANCE instance_;
    CreateWizard wizard_;
    HWND window_ = nullptr;
    bool unloading_ = false;
    bool rendering_ = false;  // changes made by render() are not the user's
    WindowFonts fonts_;
};

}  // namespace tbr::win32
