// The hand-over between the main window and the create wizard.
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/qt/qt_test_support.h"
#include "ui/qt/form1.h"
#include "ui/qt/form2.h"
#include "ui/qt/window_switcher.h"

using tbr::qt::Form1;
using tbr::qt::Form2;
using tbr::qt::WindowSwitcher;

class WindowSwitcherTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

  private slots:
    void initTestCase() {
        qputenv("HOME", home_.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window was left over");
    }

    void createThenCancelGivesAFreshMainWindowCentredWithFocusOnClose() {
        int quits = 0;
        WindowSwitcher switcher([&] { ++quits; });
        switcher.showMainWindow();
        auto* main = qobject_cast<Form1*>(switcher.current());
        QVERIFY(main != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->move(0, 0);  // wherever it stood, it comes back centred
        QPointer<Form1> old(main);
        QTest::mouseClick(Named<QPushButton>(*main, "Command1"), Qt::LeftButton);
        TBR_TRY_VERIFY(old.isNull());  // unloaded, not merely hidden
        auto* wizard = qobject_cast<Form2*>(switcher.current());
        QVERIFY(wizard != nullptr);
        QVERIFY(wizard->isVisible());
        QCOMPARE(Named<QLineEdit>(*wizard, "Text1")->text(),
                 home_.path() + QStringLiteral("/Desktop"));

        Named<QRadioButton>(*wizard, "Option2")->click();
        Named<QLineEdit>(*wizard, "Text1")->setText(QStringLiteral("/tmp"));
        QTest::mouseClick(Named<QPushButton>(*wizard, "Command2"), Qt::LeftButton);
        auto* again = qobject_cast<Form1*>(switcher.current());
        QVERIFY(again != nullptr);
        ShowAndActivate(*again);
        QCOMPARE(QApplication::focusWidget(), Named<QPushButton>(*again, "Command4"));
        const QPoint screenCentre = again->screen()->availableGeometry().center();
        QVERIFY((again->frameGeometry().center() - screenCentre).manhattanLength() <= 2);

        // A fresh wizard starts from scratch.
        QTest::mouseClick(Named<QPushButton>(*again, "Command1"), Qt::LeftButton);
        auto* fresh = qobject_cast<Form2*>(switcher.current());
        QVERIFY(fresh != nullptr);
        QVERIFY(Named<QRadioButton>(*fresh, "Option1")->isChecked());
        QCOMPARE(Named<QLineEdit>(*fresh, "Text1")->text(),
                 home_.path() + QStringLiteral("/Desktop"));
        QCOMPARE(quits, 0);
    }

    void closingTheWizardDoesNotBringTheMainWindowBack() {
        WindowSwitcher switcher([] {});
        switcher.showCreateWizard();
        QPointer<QWidget> wizard = switcher.current();
        QVERIFY(QTest::qWaitForWindowExposed(wizard));
        wizard->close();
        TBR_TRY_VERIFY(wizard.isNull());
        QVERIFY(switcher.current() == nullptr);
    }

    void closeEndsTheProgram() {
        int quits = 0;
        WindowSwitcher switcher([&] { ++quits; });
        switcher.showMainWindow();
        QTest::mouseClick(Named(*switcher.current(), "Command4"), Qt::LeftButton);
        QCOMPARE(quits, 1);
        QVERIFY(!switcher.current()->isVisible());
    }

    void windowsNameTheLauncherEntry() {
        const QString entry = QStringLiteral(TBR_PACKAGING_DIR "/%1.desktop.in");
        QVERIFY(QFileInfo::exists(entry.arg(QString::fromLatin1(tbr::qt::kDesktopFileName))));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    WindowSwitcherTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "window_switcher_test.moc"
