#include "ui/qt/window_switcher.h"

#include "ui/qt/form1.h"
#include "ui/qt/form2.h"
#include "ui/qt/qt_services.h"

namespace tbr::qt {

WindowSwitcher::WindowSwitcher(std::function<void()> quit) : quit_(std::move(quit)) {}

WindowSwitcher::~WindowSwitcher() {
    delete current_.data();
}

template <class Form>
void WindowSwitcher::replaceWith() {
    // The old window goes first. Hiding (rather than closing) it keeps the program from ending
    // for lack of a window; it is deleted once the click that got us here has been handled.
    if (current_) {
        current_->hide();
        current_->deleteLater();
    }
    auto* services = new QtServices;
    auto* form = new Form(*services, *this);
    services->setParent(form);
    services->setOwner(form);
    // Closing the window through the window system unloads it; with no window left, the
    // program ends.
    form->setAttribute(Qt::WA_DeleteOnClose);
    current_ = form;
    form->show();
}

void WindowSwitcher::showMainWindow() {
    replaceWith<Form1>();
}

void WindowSwitcher::showCreateWizard() {
    replaceWith<Form2>();
}

void WindowSwitcher::endProgram() {
    if (current_) {
        current_->hide();
    }
    quit_();
}

}  // namespace tbr::qt
