// The main window: a banner, two large picture buttons (create, edit) with a line of text each,
// and "Close". Every click goes to the Launcher.
#pragma once

#include <QWidget>
#include <array>

#include "app/form1_layout.h"
#include "app/launcher.h"

class QLabel;
class QPushButton;

namespace tbr::qt {

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(Services& services, QWidget* parent = nullptr);

    // The controls, by the names the rest of the system uses for them.
    QLabel* Picture1 = nullptr;       // the banner
    QPushButton* Command1 = nullptr;  // create
    QLabel* Label1 = nullptr;
    QPushButton* Command2 = nullptr;  // edit
    QLabel* Label2 = nullptr;
    QPushButton* Command4 = nullptr;  // "Close"

    // Whether the controls have been placed for their measured texts (once on the screen).
    bool fitted() const { return fitted_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* addPictureButton(const QIcon& icon, const QString& name);
    QLabel* addLabel(const QString& text, QPushButton* beside);
    void centreOnScreen();
    void showBannerForScreen();
    std::array<QWidget*, static_cast<std::size_t>(Form1Part::Count)> parts() const;
    void fitLayout();

    Launcher launcher_;
    bool followsScreen_ = false;
    bool fitted_ = false;
};

}  // namespace tbr::qt
