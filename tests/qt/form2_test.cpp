// The create wizard window, offscreen: layout, pages, keyboard, and what reaches the behaviour.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "tests/qt/qt_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/qt/form2.h"

using tbr::Answer;
using tbr::qt::Form2;
using tbr::testing::FakeServices;

namespace {

struct Wizard {
    FakeServices services;
    std::unique_ptr<Form2> form;
    explicit Wizard(const std::string& desktop = "/home/owner/Desktop")
        : form((services.desktop = desktop, std::make_unique<Form2>(services, services))) {}
    QLabel* Label1 = Named<QLabel>(*form, "Label1");
    QRadioButton* Option1 = Named<QRadioButton>(*form, "Option1");
    QRadioButton* Option2 = Named<QRadioButton>(*form, "Option2");
    QLineEdit* Text1 = Named<QLineEdit>(*form, "Text1");
    QPushButton* Command3 = Named<QPushButton>(*form, "Command3");
    QPushButton* Command1 = Named<QPushButton>(*form, "Command1");
    QLabel* Label2 = Named<QLabel>(*form, "Label2");
    QLineEdit* Text2 = Named<QLineEdit>(*form, "Text2");
    QPushButton* Command4 = Named<QPushButton>(*form, "Command4");
    QPushButton* Command5 = Named<QPushButton>(*form, "Command5");
    QPushButton* Command2 = Named<QPushButton>(*form, "Command2");
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key k) const { QTest::keyClick(focus(), k); }
};

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
  private slots:
    void followsItsDescription() {
        Wizard w;
        CheckFollowsDescription(*w.form);
    }

    void windowOpensOnTheLocationPage() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        QCOMPARE(f.size(), QSize(314, 242));
        QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(w.Label1->geometry().topLeft(), QPoint(24, 32));
        QVERIFY(w.Option1->isChecked());
        QCOMPARE(w.Text1->text(), QStringLiteral("/home/owner/Desktop"));
        QVERIFY(!w.Text1->isEnabled());
        QVERIFY(!w.Command3->isEnabled());
        QVERIFY(w.Command1->isEnabled());
        QVERIFY(!w.Command5->isEnabled());
        for (QWidget* hidden :
             {static_cast<QWidget*>(w.Label2), static_cast<QWidget*>(w.Text2),
              static_cast<QWidget*>(w.Command4), static_cast<QWidget*>(w.Command5)}) {
            QVERIFY(!hidden->isVisible());
        }
        QCOMPARE(w.focus(), w.Command1);
    }

    void keyboardAloneReachesFinish() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        // Tab skips the disabled folder controls.
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Option1);
        w.key(Qt::Key_Down);  // arrows move between the options
        QVERIFY(w.Option2->isChecked());
        QVERIFY(w.Text1->isEnabled());
        QVERIFY(w.Command3->isEnabled());
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Text1);
        w.Text1->selectAll();
        QTest::keyClicks(w.Text1, "  /tmp/work  ");
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Command3);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Command2);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Command1);
        w.key(Qt::Key_Space);
        QVERIFY(!w.Command1->isVisible());
        QCOMPARE(w.focus(), w.Text2);
        QVERIFY(!w.Command5->isEnabled());
        QTest::keyClicks(w.Text2, "   ");
        QVERIFY(!w.Command5->isEnabled());
        QTest::keyClicks(w.Text2, "Notes");
        QVERIFY(w.Command5->isEnabled());
        w.services.answers = {Answer::No};
        w.key(Qt::Key_Return);  // Finish is the name page's default button
        QCOMPARE(w.services.written, std::vector<std::string>{"/tmp/work/Notes.tbr"});
        QVERIFY(w.services.ended);
    }

    void backKeepsTheNameAndTabOrderOfTheNamePage() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        w.key(Qt::Key_Space);
        QTest::keyClicks(w.Text2, "Notes");
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Command4);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Command5);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Command2);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.Text2);
        QTest::mouseClick(w.Command4, Qt::LeftButton);
        QVERIFY(w.Command1->isVisible());
        QVERIFY(!w.Text2->isVisible());
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(w.Text2->text(), QStringLiteral("Notes"));
        QVERIFY(w.Command5->isEnabled());
    }

    // One default button at a time, as a dialog shows it: the page's own, or the focused button.
    void eachPageShowsItsDefaultButton() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        const auto defaults = [&w] {
            QList<QPushButton*> found;
            for (QPushButton* b : {w.Command1, w.Command2, w.Command3, w.Command4, w.Command5}) {
                if (b->isDefault()) {
                    found.append(b);
                }
            }
            return found;
        };
        QCOMPARE(defaults(), QList<QPushButton*>{w.Command1});
        w.Command2->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{w.Command2});
        w.Option1->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{w.Command1});
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(defaults(), QList<QPushButton*>{w.Command5});
        w.Command4->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{w.Command4});
        w.Text2->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{w.Command5});
    }

    // Enter away from the buttons presses the page's default button, "Next >", which finishes
    // nothing.
    void escapeAndEnterOnTheLocationPageFinishNothing() {
        Wizard w;
        ShowAndActivate(*w.form);
        w.key(Qt::Key_Escape);
        w.Option1->setFocus(Qt::TabFocusReason);
        w.key(Qt::Key_Return);
        QVERIFY(w.Text2->isVisible());
        QVERIFY(w.services.log.size() == 1);  // only the load step's desktop lookup
        QVERIFY(w.form->isVisible());
    }

    void failedFinishShowsTheFullPathThenTheTypedName() {
        Wizard w("/home/owner/My Desktop");
        Form2& f = *w.form;
        ShowAndActivate(f);
        w.key(Qt::Key_Space);
        QTest::keyClicks(w.Text2, " Notes ");
        w.services.writeResult = tbr::testing::FakeError();
        QTest::mouseClick(w.Command5, Qt::LeftButton);
        QCOMPARE(
            w.services.log.back(),
            std::string("tell Error!!! Error creating Tambrel! \rPlease check the name and path."));
        QCOMPARE(w.Text2->text(), QStringLiteral(" Notes "));
        QVERIFY(w.Text2->isVisible());
        QVERIFY(w.Command5->isEnabled());
    }

    void cancelGoesBackToTheMainWindow() {
        Wizard w;
        ShowAndActivate(*w.form);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(w.services.log.back(), std::string("showMainWindow"));
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
