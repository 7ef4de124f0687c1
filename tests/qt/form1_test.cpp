// The main window, offscreen: its description followed, its look, the keyboard, and what each
// control does.
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
        Form1 form(services, services);
        ShowAndActivate(form);
        QCOMPARE(form.size(), QSize(343, 360));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!form.windowIcon().isNull());
    }

    void followsItsDescription() {
        FakeServices services;
        Form1 form(services, services);
        CheckFollowsDescription(form);
    }

    void labelsAreCentredBesideTheirButtons() {
        FakeServices services;
        Form1 form(services, services);
        for (const auto& [labelName, buttonName] :
             {std::pair{"Label1", "Command1"}, std::pair{"Label2", "Command2"}}) {
            const auto* label = Named<QLabel>(form, labelName);
            const auto* button = Named<QPushButton>(form, buttonName);
            const int labelMiddle2 = 2 * label->y() + label->height();
            const int buttonMiddle2 = 2 * button->y() + button->height();
            QVERIFY(std::abs(labelMiddle2 - buttonMiddle2) <= 1);
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label->font().pointSizeF(), 11.25);
            QVERIFY2(label->sizeHint().width() <= label->width(), "the text does not fit");
            QCOMPARE(label->buddy(), button);
            QCOMPARE(button->iconSize(), QSize(32, 32));
            QVERIFY(!button->icon().isNull());
        }
    }

    void bannerIsWhiteWithItsLogoAtNaturalSize() {
        FakeServices services;
        Form1 form(services, services);
        const auto* banner = Named<QLabel>(form, "Picture1");
        QCOMPARE(banner->pixmap().size(), QSize(317, 81));
        QCOMPARE(banner->contentsRect().size(), QSize(339, 81));
        QCOMPARE(banner->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void spaceOrEnterOnCloseEndsTheProgram() {
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            FakeServices services;
            Form1 form(services, services);
            ShowAndActivate(form);
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(services.log, std::vector<std::string>{"endProgram"});
        }
    }

    void buttonsStartTheirRoadsAndTheRestStartsNothing() {
        FakeServices services;
        Form1 form(services, services);
        ShowAndActivate(form);
        for (const char* inert : {"Label1", "Label2", "Picture1"}) {
            QTest::mouseClick(Named(form, inert), Qt::LeftButton);
        }
        QVERIFY(services.log.empty());
        QTest::mouseClick(Named(form, "Command1"), Qt::LeftButton);
        QCOMPARE(services.log, std::vector<std::string>{"showCreateWizard"});
        QTest::mouseClick(Named(form, "Command2"), Qt::LeftButton);
        QCOMPARE(services.log.at(1), std::string("specialFolder 16"));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
