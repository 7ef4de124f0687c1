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
    explicit Wizard(const std::string& desktop = "/home/owner/Desktop") {
        services.desktop = desktop;
        form = std::make_unique<Form2>(services);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(Qt::Key k) const { QTest::keyClick(focus(), k); }
};

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT
  private slots:
    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Option1") << "Option1" << QRect(24, 80, 161, 17) << "Windows Desktop";
        QTest::newRow("Option2") << "Option2" << QRect(24, 104, 169, 17) << "Other Location";
        QTest::newRow("Text1") << "Text1" << QRect(32, 136, 185, 21) << "";
        QTest::newRow("Command3") << "Command3" << QRect(224, 136, 65, 25) << "Browse...";
        QTest::newRow("Command1") << "Command1" << QRect(144, 208, 73, 25) << "Next >";
        QTest::newRow("Label2") << "Label2" << QRect(24, 16, 201, 25)
                                << "Please type a name for your Tambrel";
        QTest::newRow("Text2") << "Text2" << QRect(24, 40, 265, 21) << "";
        QTest::newRow("Command4") << "Command4" << QRect(72, 208, 73, 25) << "< Back";
        QTest::newRow("Command5") << "Command5" << QRect(144, 208, 73, 25) << "Finish";
        QTest::newRow("Command2") << "Command2" << QRect(232, 208, 73, 25) << "Cancel";
    }
    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        Wizard w;
        auto* control = w.form->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), caption);
        }
    }

    void windowOpensOnTheLocationPage() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        QCOMPARE(f.windowTitle(), QStringLiteral("Create Tambrel"));
        QCOMPARE(f.size(), QSize(314, 242));
        QVERIFY(!(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(f.Label1->text(), QStringLiteral("You are about to create a new Tambrel. Where "
                                                  "would you like your Tambrel located?"));
        QCOMPARE(f.Label1->geometry().topLeft(), QPoint(24, 32));
        QVERIFY(f.Option1->isChecked());
        QCOMPARE(f.Text1->text(), QStringLiteral("/home/owner/Desktop"));
        QVERIFY(!f.Text1->isEnabled());
        QVERIFY(!f.Command3->isEnabled());
        QVERIFY(f.Command1->isEnabled());
        QVERIFY(!f.Command5->isEnabled());
        for (QWidget* hidden :
             {static_cast<QWidget*>(f.Label2), static_cast<QWidget*>(f.Text2),
              static_cast<QWidget*>(f.Command4), static_cast<QWidget*>(f.Command5)}) {
            QVERIFY(!hidden->isVisible());
        }
        QCOMPARE(w.focus(), f.Command1);
    }

    void keyboardAloneReachesFinish() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        // Tab skips the disabled folder controls.
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Option1);
        w.key(Qt::Key_Down);  // arrows move between the options
        QVERIFY(f.Option2->isChecked());
        QVERIFY(f.Text1->isEnabled());
        QVERIFY(f.Command3->isEnabled());
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Text1);
        f.Text1->selectAll();
        QTest::keyClicks(f.Text1, "  /tmp/work  ");
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Command3);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Command2);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Command1);
        w.key(Qt::Key_Space);
        QVERIFY(!f.Command1->isVisible());
        QCOMPARE(w.focus(), f.Text2);
        QVERIFY(!f.Command5->isEnabled());
        QTest::keyClicks(f.Text2, "   ");
        QVERIFY(!f.Command5->isEnabled());
        QTest::keyClicks(f.Text2, "Notes");
        QVERIFY(f.Command5->isEnabled());
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
        QTest::keyClicks(f.Text2, "Notes");
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Command4);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Command5);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Command2);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), f.Text2);
        QTest::mouseClick(f.Command4, Qt::LeftButton);
        QVERIFY(f.Command1->isVisible());
        QVERIFY(!f.Text2->isVisible());
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QCOMPARE(f.Text2->text(), QStringLiteral("Notes"));
        QVERIFY(f.Command5->isEnabled());
    }

    // One default button at a time, as a dialog shows it: the page's own, or the focused button.
    void eachPageShowsItsDefaultButton() {
        Wizard w;
        Form2& f = *w.form;
        ShowAndActivate(f);
        const auto defaults = [&f] {
            QList<QPushButton*> found;
            for (QPushButton* b : {f.Command1, f.Command2, f.Command3, f.Command4, f.Command5}) {
                if (b->isDefault()) {
                    found.append(b);
                }
            }
            return found;
        };
        QCOMPARE(defaults(), QList<QPushButton*>{f.Command1});
        f.Command2->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{f.Command2});
        f.Option1->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{f.Command1});
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        QCOMPARE(defaults(), QList<QPushButton*>{f.Command5});
        f.Command4->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{f.Command4});
        f.Text2->setFocus(Qt::TabFocusReason);
        QCOMPARE(defaults(), QList<QPushButton*>{f.Command5});
    }

    void escapeAndEnterOnTheLocationPageFinishNothing() {
        Wizard w;
        ShowAndActivate(*w.form);
        w.key(Qt::Key_Escape);
        QVERIFY(w.services.log.size() == 1);  // only the load step's desktop lookup
        QVERIFY(w.form->isVisible());
    }

    void failedFinishShowsTheFullPathThenTheTypedName() {
        Wizard w("/home/owner/My Desktop");
        Form2& f = *w.form;
        ShowAndActivate(f);
        w.key(Qt::Key_Space);
        QTest::keyClicks(f.Text2, " Notes ");
        w.services.writeResult = tbr::testing::FakeError();
        QTest::mouseClick(f.Command5, Qt::LeftButton);
        QCOMPARE(
            w.services.log.back(),
            std::string("tell Error!!! Error creating Tambrel! \rPlease check the name and path."));
        QCOMPARE(f.Text2->text(), QStringLiteral(" Notes "));
        QVERIFY(f.Text2->isVisible());
        QVERIFY(f.Command5->isEnabled());
    }

    void cancelGoesBackToTheMainWindow() {
        Wizard w;
        ShowAndActivate(*w.form);
        QTest::mouseClick(w.form->Command2, Qt::LeftButton);
        QCOMPARE(w.services.log.back(), std::string("showMainWindow"));
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
