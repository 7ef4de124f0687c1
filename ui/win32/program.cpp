#include "ui/win32/program.h"

#include <commctrl.h>

namespace tbr::win32 {

Program::Program(HINSTANCE instance, Catalogue catalogue)
    : instance_(instance), catalogue_(std::move(catalogue)) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    // COM, which the shell's dialogs need, is started with the first of them (boxes.cpp); their
    // DLLs are loaded then too (delay-loaded, shell/CMakeLists.txt).
}

void Program::start() {
    showMainWindow();
}

int Program::run() {
    MSG message{};
    while (!ended_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message);
    }
    return 0;
}

void Program::dispatch(MSG& message) {
    const HWND window = currentWindow();
    if (window != nullptr && IsDialogMessageW(window, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

HWND Program::currentWindow() const {
    if (form2_ && form2_->window() != nullptr) {
        return form2_->window();
    }
    if (form1_ && form1_->window() != nullptr) {
        return form1_->window();
    }
    return nullptr;
}

template <typename Form>
void Program::replace(std::unique_ptr<Form>& form, std::unique_ptr<Win32Services>& services) {
    form.reset();
    services = std::make_unique<Win32Services>(catalogue_);
    form = std::make_unique<Form>(instance_, *services, *this, catalogue_);
    services->setOwner([window = form.get()] { return window->window(); });
    form->show();
}

// The main window is gone before the wizard appears; the two are never on screen together.
void Program::showCreateWizard() {
    if (form1_) {
        form1_->unload();
    }
    replace(form2_, services2_);
}

void Program::showMainWindow() {
    if (form2_) {
        form2_->unload();
    }
    replace(form1_, services1_);
}

// No further event handling: the windows go without a word and the loop stops. A window closed
// through the window system ends the program the same way, already gone.
void Program::endProgram() {
    ended_ = true;
    if (form1_) {
        form1_->unload();
    }
    if (form2_) {
        form2_->unload();
    }
    PostQuitMessage(0);
}

}  // namespace tbr::win32
