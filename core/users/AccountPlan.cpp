#include "core/users/AccountPlan.h"

#include "core/lines/LinePieces.h"

#include <cstdint>
#include <functional>

namespace vantor {

namespace {

constexpr std::size_t kNoLine = SIZE_MAX;

// Field 1 of a line as UserNameOf takes it, as a view into the line: a line
// whose only separator ends it is a name of its own.
std::string_view nameOf(std::string_view line) {
    const std::size_t separator = line.find(kUserFieldSeparator);
    if (separator == std::string_view::npos || separator + 1 == line.size())
        return line;
    return line.substr(0, separator);
}

// Names and what is known of each, in a flat open-addressing table: a table
// of nodes costs a cache miss or two per lookup, which for 100,000 accounts is
// most of a plan's time.
template <typename Value> class NameTable {
public:
    explicit NameTable(std::size_t expected) {
        std::size_t size = 16;
        while (size < 2 * expected)
            size *= 2;
        slots_.assign(size, Slot{});
        keys_.reserve(expected);
        values_.reserve(expected);
    }

    // The value of the name, added as `initial` when the name is new.
    Value& at(std::string_view name, const Value& initial) {
        if (2 * (keys_.size() + 1) > slots_.size())
            grow();
        const std::size_t hash = std::hash<std::string_view>{}(name);
        Slot& slot = slotOf(name, hash);
        if (slot.index == kFree) {
            slot = {static_cast<std::uint32_t>(hash >> 32),
                    static_cast<std::uint32_t>(keys_.size())};
            keys_.push_back(name);
            values_.push_back(initial);
        }
        return values_[slot.index];
    }
    const Value* find(std::string_view name) const {
        const Slot& slot =
            const_cast<NameTable*>(this)->slotOf(name, std::hash<std::string_view>{}(name));
        return slot.index == kFree ? nullptr : &values_[slot.index];
    }

private:
    static constexpr std::uint32_t kFree = UINT32_MAX;
    // Part of the name's hash beside its number, so that most slots of other
    // names are passed over without a look at their bytes.
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t index = kFree;
    };

    Slot& slotOf(std::string_view name, std::size_t hash) {
        const std::size_t mask = slots_.size() - 1;
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots_[i];
            if (slot.index == kFree || (slot.tag == tag && keys_[slot.index] == name))
                return slot;
        }
    }
    void grow() {
        slots_.assign(slots_.size() * 2, Slot{});
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t k = 0; k < keys_.size(); ++k) {
            const std::size_t hash = std::hash<std::string_view>{}(keys_[k]);
            std::size_t i = hash & mask;
            while (slots_[i].index != kFree)
                i = (i + 1) & mask;
            slots_[i] = {static_cast<std::uint32_t>(hash >> 32), static_cast<std::uint32_t>(k)};
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::string_view> keys_;
    std::vector<Value> values_;
};

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
        if (outcome.kind == AccountOutcome::Kind::Refused ||
            outcome.kind == AccountOutcome::Kind::Repeated)
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
    // One table for a name's account line and what the state wants of it.
    enum class Wish : char { None, Present, Absent };
    struct Name {
        std::size_t line = kNoLine;
        Wish wish = Wish::None;
        std::size_t wantedAt = kNoLine;
    };
    NameTable<Name> names(lines.size() + wanted.size());
    for (std::size_t position = 0; position < lines.size(); ++position) {
        const std::size_t at = position == 0 ? 0 : lines.size() - position;
        names.at(nameOf(lines[at]), Name{at, Wish::None, kNoLine});
    }

    // What becomes of each line: kept, replaced by a new one, or dropped.
    std::vector<std::string> replaced(lines.size());
    std::vector<bool> dropped(lines.size(), false);
    std::string added;
    bool changes = false;
    std::string line;
    plan.wanted.reserve(wanted.size());
    for (const WantedAccount& want : wanted) {
        AccountOutcome& outcome = plan.wanted.emplace_back();
        Name& entry = names.at(want.name, Name{});
        if (entry.wish != Wish::None) {
            outcome.kind = Kind::Repeated;
            outcome.earlier = entry.wantedAt;
            continue;
        }
        entry.wish = want.present ? Wish::Present : Wish::Absent;
        entry.wantedAt = plan.wanted.size() - 1;
        const bool exists = entry.line != kNoLine;
        if (!want.present) {
            plan.removed_.insert(want.name);
            if (exists) {
                outcome.kind = Kind::Removed;
                changes = true;
            }
            continue;
        }
        UserLine before = NewUserLine(want.name);
        if (exists)
            ParseUserLine(lines[entry.line], before);
        UserLine after = before;
        if (exists && (want.fields.given & want.onCreateOnly).any()) {
            AccountFields fields = want.fields;
            fields.given &= ~want.onCreateOnly;
            ApplyAccountFields(fields, after);
        } else {
            ApplyAccountFields(want.fields, after);
        }
        line.clear();
        AppendUserLine(after, line);
        if (const InputRule rule = CheckUserLine(after, line); rule != InputRule::Ok) {
            outcome = {Kind::Refused, {}, rule};
            continue;
        }
        if (!exists) {
            outcome.kind = Kind::Added;
            added.append(line) += "\r\n";
            changes = true;
            continue;
        }
        outcome.changed = differing(before, after);
        if (outcome.changed.none())
            continue;
        outcome.kind = Kind::Changed;
        replaced[entry.line] = line;
        changes = true;
    }

    for (std::size_t at = 0; at < lines.size(); ++at) {
        const std::string_view name = nameOf(lines[at]);
        const Name& entry = *names.find(name);
        if (entry.wish == Wish::Absent || (entry.wish == Wish::None && prune)) {
            dropped[at] = true;
            if (entry.wish == Wish::None && entry.line == at) {
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
            if (want.present && names.find(want.name)->line == kNoLine) {
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
