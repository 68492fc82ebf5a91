#include "core/users/AccountPlan.h"

#include "core/lines/LinePieces.h"

#include <unordered_map>

namespace vantor {

namespace {

// Field 1 of a line as UserNameOf takes it, as a view into the line: a line
// whose only separator ends it is a name of its own.
std::string_view nameOf(std::string_view line) {
    const std::size_t separator = line.find(kUserFieldSeparator);
    if (separator == std::string_view::npos || separator + 1 == line.size())
        return line;
    return line.substr(0, separator);
}

UserFieldSet differing(const UserLine& before, const UserLine& after) {
    UserFieldSet changed;
    for (const UserFieldInfo& info : kUserFields) {
        bool same = true;
        if (info.text != nullptr)
            same = before.*info.text == after.*info.text;
        else if (info.level != nullptr)
            same = before.*info.level == after.*info.level;
        else if (info.flag != nullptr)
            same = before.*info.flag == after.*info.flag;
        else
            same = before.*info.number == after.*info.number;
        changed.set(static_cast<std::size_t>(info.field), !same);
    }
    return changed;
}

} // namespace

bool AccountPlan::refused() const {
    for (const AccountOutcome& outcome : wanted)
        if (outcome.kind == AccountOutcome::Kind::Refused)
            return true;
    return false;
}

AccountPlan PlanAccounts(std::string_view fileBytes, const std::vector<WantedAccount>& wanted,
                         bool prune, bool keepNames) {
    using Kind = AccountOutcome::Kind;
    AccountPlan plan;
    const std::vector<std::string_view> lines = DistinctLinePieces(fileBytes);

    // The account of a name is the first of its lines in the order a reading
    // lists them: the file's first line, then the others from the last up.
    std::unordered_map<std::string_view, std::size_t> accountLine;
    accountLine.reserve(lines.size());
    for (std::size_t position = 0; position < lines.size(); ++position) {
        const std::size_t at = position == 0 ? 0 : lines.size() - position;
        accountLine.try_emplace(nameOf(lines[at]), at);
    }

    // What becomes of each line: kept, replaced by a new one, or dropped.
    std::vector<std::string> replaced(lines.size());
    std::vector<bool> dropped(lines.size(), false);
    std::unordered_map<std::string_view, bool> wantedNames; // name: wanted present
    wantedNames.reserve(wanted.size());
    std::string added;
    bool changes = false;
    std::string line;
    plan.wanted.reserve(wanted.size());
    for (const WantedAccount& want : wanted) {
        AccountOutcome& outcome = plan.wanted.emplace_back();
        wantedNames.emplace(want.name, want.present);
        const auto found = accountLine.find(want.name);
        if (!want.present) {
            plan.removed_.insert(want.name);
            if (found != accountLine.end()) {
                outcome.kind = Kind::Removed;
                changes = true;
            }
            continue;
        }
        UserLine before = NewUserLine(want.name);
        if (found != accountLine.end())
            ParseUserLine(lines[found->second], before);
        UserLine after = before;
        AccountFields fields = want.fields;
        if (found != accountLine.end())
            fields.given &= ~want.onCreateOnly;
        ApplyAccountFields(fields, after);
        line.clear();
        AppendUserLine(after, line);
        if (const InputRule rule = CheckUserLine(after, line); rule != InputRule::Ok) {
            outcome = {Kind::Refused, {}, rule};
            continue;
        }
        if (found == accountLine.end()) {
            outcome.kind = Kind::Added;
            added.append(line) += "\r\n";
            changes = true;
            continue;
        }
        outcome.changed = differing(before, after);
        if (outcome.changed.none())
            continue;
        outcome.kind = Kind::Changed;
        replaced[found->second] = line;
        changes = true;
    }

    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string_view name = nameOf(lines[at]);
        const auto want = wantedNames.find(name);
        const bool listed = want != wantedNames.end();
        if ((listed && !want->second) || (!listed && prune)) {
            dropped[at] = true;
            if (!listed && accountLine.at(name) == at) {
                plan.pruned.emplace_back(name);
                plan.removed_.emplace(name);
                changes = true;
            }
        }
    }

    if (keepNames) {
        for (std::size_t at = 0; at < lines.size(); ++at) {
            if (dropped[at])
                continue;
            UserLine account;
            ParseUserLine(replaced[at].empty() ? lines[at] : replaced[at], account);
            plan.names_.insert(account.name);
            plan.groups_.insert(account.group);
        }
        for (const WantedAccount& want : wanted)
            if (want.present && !accountLine.contains(want.name)) {
                UserLine account = NewUserLine(want.name);
                ApplyAccountFields(want.fields, account);
                plan.names_.insert(account.name);
                plan.groups_.insert(account.group);
            }
    }

    if (!changes || plan.refused())
        return plan;
    std::string out;
    out.reserve(fileBytes.size() + 2 * lines.size() + added.size());
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (dropped[at])
            continue;
        out.append(replaced[at].empty() ? lines[at] : std::string_view(replaced[at])) += "\r\n";
    }
    out += added;
    plan.bytes = std::move(out);
    return plan;
}

} // namespace vantor
