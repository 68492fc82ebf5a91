#pragma once

#include "cli/Admin.h"
#include "cli/StateFile.h"
#include "core/lines/FileChange.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::admin {

// What becomes of one object of the state (or of one a prune removes).
struct ObjectResult {
    enum class Kind { Account, Address, Mount, Server };
    enum class Outcome { Added, Changed, Removed, Unchanged };
    Kind kind;
    std::string name; // the account's or server's name, the address, the virtual path
    std::optional<std::string> account; // an address's account; none: every account
    Outcome outcome = Outcome::Unchanged;
    std::vector<std::string> fields; // the changed fields, by their names in the state
};

// One file the plan opened, as read and as it is to be.
struct FileResult {
    std::string file;
    FileChange* change = nullptr;
    std::optional<std::string> after;
    bool holdsPasswords = false; // a user file: its diff hides them

    std::string_view before() const { return change->bytes(); }
    bool changes() const { return after && *after != before(); }
};

// The changes that bring a folder into a desired state, worked out with every
// file it touches opened under its lock, each once, and read: the user file,
// the allowed address file, the configurations, the *.vfs files and the
// startup list, in that order. Every fault found on the way (an address of an
// unknown account, an owner no account has, a new server without a root)
// goes into `errors` with its place in the state; the plan is sound when
// none did.
class ApplyPlan {
public:
    ApplyPlan(const Folder& folder, const DesiredState& state, bool prune,
              std::vector<StateError>& errors);

    const std::vector<ObjectResult>& objects() const { return objects_; }
    const std::vector<FileResult>& files() const { return files_; }
    std::size_t changeCount() const;
    std::size_t changedFiles() const;

    // Writes every changed file, all prepared before the first is put in place.
    void commit();

private:
    class Builder;

    FileChanges changes_;
    std::vector<ObjectResult> objects_;
    std::vector<FileResult> files_;
};

} // namespace vantor::admin
