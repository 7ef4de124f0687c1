#pragma once

#include <QApplication>
#include <QWidget>
#include <QtTest>

// Shows a window and waits until it has the keyboard, so that key clicks reach it.
inline void ShowAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}
