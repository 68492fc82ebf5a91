#include "gui/platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vantor {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace vantor
