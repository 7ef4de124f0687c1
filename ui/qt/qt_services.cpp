#include "ui/qt/qt_services.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/qt/translations.h"

namespace tbr::qt {

QString ForDisplay(MessageId text) {
    QString shown = Tr(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Answer QtServices::ask(MessageId text, MessageId title, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::NoIcon, Tr(title), ForDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtServices::tell(MessageId text, MessageId title) {
    QMessageBox box(QMessageBox::NoIcon, Tr(title), ForDisplay(text), QMessageBox::Ok, owner_);
    box.exec();
}

Result<std::optional<std::string>> QtServices::chooseFile(const FileOpenRequest& request) {
    QFileDialog dialog(owner_, Tr(request.title), QString::fromStdString(request.initialFolder));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(Tr(request.filterText).arg(QString::fromStdString(request.filterPattern)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::optional<std::string>{};
    }
    return std::optional<std::string>{dialog.selectedFiles().constFirst().toStdString()};
}

std::optional<std::string> QtServices::chooseFolder(MessageId title,
                                                    const std::string& initialFolder) {
    QFileDialog dialog(owner_, Tr(title), QString::fromStdString(initialFolder));
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace tbr::qt
