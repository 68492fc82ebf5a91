#pragma once

#include "core/users/AccountEdits.h"
#include "core/users/Validation.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vantor {

// An account as a desired state wants it: there with the fields given, or
// not there at all.
struct WantedAccount {
    std::string name;
    bool present = true;
    AccountFields fields;
    // Of the fields given, those that only a new account takes (a password
    // that is set once and then left to its owner).
    UserFieldSet onCreateOnly;
};

struct AccountOutcome {
    enum class Kind { Added, Changed, Removed, Unchanged, Refused, Repeated };
    Kind kind = Kind::Unchanged;
    UserFieldSet changed; // the fields whose value changes
    InputRule rule = InputRule::Ok;
    std::size_t earlier = 0; // Repeated: the wanted account of the same name before
};

// The whole new content of a user file for a set of wanted accounts, worked
// out in one pass over its lines. An account is the line a reading takes for
// its name (AccountEdits.h); a changed account keeps its place in the file,
// new ones follow in the order wanted, an account not wanted there loses
// every line of its name, and with `prune` so does every account that is not
// wanted at all. An account whose fields already have the wanted values
// keeps its line byte for byte.
struct AccountPlan {
    std::vector<AccountOutcome> wanted; // one per wanted account, in order
    std::vector<std::string> pruned;    // the names `prune` removes, in file order
    std::optional<std::string> bytes;   // nothing when no line changes

    bool refused() const;
    // Whether an account of the name is there once the plan is carried out,
    // and whether one of them has the group.
    bool hasAccount(std::string_view name) const { return names_.contains(name); }
    bool hasGroup(std::string_view group) const { return groups_.contains(group); }
    bool removes(std::string_view name) const { return removed_.contains(name); }
    bool removesAny() const { return !removed_.empty(); }

private:
    friend AccountPlan PlanAccounts(std::string_view, const std::vector<WantedAccount>&, bool,
                                    bool);
    // Looked up by views, without a string made for each lookup.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;
    TextSet names_, groups_, removed_;
};

// Every wanted account is checked as the account dialog checks it; a refused
// one (Kind::Refused, with its rule), or a name wanted twice (Kind::Repeated),
// leaves the plan without bytes. The names
// and groups that remain are kept only when asked for (`keepNames`): a plan
// of many accounts that nothing else refers to need not build them.
AccountPlan PlanAccounts(std::string_view fileBytes, const std::vector<WantedAccount>& wanted,
                         bool prune, bool keepNames);

} // namespace vantor
