#include "gui/platform/ApplicationIcon.h"

namespace vantor {

QIcon applicationIcon() {
    QIcon icon;
    // Without a size given, the icon reads each file's own size, so a picture
    // drawn at the wrong size is never offered for a size it does not have.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/images/application-%1.png").arg(size));
    return icon;
}

} // namespace vantor
