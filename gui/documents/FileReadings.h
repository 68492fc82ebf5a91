#pragma once

#include "core/lines/FileStamp.h"
#include "gui/documents/WizardState.h"

#include <string>
#include <vector>

class QWidget;

namespace vantor {

// Tells the user, with a WARNING naming the file and the line, that a reading
// of the file lost content, and why.
void warnReadingLoss(QWidget* owner, const std::string& path, const ReadingLoss& loss);

// Reads a definition file through `read` (a core reader returning its
// ReadingLoss) and keeps what came of it in the ledger: a loss the ledger did
// not know of is reported at once; a FileError is kept, so that the file is not
// written until a later reading succeeds, and raised again.
template <typename Read>
void readDefinitionFile(QWidget* owner, FileLedger& ledger, const std::string& path, Read&& read) {
    if (ledger.read(path, read))
        warnReadingLoss(owner, path, ledger.of(path).loss);
}

// The user line list and the allowed address list read, as above, from the
// files the record names; each list then counts as read from its file. When
// asked, `stamp` tells what was read of the user file.
void loadUserLines(QWidget* owner, WizardState& state, FileStamp* stamp = nullptr);
std::vector<std::string> loadAllowedAddresses(QWidget* owner, WizardState& state,
                                              const std::string& user);

// Before a dialog replaces a definition file: a file whose last reading failed
// raises that error again, and one whose reading lost content is replaced only
// when the user agrees. False when the user said no.
bool mayReplace(QWidget* owner, const FileLedger& ledger, const std::string& path);
// The same before writing a list that was read from `listFrom` (empty: from no
// file): an existing file other than that one is replaced only when the user
// agrees.
bool mayReplaceWith(QWidget* owner, const FileLedger& ledger, const std::string& path,
                    const std::string& listFrom);

// After a list was written to `path`: the file is known whole, and the list
// counts as read from it.
void noteListWritten(FileLedger& ledger, std::string& listFrom, const std::string& path);

} // namespace vantor
