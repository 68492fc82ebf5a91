#include "gui/documents/Document.h"

#include "core/lines/FileSystem.h"
#include "core/users/UserFile.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"

#include <utility>

namespace vantor {

namespace {

void warnReadingLoss(QWidget* owner, const std::string& path, const ReadingLoss& loss) {
    const QString file = toQt(path);
    const QString line = QString::number(loss.line);
    if (loss.kind == ReadingLoss::Kind::StoppedAtEndByte)
        showWarning(owner, loadString(Str::ReadStoppedAtEndByte).arg(file, line));
    else
        showWarning(
            owner,
            loadString(Str::ReadSplitLongLine).arg(file, line, QString::number(kMaxLinePiece)));
}

} // namespace

std::string AbsolutePath(const std::string& name) {
    if (name.empty() || name.front() == kPathSeparator)
        return name;
    const std::string folder = CurrentDirectory();
    return folder.empty() ? name : JoinPath(folder, name);
}

void Document::open(const std::string& name) {
    std::string path = AbsolutePath(name);
    if (named() && SameFile(path, path_))
        return;
    close();
    path_ = std::move(path);
}

void Document::moveTo(const std::string& name) {
    std::string path = AbsolutePath(name);
    if (named() && SameFile(path, path_))
        return;
    forget();
    path_ = std::move(path);
}

void Document::close() {
    forget();
    path_.clear();
    lines_.clear();
}

void Document::forget() {
    reading_ = Reading::None;
    loss_ = {};
    stamp_ = {};
    errorNumber_ = 0;
    errorReason_.clear();
}

void Document::setLines(TextLineList lines) {
    lines_ = std::move(lines);
}

void Document::read(QWidget* owner) {
    TextLineList lines;
    FileStamp stamp;
    ReadingLoss loss;
    try {
        loss = kind_ == DocumentKind::Users ? LoadUserLineList(path_, lines, &stamp)
                                            : ReadLineList(path_, lines, &stamp);
    } catch (const FileError& error) {
        forget();
        lines_.clear();
        reading_ = Reading::Failed;
        errorNumber_ = error.errorNumber();
        errorReason_ = error.reason();
        throw;
    }
    // A reading that lost the same as the last one is not told twice.
    const bool told = reading_ == Reading::Lossy && loss_ == loss;
    lines_ = std::move(lines);
    stamp_ = stamp;
    loss_ = loss;
    reading_ = loss ? Reading::Lossy : stamp.exists ? Reading::Whole : Reading::Missing;
    if (loss && !told)
        warnReadingLoss(owner, path_, loss);
}

void Document::refuseIfFailed() const {
    if (reading_ != Reading::Failed)
        return;
    if (errorNumber_ != 0)
        throw FileError(path_, errorNumber_);
    throw FileError(path_, errorReason_);
}

void Document::written(TextLineList lines, const FileStamp& stamp) {
    lines_ = std::move(lines);
    written(stamp);
}

void Document::written(const FileStamp& stamp) {
    forget();
    reading_ = Reading::Whole;
    stamp_ = stamp;
}

} // namespace vantor
