#include "gui/platform/FolderBrowser.h"

#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

#include <QLineEdit>

namespace vantor {

std::optional<std::string> ChooseFolder(QWidget* owner, Str title) {
    const auto folder = ui().browseForFolder(owner, loadString(title));
    if (!folder)
        return std::nullopt;
    std::string path = toBytes(*folder);
    if (!checkPathUsable(owner, path))
        return std::nullopt;
    return path;
}

void BrowseForFolder(QWidget* owner, QLineEdit* target) {
    const auto folder = ChooseFolder(owner, Str::BrowseFolderTitle);
    target->setText(folder ? toQt(*folder) : QString());
}

} // namespace vantor
