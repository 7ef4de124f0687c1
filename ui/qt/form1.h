// The main window: a banner, two large picture buttons (create, edit) with a line of text each,
// and "Close". Every click goes to the Launcher.
#pragma once

#include <QWidget>

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

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* addPictureButton(const QIcon& icon, const QString& name);
    QLabel* addLabel(const QString& text, QPushButton* beside);
    void centreOnScreen();
    void showBannerForScreen();

    Launcher launcher_;
    bool followsScreen_ = false;
};

}  // namespace tbr::qt
