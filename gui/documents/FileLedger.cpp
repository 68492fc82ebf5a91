#include "gui/documents/FileLedger.h"

#include "core/lines/FileSystem.h"

namespace vantor {

bool FileLedger::noteRead(const std::string& path, const ReadingLoss& loss) {
    if (path.empty())
        return false;
    Entry& entry = entries_[ResolvedPath(path)];
    const bool known = entry.known == Known::Lossy && entry.loss == loss;
    entry = Entry{loss ? Known::Lossy : Known::Whole, loss, 0, {}};
    return loss && !known;
}

void FileLedger::noteFailed(const std::string& path, const FileError& error) {
    if (!path.empty())
        entries_[ResolvedPath(path)] =
            Entry{Known::Failed, {}, error.errorNumber(), error.reason()};
}

void FileLedger::noteWritten(const std::string& path) {
    if (!path.empty())
        entries_[ResolvedPath(path)] = Entry{Known::Whole, {}, 0, {}};
}

FileLedger::Entry FileLedger::of(const std::string& path) const {
    if (path.empty())
        return {};
    const auto found = entries_.find(ResolvedPath(path));
    return found == entries_.end() ? Entry{} : found->second;
}

void FileLedger::refuseIfReadingFailed(const std::string& path) const {
    const Entry entry = of(path);
    if (entry.known != Known::Failed)
        return;
    if (entry.errorNumber != 0)
        throw FileError(path, entry.errorNumber);
    throw FileError(path, entry.reason);
}

} // namespace vantor
