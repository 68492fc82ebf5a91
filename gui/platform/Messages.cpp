#include "gui/platform/Messages.h"

#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"

#include <optional>

namespace vantor {

void showError(QWidget* owner, const QString& text) {
    ui().showMessage(owner, loadString(Str::CaptionError), text);
}

void showError(QWidget* owner, Str text) {
    showError(owner, loadString(text));
}

void showWarning(QWidget* owner, const QString& text) {
    ui().showMessage(owner, loadString(Str::CaptionWarning), text);
}

void showWarning(QWidget* owner, Str text) {
    showWarning(owner, loadString(text));
}

void showNotice(QWidget* owner, Str text) {
    ui().showMessage(owner, QString(), loadString(text));
}

QString fileErrorText(const FileError& error) {
    if (dynamic_cast<const FileBusy*>(&error) != nullptr)
        return loadString(Str::FileBusy).arg(toQt(error.fileName()));
    return loadString(Str::FileErrorMessage).arg(toQt(error.fileName()), fileErrorReason(error));
}

void reportFileError(QWidget* owner, const FileError& error) {
    showError(owner, fileErrorText(error));
}

namespace {

// The rule a path breaks with one of its bytes, if any.
std::optional<Str> refusedByteIn(const std::string& path) {
    if (HasLineBreak(path))
        return Str::PathLineBreak;
    if (HasEndOfFileByte(path))
        return Str::PathEndByte;
    return std::nullopt;
}

} // namespace

void reportActionFailure(QWidget* owner, const char* what) {
    showError(owner,
              loadString(Str::ActionFailed)
                  .arg(what != nullptr ? QString::fromLocal8Bit(what) : QStringLiteral("?")));
}

bool checkPathUsable(QWidget* owner, const std::string& path) {
    if (PathFitsRecord(path))
        return true;
    if (const auto rule = refusedByteIn(path)) {
        showError(owner, *rule);
        return false;
    }
    showError(owner, loadString(Str::PathTooLong).arg(toQt(path), QString::number(kMaxPathLength)));
    return false;
}

bool currentDirectoryFor(QWidget* owner, std::string& directory) {
    directory = CurrentDirectory();
    if (directory.empty()) {
        showError(owner, Str::CurrentDirectoryUnreadable);
        return false;
    }
    if (const auto rule = refusedByteIn(directory)) {
        showError(owner, *rule);
        return false;
    }
    if (directory.size() > kMaxPathLength) {
        showError(owner, loadString(Str::CurrentDirectoryTooLong).arg(kMaxPathLength));
        return false;
    }
    return true;
}

} // namespace vantor
