#include "core/vfs/MountPlan.h"

#include "core/lines/LinePieces.h"

#include <unordered_map>

namespace vantor {

namespace {

std::string virtualPathOf(std::string_view line) {
    return MountFieldText(line, MountField::Virtual).value_or(std::string());
}

MountFieldSet differing(const MountPoint& before, const MountPoint& after) {
    MountFieldSet changed;
    changed.set(static_cast<std::size_t>(MountField::Physical),
                before.physicalPath != after.physicalPath);
    changed.set(static_cast<std::size_t>(MountField::Owner), before.owner != after.owner);
    changed.set(static_cast<std::size_t>(MountField::Group), before.group != after.group);
    changed.set(static_cast<std::size_t>(MountField::Permissions),
                EncodePermissions(before.rights) != EncodePermissions(after.rights));
    changed.set(static_cast<std::size_t>(MountField::Inherit), before.inherit != after.inherit);
    return changed;
}

void applyWanted(const WantedMount& want, MountPoint& mount) {
    if (want.physical)
        mount.physicalPath = *want.physical;
    if (want.owner)
        mount.owner = *want.owner;
    if (want.group)
        mount.group = *want.group;
    if (want.rights)
        mount.rights = *want.rights;
    if (want.inherit)
        mount.inherit = *want.inherit;
}

// The editor's refusal of a mount point about to be written, if any.
std::optional<MountOutcome> refusalOf(const MountPoint& mount) {
    using Kind = MountOutcome::Kind;
    using Refusal = MountOutcome::Refusal;
    if (const auto fault = CheckMountPointPaths(mount.physicalPath, mount.virtualPath))
        return MountOutcome{Kind::Refused, {}, Refusal::Rule, fault->rule, fault->field};
    if (const MountPointRule rule = CheckMountPoint(mount); rule != MountPointRule::Ok)
        return MountOutcome{Kind::Refused, {}, Refusal::Rule, rule, std::nullopt};
    return std::nullopt;
}

} // namespace

bool MountPlan::refused() const {
    for (const MountOutcome& outcome : wanted)
        if (outcome.kind == MountOutcome::Kind::Refused)
            return true;
    return false;
}

MountPlan PlanMounts(std::string_view fileBytes, const std::vector<WantedMount>& wanted,
                     bool prune) {
    using Kind = MountOutcome::Kind;
    MountPlan plan;
    const std::vector<std::string_view> lines = DistinctLinePieces(fileBytes);
    std::vector<std::string> paths(lines.size());
    std::unordered_map<std::string_view, std::size_t> firstLine;
    firstLine.reserve(lines.size());
    for (std::size_t at = 0; at < lines.size(); ++at) {
        paths[at] = virtualPathOf(lines[at]);
        firstLine.try_emplace(paths[at], at);
    }

    std::vector<std::string> replaced(lines.size());
    std::unordered_map<std::string_view, bool> listed; // virtual path: wanted present
    std::string added;
    bool changes = false;
    for (const WantedMount& want : wanted) {
        MountOutcome& outcome = plan.wanted.emplace_back();
        listed.emplace(want.virtualPath, want.present);
        const auto found = firstLine.find(want.virtualPath);
        if (!want.present) {
            if (want.virtualPath == "/")
                outcome = {Kind::Refused, {}, MountOutcome::Refusal::RootRemoved, {}, {}};
            else if (found != firstLine.end()) {
                outcome.kind = Kind::Removed;
                changes = true;
            }
            continue;
        }
        MountPoint before;
        if (found == firstLine.end()) {
            if (!want.physical) {
                outcome = {Kind::Refused, {}, MountOutcome::Refusal::NoPhysical, {}, {}};
                continue;
            }
            before.virtualPath = want.virtualPath;
            before.owner = before.group = std::string(kDefaultOwnerName);
            DecodePermissions("754", before.rights);
            before.inherit = true;
        } else {
            ParseMountPoint(lines[found->second], before);
        }
        MountPoint after = before;
        applyWanted(want, after);
        outcome.changed = differing(before, after);
        if (found != firstLine.end() && outcome.changed.none())
            continue;
        if (const auto refused = refusalOf(after)) {
            outcome = *refused;
            continue;
        }
        changes = true;
        if (found == firstLine.end()) {
            outcome.kind = Kind::Added;
            outcome.changed.reset();
            added.append(FormatMountPoint(after)) += "\r\n";
        } else {
            outcome.kind = Kind::Changed;
            replaced[found->second] = FormatMountPoint(after);
        }
    }

    std::string out;
    out.reserve(fileBytes.size() + 2 * lines.size() + added.size());
    for (std::size_t at = 0; at < lines.size(); ++at) {
        const auto want = listed.find(paths[at]);
        if (want != listed.end() && !want->second)
            continue;
        if (want == listed.end() && prune && paths[at] != "/") {
            if (firstLine.at(paths[at]) == at)
                plan.pruned.push_back(paths[at]);
            changes = true;
            continue;
        }
        out.append(replaced[at].empty() ? lines[at] : std::string_view(replaced[at])) += "\r\n";
    }
    out += added;
    if (changes && !plan.refused())
        plan.bytes = std::move(out);
    return plan;
}

} // namespace vantor
