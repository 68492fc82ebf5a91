#include "gui/platform/ListBoxLines.h"

#include "core/lines/TextLineList.h"
#include "gui/platform/QtText.h"

#include <QListWidget>

namespace vantor {

void CopyListBoxLines(const QListWidget& control, TextLineList& lines) {
    const int count = control.count();
    for (int i = 0; i < count; ++i)
        lines.add(toBytes(control.item(i)->text()));
}

} // namespace vantor
