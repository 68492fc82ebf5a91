#include "platform/Messages.h"

#include "app/FileSystem.h"
#include "platform/QtText.h"
#include "platform/Ui.h"

namespace vantor {

void showError(QWidget* owner, const QString& text) {
    ui().showMessage(owner, loadString(Str::CaptionError), text);
}

void showError(QWidget* owner, Str text) {
    showError(owner, loadString(text));
}

void showWarning(QWidget* owner, Str text) {
    ui().showMessage(owner, loadString(Str::CaptionWarning), loadString(text));
}

void showNotice(QWidget* owner, Str text) {
    ui().showMessage(owner, QString(), loadString(text));
}

void reportFileError(QWidget* owner, const FileError& error) {
    showError(owner, loadString(Str::FileErrorMessage)
                         .arg(toQt(error.fileName()), QString::fromLocal8Bit(error.reason())));
}

bool checkPathLength(QWidget* owner, const std::string& path) {
    if (path.size() <= kMaxPathLength)
        return true;
    showError(owner, loadString(Str::PathTooLong).arg(toQt(path)).arg(kMaxPathLength));
    return false;
}

bool currentDirectoryFor(QWidget* owner, std::string& directory) {
    directory = CurrentDirectory();
    if (directory.size() <= kMaxPathLength)
        return true;
    showError(owner, loadString(Str::CurrentDirectoryTooLong).arg(kMaxPathLength));
    return false;
}

} // namespace vantor
