// The real outside world for one window of the Qt front end: the shell and document services,
// message boxes and dialogs owned by that window, and the switch between the windows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "app/services.h"

namespace tbr::qt {

class WindowSwitcher;

// Lone CRs (the message texts' line breaks) become LFs: not every style shows a CR as a break.
QString ForDisplay(const std::string& text);

// A child of the window it serves, so it lives exactly as long as that window.
class QtServices : public QObject, public Services {
    Q_OBJECT
  public:
    explicit QtServices(WindowSwitcher& switcher) : switcher_(switcher) {}

    // The window that owns this window's boxes and dialogs.
    void setOwner(QWidget* owner) { owner_ = owner; }

    Result<std::string> desktopDirectory() override;
    Result<std::string> specialFolder(int csidl) override;
    Status launchEditor(const std::string& path) override;
    TargetKind whatIsAt(const std::string& path) override;
    bool isExistingFile(const std::string& path) override;
    Status writeNewDocument(const std::string& path) override;
    Answer ask(const std::string& text, const std::string& title, Answer defaultAnswer) override;
    void tell(const std::string& text, const std::string& title) override;
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title,
                                            const std::string& initialFolder) override;
    void showCreateWizard() override;
    void showMainWindow() override;
    void endProgram() override;

  private:
    WindowSwitcher& switcher_;
    QPointer<QWidget> owner_;
};

}  // namespace tbr::qt
