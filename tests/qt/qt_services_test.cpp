// The real message boxes and dialogs, answered the way a user would answer them.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "tests/qt/qt_test_support.h"
#include "ui/qt/qt_services.h"

using tbr::Answer;
using tbr::MessageId;
using tbr::qt::QtServices;

class QtServicesTest : public QObject {
    Q_OBJECT
  private slots:
    void questionHasNoIconAndAnswersWithItsDefault_data() {
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("Enter takes Yes")
            << int(Answer::Yes) << int(Qt::Key_Return) << int(Answer::Yes);
        QTest::newRow("Enter takes No")
            << int(Answer::No) << int(Qt::Key_Return) << int(Answer::No);
        QTest::newRow("Escape is No") << int(Answer::Yes) << int(Qt::Key_Escape) << int(Answer::No);
        QTest::newRow("Tab Space is No") << int(Answer::Yes) << int(Qt::Key_Tab) << int(Answer::No);
    }
    void questionHasNoIconAndAnswersWithItsDefault() {
        QFETCH(int, defaultAnswer);
        QFETCH(int, key);
        QFETCH(int, expected);
        QtServices services;
        QString seenTitle, seenText;
        int seenIcon = -1, seenButtons = 0;
        WhenModalAppears([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            seenButtons = static_cast<int>(box->buttons().size());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            if (key == Qt::Key_Tab) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            }
        });
        const Answer answer =
            services.ask(MessageId::EditNowText, MessageId::QueryTitle, Answer(defaultAnswer));
        QCOMPARE(int(answer), expected);
        QCOMPARE(seenTitle, QStringLiteral("Query?"));
        QCOMPARE(seenText, QStringLiteral("Would you like to edit the Tambrel now?"));
        QCOMPARE(seenIcon, int(QMessageBox::NoIcon));
        QCOMPARE(seenButtons, 2);
    }

    void messageShowsItsLineBreakAndOnlyOk() {
        QtServices services;
        QString seenText;
        int seenButtons = 0;
        WhenModalAppears([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seenText = box->text();
            seenButtons = static_cast<int>(box->buttons().size());
            QCOMPARE(box->windowTitle(), QStringLiteral("Error!!!"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        services.tell(MessageId::CreateErrorText, MessageId::CreateErrorTitle);
        QCOMPARE(seenText,
                 QStringLiteral("Error creating Tambrel! \nPlease check the name and path."));
        QCOMPARE(seenButtons, 1);
    }

    void fileDialogOffersTambrelsFromTheStartFolder() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("a b.tbr")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QtServices services;
        WhenModalAppears([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Tambrel"));
            QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Tambrels (*.tbr)")});
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a b.tbr"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const auto chosen = services.chooseFile(
            {MessageId::OpenDialogTitle, MessageId::TambrelFilterName, MessageId::TambrelFilter,
             "*.tbr", dir.path().toStdString() + "/"});
        QVERIFY(chosen.ok());
        QVERIFY(chosen.value().has_value());
        QCOMPARE(QFileInfo(QString::fromStdString(*chosen.value())).canonicalFilePath(),
                 QFileInfo(file.fileName()).canonicalFilePath());

        WhenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        const auto cancelled =
            services.chooseFile({MessageId::OpenDialogTitle, MessageId::TambrelFilterName,
                                 MessageId::TambrelFilter, "*.tbr", ""});
        QVERIFY(cancelled.ok());
        QVERIFY(!cancelled.value().has_value());
    }

    void folderDialogOffersFoldersOnlyFromTheStartFolder() {
        QtServices services;
        QTemporaryDir dir;
        QTemporaryDir start;
        WhenModalAppears([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Directory"));
            QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
            QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(start.path()).canonicalPath());
            QTest::keyClicks(QApplication::focusWidget(), dir.path());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const auto chosen =
            services.chooseFolder(MessageId::FolderDialogTitle, start.path().toStdString() + "/");
        QVERIFY(chosen.has_value());
        QCOMPARE(QDir(QString::fromStdString(*chosen)).canonicalPath(),
                 QDir(dir.path()).canonicalPath());

        WhenModalAppears([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QVERIFY(!services.chooseFolder(MessageId::FolderDialogTitle, "").has_value());
    }
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
