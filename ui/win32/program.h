// The program, the Win32 front end's Navigator: which of the two windows is shown, the switch
// between them, the message loop (through the dialog manager, for the keyboard) and the end.
#pragma once

#include <memory>

#include "app/navigator.h"
#include "ui/win32/form1.h"
#include "ui/win32/form2.h"
#include "ui/win32/win32_services.h"

namespace tbr::win32 {

class Program final : public Navigator {
  public:
    // The windows speak the catalogue's language.
    Program(HINSTANCE instance, Catalogue catalogue);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads and shows the main window; the program does nothing else on its own.
    void start();
    // The message loop, until the program ends; returns the exit code.
    int run();
    // Handles one message as the loop does. Tests drive the windows with it.
    void dispatch(MSG& message);

    bool ended() const { return ended_; }
    HWND currentWindow() const;
    Form1* mainWindow() const { return form1_.get(); }
    Form2* wizard() const { return form2_.get(); }
    const Catalogue& catalogue() const { return catalogue_; }

    void showCreateWizard() override;
    void showMainWindow() override;
    void endProgram() override;

  private:
    HINSTANCE instance_;
    Catalogue catalogue_;
    bool ended_ = false;
    // Makes a window with services of its own, whose boxes it owns.
    template <typename Form>
    void replace(std::unique_ptr<Form>& form, std::unique_ptr<Win32Services>& services);

    // A window object stays alive after its window is unloaded, until the next switch: the
    // switch is asked for from inside that window's own handler.
    std::unique_ptr<Win32Services> services1_;
    std::unique_ptr<Win32Services> services2_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
};

}  // namespace tbr::win32
