#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Qt's bridge to the accessibility bus joins it in the background; the cases
// that need it would otherwise start before it is there.
void waitForAccessibilityBridge() {
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        return;
    QDeadlineTimer deadline(5000);
    while (!QAccessible::isActive() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!QAccessible::isActive())
        std::fputs("the accessibility bridge did not come up\n", stderr);
}

} // namespace

// The dialog benchmarks drive real dialogs headless, as the dialog tests do,
// unless the environment names a platform: with-accessibility-bus.sh runs
// them on a private X server with the accessibility bridge on.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    waitForAccessibilityBridge();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
