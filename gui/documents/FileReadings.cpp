#include "gui/documents/FileReadings.h"

#include "core/lines/FileSystem.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"
#include "gui/platform/Messages.h"
#include "gui/platform/QtText.h"
#include "gui/platform/Ui.h"
#include "texts/Strings.h"

namespace vantor {

namespace {

bool askToReplace(QWidget* owner, const QString& question) {
    return ui().askYesNo(owner, loadString(Str::CaptionWarning), question);
}

} // namespace

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

void loadUserLines(QWidget* owner, WizardState& state, FileStamp* stamp) {
    const std::string path = state.design.userFile;
    // Emptied first, a list whose reading failed comes from no file.
    state.userLinesFrom.clear();
    readDefinitionFile(owner, state.files, path,
                       [&] { return LoadUserLineList(path, state.userLines, stamp); });
    state.userLinesFrom = path;
}

std::vector<std::string> loadAllowedAddresses(QWidget* owner, WizardState& state,
                                              const std::string& user) {
    const std::string path = state.design.allowFile;
    state.allowedFrom.clear();
    readDefinitionFile(owner, state.files, path,
                       [&] { return LoadAllowedAddressList(path, state.allowed); });
    state.allowedFrom = path;
    return AllowedAddressesOf(state.allowed, user);
}

bool mayReplace(QWidget* owner, const FileLedger& ledger, const std::string& path) {
    ledger.refuseIfReadingFailed(path);
    const FileLedger::Entry entry = ledger.of(path);
    if (entry.known != FileLedger::Known::Lossy)
        return true;
    return askToReplace(
        owner, loadString(Str::ReplaceLossyFile).arg(toQt(path), QString::number(entry.loss.line)));
}

bool mayReplaceWith(QWidget* owner, const FileLedger& ledger, const std::string& path,
                    const std::string& listFrom) {
    ledger.refuseIfReadingFailed(path);
    if (SECFileSystem().FileExists(path) && !SameFile(path, listFrom))
        return askToReplace(owner, loadString(Str::ReplaceUnreadFile).arg(toQt(path)));
    return mayReplace(owner, ledger, path);
}

void noteListWritten(FileLedger& ledger, std::string& listFrom, const std::string& path) {
    ledger.noteWritten(path);
    listFrom = path;
}

} // namespace vantor
