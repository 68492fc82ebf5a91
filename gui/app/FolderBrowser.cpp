#include "gui/app/FolderBrowser.h"

#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

#include <QLineEdit>

namespace vantor {

void BrowseForFolder(QWidget* owner, QLineEdit* target) {
    QString result;
    if (const auto folder = ui().browseForFolder(owner, loadString(Str::BrowseFolderTitle))) {
        if (checkPathUsable(owner, toBytes(*folder)))
            result = *folder;
    }
    target->setText(result);
}

} // namespace vantor
