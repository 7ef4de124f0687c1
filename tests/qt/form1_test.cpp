// The main window, offscreen: layout, keyboard, and what each control does.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "tests/qt/qt_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/qt/form1.h"

using tbr::qt::Form1;
using tbr::testing::FakeServices;

class Form1Test : public QObject {
    Q_OBJECT
  private slots:
    void windowIsFixedWithoutMinimiseOrMaximise() {
        FakeServices services;
        Form1 form(services);
        ShowAndActivate(form);
        QCOMPARE(form.windowTitle(), QStringLiteral("Tambrel Wizard"));
        QCOMPARE(form.size(), QSize(343, 360));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!form.windowIcon().isNull());
    }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("banner") << "Picture1" << QRect(0, 0, 343, 85);
        QTest::newRow("create") << "Command1" << QRect(24, 104, 65, 65);
        QTest::newRow("edit") << "Command2" << QRect(24, 176, 65, 65);
        QTest::newRow("close") << "Command4" << QRect(248, 320, 81, 25);
        QTest::newRow("create label") << "Label1" << QRect(112, 128, 167, 17);
        QTest::newRow("edit label") << "Label2" << QRect(112, 200, 178, 17);
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        FakeServices services;
        Form1 form(services);
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
    }

    void labelsAreCentredBesideTheirButtons() {
        FakeServices services;
        Form1 form(services);
        const std::pair<QLabel*, QPushButton*> pairs[] = {{form.Label1, form.Command1},
                                                          {form.Label2, form.Command2}};
        for (const auto& [label, button] : pairs) {
            QCOMPARE(label->x(), 112);
            const int labelMiddle2 = 2 * label->y() + label->height();
            const int buttonMiddle2 = 2 * button->y() + button->height();
            QVERIFY(std::abs(labelMiddle2 - buttonMiddle2) <= 1);
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QVERIFY2(label->sizeHint().width() <= label->width(), "the text does not fit");
            QCOMPARE(button->accessibleName(), label->text());
            QVERIFY(button->text().isEmpty());
            QCOMPARE(button->iconSize(), QSize(32, 32));
        }
        QCOMPARE(form.Label1->text(), QStringLiteral("Create a new Tambrel."));
        QCOMPARE(form.Label2->text(), QStringLiteral("Edit an existing Tambrel."));
    }

    void bannerIsWhiteWithItsLogoAtNaturalSize() {
        FakeServices services;
        Form1 form(services);
        QCOMPARE(form.Picture1->pixmap().size(), QSize(317, 81));
        QCOMPARE(form.Picture1->contentsRect().size(), QSize(339, 81));
        QCOMPARE(form.Picture1->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void focusStartsOnCloseAndTabGoesRound() {
        FakeServices services;
        Form1 form(services);
        ShowAndActivate(form);
        QCOMPARE(QApplication::focusWidget(), form.Command4);
        for (QWidget* next :
             {static_cast<QWidget*>(form.Command1), static_cast<QWidget*>(form.Command2),
              static_cast<QWidget*>(form.Picture1), static_cast<QWidget*>(form.Command4)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form.Picture1);
    }

    void spaceOnCloseEndsTheProgram() {
        FakeServices services;
        Form1 form(services);
        ShowAndActivate(form);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(services.log, std::vector<std::string>{"endProgram"});
    }

    void buttonsStartTheirRoadsAndTheRestStartsNothing() {
        FakeServices services;
        Form1 form(services);
        ShowAndActivate(form);
        QTest::mouseClick(form.Label1, Qt::LeftButton);
        QTest::mouseClick(form.Label2, Qt::LeftButton);
        QTest::mouseClick(form.Picture1, Qt::LeftButton);
        QVERIFY(services.log.empty());
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(services.log, std::vector<std::string>{"showCreateWizard"});
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        QCOMPARE(services.log.at(1), std::string("specialFolder 16"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
