#include "gui/platform/Messages.h"

#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

#include <cerrno>

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

namespace {

// The common reasons in the user's language; the rare ones as the system
// words them.
QString reasonText(const FileError& error) {
    switch (error.errorNumber()) {
    case EACCES:
    case EPERM:
        return loadString(Str::FileReasonDenied);
    case ENOENT:
    case ENOTDIR:
        return loadString(Str::FileReasonMissing);
    case EISDIR:
        return loadString(Str::FileReasonFolder);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return loadString(Str::FileReasonDiskFull);
    case EROFS:
        return loadString(Str::FileReasonReadOnly);
    case ENAMETOOLONG:
        return loadString(Str::FileReasonNameTooLong);
    default:
        return QString::fromLocal8Bit(error.reason());
    }
}

} // namespace

void reportFileError(QWidget* owner, const FileError& error) {
    if (dynamic_cast<const FileBusy*>(&error) != nullptr) {
        showError(owner, loadString(Str::FileBusy).arg(toQt(error.fileName())));
        return;
    }
    showError(owner,
              loadString(Str::FileErrorMessage).arg(toQt(error.fileName()), reasonText(error)));
}

void reportActionFailure(QWidget* owner, const char* what) {
    showError(owner,
              loadString(Str::ActionFailed)
                  .arg(what != nullptr ? QString::fromLocal8Bit(what) : QStringLiteral("?")));
}

bool checkPathUsable(QWidget* owner, const std::string& path) {
    if (HasLineBreak(path)) {
        showError(owner, Str::PathLineBreak);
        return false;
    }
    if (path.size() <= kMaxPathLength)
        return true;
    showError(owner, loadString(Str::PathTooLong).arg(toQt(path), QString::number(kMaxPathLength)));
    return false;
}

bool currentDirectoryFor(QWidget* owner, std::string& directory) {
    directory = CurrentDirectory();
    if (directory.empty()) {
        showError(owner, Str::CurrentDirectoryUnreadable);
        return false;
    }
    if (HasLineBreak(directory)) {
        showError(owner, Str::PathLineBreak);
        return false;
    }
    if (directory.size() > kMaxPathLength) {
        showError(owner, loadString(Str::CurrentDirectoryTooLong).arg(kMaxPathLength));
        return false;
    }
    return true;
}

} // namespace vantor
