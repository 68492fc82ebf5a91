#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantor::test {

// Moves the focus onto a control of a shown dialog as Tab would, its window
// made the active one, so that the keys that follow go where a user's go.
inline void focusOn(QWidget* widget) {
    QApplication::setActiveWindow(widget->window());
    widget->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), widget) << widget->objectName().toStdString();
}

inline void pressEnterOn(QWidget* widget) {
    focusOn(widget);
    QTest::keyClick(widget, Qt::Key_Return);
}

} // namespace vantor::test
