#pragma once

#include "core/vfs/MountFields.h"
#include "core/vfs/VfsValidation.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A mount point as a desired state wants it, by its virtual path: there with
// the fields given, or not there.
struct WantedMount {
    std::string virtualPath;
    bool present = true;
    std::optional<std::string> physical, owner, group;
    std::optional<Permissions> rights;
    std::optional<bool> inherit;
};

using MountFieldSet = std::bitset<kMountPointFieldCount>;

struct MountOutcome {
    enum class Kind { Added, Changed, Removed, Unchanged, Refused };
    enum class Refusal {
        None,
        Rule,        // `rule` says why (the paths as the editor checks them, then the line)
        RootRemoved, // the root "/" is never removed
        NoPhysical,  // a new mount point needs its physical path
    };
    Kind kind = Kind::Unchanged;
    MountFieldSet changed;
    Refusal refusal = Refusal::None;
    MountPointRule rule = MountPointRule::Ok;
    std::optional<MountPathField> path; // the path at fault, for a path rule
};

// The whole new content of a *.vfs file for a set of wanted mount points, in
// one pass over its lines. A mount point is the first line of its virtual
// path; a changed one keeps its place, new ones follow in the order wanted
// with the editor's values for what is not given (owner and group "default",
// rights 754, inheriting), an unwanted one loses every line of its virtual
// path, and with `prune` so does every mount point not wanted at all but the
// root. A mount point whose fields already have the wanted values keeps its
// line byte for byte; one added or changed is checked as the editor checks it.
struct MountPlan {
    std::vector<MountOutcome> wanted;
    std::vector<std::string> pruned; // the virtual paths `prune` removes, in file order
    std::optional<std::string> bytes;

    bool refused() const;
};
MountPlan PlanMounts(std::string_view fileBytes, const std::vector<WantedMount>& wanted,
                     bool prune);

} // namespace vantor
