// The main window (launcher/form1_window.h): a banner, two large picture buttons (create, edit)
// with a line of text each, and "Close". Every click goes to the Launcher.
#pragma once

#include "launcher/launcher.h"
#include "ui/qt/described_window.h"

namespace tbr::qt {

class Form1 : public DescribedWindow {
    Q_OBJECT
  public:
    Form1(Services& services, Navigator& navigator, QWidget* parent = nullptr);

    // Whether the controls have been placed for their measured texts (once on the screen).
    bool fitted() const { return fitted_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showBannerForScreen();

    Launcher launcher_;
    bool followsScreen_ = false;
    bool fitted_ = false;
};

}  // namespace tbr::qt
