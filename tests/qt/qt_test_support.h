#pragma once

#include <QApplication>
#include <QWidget>
#include <QtTest>
#include <functional>

// Shows a window and waits until it has the keyboard, so that key clicks reach it.
inline void ShowAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Runs check on the modal box or dialog that the code under test opens next, once it has the
// keyboard; a box still open after the check is closed, so that a failed check cannot hang.
inline void WhenModalAppears(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
        QWidget* modal = nullptr;
        QTRY_VERIFY((modal = QApplication::activeModalWidget()) != nullptr);
        modal->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), modal);
        check(modal);
        if (QApplication::activeModalWidget() == modal) {
            modal->close();  // a failed check must not leave the test hanging
        }
    });
}
