// The create wizard: a location page and a name page in one window. Every event goes to the
// CreateWizard behaviour; the window draws whatever state the behaviour hands back.
#pragma once

#include <QWidget>

#include "wizard/create_wizard.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tbr::qt {

class Form2 : public QWidget, private WizardView {
    Q_OBJECT
  public:
    explicit Form2(Services& services, QWidget* parent = nullptr);

    const WizardState& state() const { return wizard_.state(); }

    // Location page.
    QLabel* Label1 = nullptr;
    QRadioButton* Option1 = nullptr;  // "Windows Desktop"
    QRadioButton* Option2 = nullptr;  // "Other Location"
    QLineEdit* Text1 = nullptr;       // the folder box
    QPushButton* Command3 = nullptr;  // "Browse..."
    QPushButton* Command1 = nullptr;  // "Next >"
    // Name page.
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;       // the name box
    QPushButton* Command4 = nullptr;  // "< Back"
    QPushButton* Command5 = nullptr;  // "Finish"
    // Both pages.
    QPushButton* Command2 = nullptr;  // "Cancel"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void render(const WizardState& state) override;
    void focusNameBox() override;
    QPushButton* addButton(MessageId caption);
    void connectEvents();
    void showDefaultButton();

    CreateWizard wizard_;
    bool shownBefore_ = false;
};

}  // namespace tbr::qt
