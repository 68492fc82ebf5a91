#pragma once

#include "core/users/AccountEdits.h"
#include "core/users/Validation.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vantor {

// One account to import: the fields its row gives (the name always), and
// where the row stands in its source, to name it when it is refused.
struct ImportRow {
    std::size_t line = 0;
    AccountFields fields;
};

struct ImportProblem {
    enum class Kind {
        NameExists,   // the account exists and updates were not asked for
        NameRepeated, // an earlier row (`earlierLine`) has the name
        Invalid,      // `rule` says what the account breaks
    };
    std::size_t line = 0;
    Kind kind = Kind::Invalid;
    InputRule rule = InputRule::Ok;
    std::size_t earlierLine = 0;
    std::string name; // the row's
};

// Puts the next row into `row` and returns true, or returns false when no row
// is left. Rows come one at a time, so that a large import never holds them all.
using ImportRowSource = std::function<bool(ImportRow& row)>;

struct ImportResult {
    std::vector<std::string> added;
    std::vector<std::string> changed;
    std::vector<std::string> left; // existing accounts the rows leave as they are
    std::vector<ImportProblem> problems;
    bool written = false;
};

// Imports accounts into a user file in one write, holding the folder's lock
// from the reading to the write. Every row is checked first: a new name
// becomes an account with the values of NewUserLine and the row's fields; an
// existing name is a problem unless `update` is set, and then changes only
// the fields its row gives. The file keeps its lines in file order, a changed
// account in its place, and the new accounts follow in row order, so an
// import into a missing file writes the rows' accounts in their order. The
// file is written only when `write` is set, no row has a problem and some
// account is added or changed; `write` is asked once the last row is taken, so
// that the source may still report problems of its own. FileError when the
// file cannot be read or written.
ImportResult ImportAccounts(const std::string& userFile, const ImportRowSource& nextRow,
                            bool update, const std::function<bool()>& write,
                            const WriteConsent& consent = {});

} // namespace vantor
