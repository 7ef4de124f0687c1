// The services of one window of the Qt front end: the shared ones (app/window_services.h) and the
// message boxes and dialogs owned by that window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "app/window_services.h"

namespace tbr::qt {

// Lone CRs (the message texts' line breaks) become LFs: not every style shows a CR as a break.
QString ForDisplay(MessageId text);

// A child of the window it serves, so it lives exactly as long as that window.
class QtServices : public QObject, public WindowServices {
    Q_OBJECT
  public:
    // The window that owns this window's boxes and dialogs.
    void setOwner(QWidget* owner) { owner_ = owner; }

    Answer ask(MessageId text, MessageId title, Answer defaultAnswer) override;
    void tell(MessageId text, MessageId title) override;
    Result<std::optional<std::string>> chooseFile(const FileOpenRequest& request) override;
    std::optional<std::string> chooseFolder(MessageId title,
                                            const std::string& initialFolder) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace tbr::qt
