// Form1, the main window (launcher/form1_window.h): the banner, the create and edit picture buttons
// with their labels, and "Close". What its buttons do is Launcher's; this window draws and
// forwards.
#pragma once

#include "launcher/launcher.h"
#include "ui/win32/banner.h"
#include "ui/win32/dialog_window.h"

namespace tbr::win32 {

// show() loads the window afresh, centres it on the screen and shows it, the focus on "Close".
class Form1 final : public DialogWindow<Form1> {
  public:
    Form1(HINSTANCE instance, Services& services, Navigator& navigator, const Catalogue& catalogue);
    ~Form1();

  private:
    friend class DialogWindow<Form1>;
    void onLoad() {}
    void onClicked(int part) { launcher_.onClicked(static_cast<Form1Part>(part)); }
    void onTextChanged(int /*part*/, const std::string& /*text*/) {}
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
