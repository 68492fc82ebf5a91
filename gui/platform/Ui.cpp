#include "gui/platform/Ui.h"

#include "gui/platform/QtUi.h"

namespace vantor {

namespace {

Ui*& installed() {
    static QtUi desktop;
    static Ui* current = &desktop;
    return current;
}

} // namespace

Ui& ui() {
    return *installed();
}

Ui* installUi(Ui* service) {
    Ui* previous = installed();
    installed() = service;
    return previous;
}

} // namespace vantor
