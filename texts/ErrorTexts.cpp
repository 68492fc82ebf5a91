#include "texts/ErrorTexts.h"

#include "core/lines/TextLineList.h"
#include "texts/RuleTexts.h"
#include "texts/Strings.h"

#include <QStringList>

#include <cerrno>
#include <pwd.h>

namespace vantor {

namespace {

QString shownPath(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

// An account by its name where the system knows one, else by its number.
QString accountName(std::uint32_t uid) {
    if (const passwd* entry = ::getpwuid(uid))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}

QString systemReason(const FileError& error) {
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
    case EINTR:
        return loadString(Str::FileReasonInterrupted);
    case EIO:
        return loadString(Str::FileReasonInputOutput);
    default:
        return QString::fromLocal8Bit(error.reason());
    }
}

QString accessReason(AccessPart part) {
    switch (part) {
    case AccessPart::Group:
        return loadString(Str::FileReasonGroupNotKept);
    case AccessPart::AccessList:
        return loadString(Str::FileReasonAccessListNotKept);
    case AccessPart::Attributes:
        return loadString(Str::FileReasonAttributesNotKept);
    case AccessPart::Permissions:
        break;
    }
    return loadString(Str::FileReasonPermissionsNotKept);
}

QString lossText(const ReadingLoss& loss) {
    if (loss.kind == ReadingLoss::Kind::SplitLongLine)
        return loadString(Str::LossLongLine).arg(kMaxLinePiece);
    return loadString(Str::LossEndByte);
}

} // namespace

QString fileErrorReason(const FileError& error) {
    switch (error.fault()) {
    case FileFault::System:
        return systemReason(error);
    case FileFault::NotRegular:
        return loadString(Str::FileReasonNotRegular);
    case FileFault::TooLarge:
        return loadString(Str::FileReasonTooLarge);
    case FileFault::DanglingLink:
        return loadString(Str::FileReasonDanglingLink);
    case FileFault::PlantedLink:
        return loadString(Str::FileReasonPlantedLink);
    case FileFault::PlantedFile:
        return loadString(Str::FileReasonPlantedFile);
    case FileFault::HardLinks:
        return loadString(Str::FileReasonHardLinks).arg(error.linkCount());
    case FileFault::OwnerChange:
        return loadString(Str::FileReasonOwnerChange)
            .arg(accountName(error.owner()), accountName(error.newOwner()));
    case FileFault::AccessNotKept:
        return accessReason(error.accessPart());
    case FileFault::Immutable:
        return loadString(Str::FileReasonImmutable);
    case FileFault::AppendOnly:
        return loadString(Str::FileReasonAppendOnly);
    case FileFault::FolderUnreadable:
        return loadString(Str::FileReasonFolderUnreadable);
    case FileFault::NoWorkingFolder:
    case FileFault::NotDurable:
    case FileFault::Busy:
    case FileFault::ReadingLost:
    case FileFault::PartlyChanged:
        break;
    }
    return systemReason(error);
}

QString fileErrorText(const FileError& error) {
    const QString file = shownPath(error.fileName());
    switch (error.fault()) {
    case FileFault::NoWorkingFolder:
        return loadString(Str::NoWorkingFolder);
    case FileFault::NotDurable:
        return loadString(Str::FileNotDurable).arg(file);
    case FileFault::Busy:
        return loadString(Str::FileBusy).arg(file);
    case FileFault::ReadingLost:
        return loadString(Str::FileReadingLost)
            .arg(file, QString::number(error.loss().line), lossText(error.loss()));
    case FileFault::PartlyChanged: {
        QStringList changed;
        for (const std::string& name : error.changed())
            changed.append(shownPath(name));
        return loadString(Str::FilesPartlyChanged)
            .arg(file, systemReason(error), changed.join(QStringLiteral(" , ")));
    }
    default:
        return loadString(Str::FileErrorMessage).arg(file, fileErrorReason(error));
    }
}

QString errorText(const std::exception& error) {
    if (const auto* file = dynamic_cast<const FileError*>(&error))
        return fileErrorText(*file);
    if (const auto* refused = dynamic_cast<const InvalidInput*>(&error))
        return inputRuleText(refused->rule());
    if (dynamic_cast<const LineBreakRefused*>(&error) != nullptr)
        return loadString(Str::TextLineBreak);
    return loadString(Str::ActionFailed).arg(QString::fromLocal8Bit(error.what()));
}

} // namespace vantor
