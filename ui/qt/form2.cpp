#include "ui/qt/form2.h"

namespace tbr::qt {

Form2::Form2(Services& services, Navigator& navigator, QWidget* parent)
    : DescribedWindow(kForm2, parent), wizard_(services, navigator, *this) {
    SetAccessibleWindowRole(this, QAccessible::Dialog);
    // As designed, with room for texts longer than the English ones; mirrored right to left.
    layOut(true);
    connect(this, &DescribedWindow::clicked, this,
            [this](int part) { wizard_.onClicked(static_cast<Form2Part>(part)); });
    connect(this, &DescribedWindow::textChanged, this, [this](int part, const std::string& text) {
        wizard_.onTextChanged(static_cast<Form2Part>(part), text);
    });
    wizard_.onLoad();
}

}  // namespace tbr::qt
