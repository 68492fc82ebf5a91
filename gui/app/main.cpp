#include "gui/app/WizardApp.h"
#include "gui/platform/ApplicationIcon.h"
#include "texts/Translation.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantor-wizard"));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.vantor.wizard"));
    QApplication::setWindowIcon(vantor::applicationIcon());
    vantor::installTranslations(app, vantor::userInterfaceLocale());
    vantor::WizardApp wizard;
    return wizard.run();
}
