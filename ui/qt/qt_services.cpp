#include "ui/qt/qt_services.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tbr::qt {

QString ForDisplay(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Answer QtServices::ask(const std::string& text, const std::string& title, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), ForDisplay(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtServices::tell(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), ForDisplay(text),
                    QMessageBox::Ok, owner_);
    box.exec();
}

Result<std::optional<std::string>> QtServices::chooseFile(const FileOpenRequest& request) {
    QFileDialog dialog(owner_, QString::fromStdString(request.title),
                       QString::fromStdString(request.initialFolder));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(
        QString::fromStdString(request.filterName + " (" + request.filterPattern + ")"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::optional<std::string>{};
    }
    return std::optional<std::string>{dialog.selectedFiles().constFirst().toStdString()};
}

std::optional<std::string> QtServices::chooseFolder(const std::string& title,
                                                    const std::string& initialFolder) {
    QFileDialog dialog(owner_, QString::fromStdString(title),
                       QString::fromStdString(initialFolder));
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace tbr::qt
