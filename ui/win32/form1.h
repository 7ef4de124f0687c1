// Form1, the main window: the banner, the create and edit picture buttons with their labels, and
// "Close". What its buttons do is Launcher's; this window draws and forwards.
#pragma once

#include "app/launcher.h"
#include "ui/win32/banner.h"
#include "ui/win32/dialog_window.h"

namespace tbr::win32 {

// show() loads the window afresh, centres it on the screen and shows it, the focus on "Close".
class Form1 final : public DialogWindow<Form1> {
  public:
    enum ControlId : int {
        kCommand1 = 101,  // create
        kCommand2 = 102,  // edit
        kCommand4 = 104,  // "Close"
        kPicture1 = 110,  // banner
        kLabel1 = 111,
        kLabel2 = 112,
    };

    Form1(HINSTANCE instance, Navigator& navigator, const Catalogue& catalogue);
    ~Form1() override;

  private:
    friend class DialogWindow<Form1>;
    INT_PTR onInitDialog();
    INT_PTR onCommand(int id, int code);
    void layOutOwnParts(UINT dpi);

    Launcher launcher_;
    ScaledIcon createIcon_;
    ScaledIcon editIcon_;
    ScaledIcon bigIcon_;
    ScaledIcon smallIcon_;
    HBITMAP banner_ = nullptr;    // drawn for 96 DPI
    HBITMAP banner2x_ = nullptr;  // drawn for 192 DPI
    BannerWords bannerWords_;
};

}  // namespace tbr::win32
