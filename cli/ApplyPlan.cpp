#include "cli/ApplyPlan.h"

#include "cli/ServerRules.h"
#include "core/lines/FileSystem.h"
#include "core/lines/LinePlan.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/DefinitionFiles.h"
#include "core/server/DesignKeys.h"
#include "core/server/IniFile.h"
#include "core/server/StartupList.h"
#include "core/users/AllowEdits.h"
#include "core/users/AllowFile.h"
#include "core/users/UserFile.h"
#include "core/vfs/MountPointEdits.h"
#include "texts/RuleTexts.h"
#include "texts/Strings.h"

#include <map>
#include <set>

namespace vantor::admin {

namespace {

class PlanTexts {
    Q_DECLARE_TR_FUNCTIONS(PlanTexts)
public:
    static QString noGroup(const std::string& name) {
        return tr("no account is in the group %1").arg(shown(name));
    }
    static QString newServerRoot() { return tr("missing , and required for a new server"); }
    static QString newMountPhysical() { return tr("missing , and required for a new mount point"); }
    static QString noVfsFile(const std::string& directory) {
        return tr("no *.vfs file in %1 ; name one with --vfs-file").arg(shown(directory));
    }
    static QString twice(const std::string& file, const std::string& earlier) {
        return tr("the mount point / of %1 is given at %2 already")
            .arg(shown(file), shown(earlier));
    }
};

using Kind = ObjectResult::Kind;
using Outcome = ObjectResult::Outcome;

// The entry a fault's place belongs to: "/accounts/3" of "/accounts/3/level".
std::string entryOf(const std::string& pointer) {
    const std::size_t second = pointer.find('/', 1);
    if (second == std::string::npos)
        return pointer;
    const std::size_t third = pointer.find('/', second + 1);
    return pointer.substr(0, third);
}

std::vector<std::string> userFieldNames(const UserFieldSet& fields) {
    std::vector<std::string> names;
    for (const UserFieldInfo& info : kUserFields)
        if (fields.test(static_cast<std::size_t>(info.field)))
            names.emplace_back(info.column);
    return names;
}

std::vector<std::string> mountFieldNames(const MountFieldSet& fields) {
    std::vector<std::string> names;
    for (const MountFieldInfo& info : kMountFields)
        if (fields.test(static_cast<std::size_t>(info.field)))
            names.emplace_back(info.column);
    return names;
}

Outcome lineOutcome(LinePlan::Outcome outcome) {
    switch (outcome) {
    case LinePlan::Outcome::Added:
        return Outcome::Added;
    case LinePlan::Outcome::Removed:
        return Outcome::Removed;
    case LinePlan::Outcome::Unchanged:
        break;
    }
    return Outcome::Unchanged;
}

FileChange::Options withConsent(const WriteConsent& consent) {
    FileChange::Options options;
    options.consent = consent;
    return options;
}

} // namespace

class ApplyPlan::Builder {
public:
    Builder(ApplyPlan& plan, const Folder& folder, const DesiredState& state, bool prune,
            std::vector<StateError>& errors)
        : plan_(plan), folder_(folder), state_(state), prune_(prune), errors_(errors),
          consent_(folder.consent()) {
        for (const StateError& error : errors)
            faulty_.insert(entryOf(error.pointer));
    }

    void build() {
        const bool anyMounts = !state_.mounts.empty() || (prune_ && state_.mountsGiven);
        const bool needUsers = state_.accountsGiven || !state_.addresses.empty() || anyMounts;
        if (needUsers)
            planAccounts(!state_.addresses.empty() || !state_.mounts.empty());
        if (state_.addressesGiven || (accounts_ && accounts_->removesAny()))
            planAddresses();
        planServers();
        if (anyMounts)
            mountTarget();
        planMounts();
        planStartup();
    }

private:
    struct Target {
        std::vector<WantedMount> wanted;
        std::vector<std::string> at;        // the state's place of each
        std::vector<int> server;            // the server whose root it is, or -1
        std::optional<std::string> newRoot; // the root line of a new server's new file
        bool mountsFile = false;
    };

    void fault(const std::string& pointer, const QString& reason) {
        errors_.push_back({pointer, reason});
    }
    bool sound(const std::string& at) const { return !faulty_.contains(at); }

    FileResult& open(const std::string& file, FileChange::Options options) {
        FileResult& result = plan_.files_.emplace_back();
        result.file = file;
        result.change = &plan_.changes_.open(file, std::move(options));
        return result;
    }

    ObjectResult& object(Kind kind, std::string name) {
        ObjectResult& result = plan_.objects_.emplace_back();
        result.kind = kind;
        result.name = std::move(name);
        return result;
    }

    void planAccounts(bool keepNames) {
        userFile_ = folder_.chosenUserFile(FileUse::Create);
        FileResult& file = open(userFile_, UserFileChange(consent_));
        file.holdsPasswords = true;
        std::vector<WantedAccount> filtered;
        const std::vector<WantedAccount>* wanted = &state_.accounts;
        std::vector<std::size_t> index;
        if (!faulty_.empty()) {
            for (std::size_t i = 0; i < state_.accounts.size(); ++i)
                if (sound(state_.accountAt[i])) {
                    filtered.push_back(state_.accounts[i]);
                    index.push_back(i);
                }
            wanted = &filtered;
        }
        accounts_ = PlanAccounts(file.before(), *wanted, prune_ && state_.accountsGiven, keepNames);
        for (std::size_t i = 0; i < wanted->size(); ++i) {
            const AccountOutcome& outcome = accounts_->wanted[i];
            const std::string& at = state_.accountAt[index.empty() ? i : index[i]];
            ObjectResult& result = object(Kind::Account, (*wanted)[i].name);
            switch (outcome.kind) {
            case AccountOutcome::Kind::Refused:
                fault(at, ruleText(outcome.rule));
                break;
            case AccountOutcome::Kind::Repeated:
                fault(
                    at + "/name",
                    RepeatedEntryText(
                        state_.accountAt[index.empty() ? outcome.earlier : index[outcome.earlier]] +
                        "/name"));
                break;
            case AccountOutcome::Kind::Added:
                result.outcome = Outcome::Added;
                break;
            case AccountOutcome::Kind::Changed:
                result.outcome = Outcome::Changed;
                result.fields = userFieldNames(outcome.changed);
                break;
            case AccountOutcome::Kind::Removed:
                result.outcome = Outcome::Removed;
                break;
            case AccountOutcome::Kind::Unchanged:
                break;
            }
        }
        for (const std::string& name : accounts_->pruned)
            object(Kind::Account, name).outcome = Outcome::Removed;
        file.after = accounts_->bytes;
    }

    void planAddresses() {
        allowFile_ = folder_.chosenAllowFile(FileUse::Create);
        FileResult& file = open(allowFile_, LineFileChange(consent_));
        std::vector<WantedLine> wanted;
        std::vector<const StateAddress*> entries;
        for (const StateAddress& entry : state_.addresses) {
            if (!sound(entry.pointer))
                continue;
            if (entry.present && !entry.account.empty() && !accounts_->hasAccount(entry.account))
                fault(entry.pointer + "/account", unknownAccountText(entry.account));
            wanted.push_back(
                {entry.account.empty() ? entry.address : AllowedEntry(entry.account, entry.address),
                 entry.present});
            entries.push_back(&entry);
        }
        const bool pruneAll = prune_ && state_.addressesGiven;
        const LinePlan lines = PlanLines(file.before(), wanted, [&](std::string_view line) {
            const AllowedEntryParts parts = SplitAllowedEntry(line);
            return pruneAll || (parts.user && accounts_ && accounts_->removes(*parts.user));
        });
        for (std::size_t i = 0; i < entries.size(); ++i) {
            ObjectResult& result = object(Kind::Address, entries[i]->address);
            if (!entries[i]->account.empty())
                result.account = entries[i]->account;
            result.outcome = lineOutcome(lines.wanted[i]);
        }
        for (const std::string& line : lines.unlisted) {
            const AllowedEntryParts parts = SplitAllowedEntry(line);
            ObjectResult& result = object(Kind::Address, parts.address.value_or(std::string()));
            result.account = parts.user;
            result.outcome = Outcome::Removed;
        }
        file.after = lines.bytes;
    }

    std::string userFileName() {
        return userFile_.empty() ? folder_.chosenUserFile(FileUse::Create) : userFile_;
    }
    std::string allowFileName() {
        return allowFile_.empty() ? folder_.chosenAllowFile(FileUse::Create) : allowFile_;
    }

    void planServers() {
        for (std::size_t i = 0; i < state_.servers.size(); ++i) {
            const StateServer& server = state_.servers[i];
            if (!sound(server.pointer))
                continue;
            const std::string configFile = JoinPath(folder_.directory, server.name + ".ftpd");
            FileResult& file = open(configFile, IniFile::Options());
            ObjectResult& result = object(Kind::Server, server.name);
            std::string vfsFile = JoinPath(folder_.directory, server.name + ".vfs");
            const bool created = !file.change->exists();
            if (created) {
                if (!server.root) {
                    fault(server.pointer + "/root", PlanTexts::newServerRoot());
                    continue;
                }
                // As server create designs it: the name, the folder's files.
                ServerDesign design;
                design.rootDirectory = *server.root;
                for (const auto& [key, value] :
                     {std::pair{"SERVER_NAME", server.name}, std::pair{"VFSFILE", vfsFile},
                      std::pair{"USRFILE", userFileName()}, std::pair{"IPFILE", allowFileName()}})
                    if (const DesignKeyCheck check = SetDesignKey(design, key, value);
                        check.rule != DesignKeyCheck::Rule::Ok)
                        fault(server.pointer + "/name", DesignKeyReason(key, check, value));
                for (const StateKey& key : server.keys)
                    SetDesignKey(design, key.key, key.value);
                if (!PathFitsRecord(configFile))
                    fault(server.pointer + "/name", ruleText(InputRule::LineTooLong));
                vfsFile = DesignKeyValue(design, "VFSFILE");
                file.after = ConfigurationWith({}, design);
                result.outcome = Outcome::Added;
                newVfs_[vfsFile] = *server.root;
            } else {
                IniFile ini = IniFile::parse(std::string(file.before()));
                for (const StateKey& key : server.keys) {
                    const auto now = ini.find("FTPD", key.key);
                    if (now && now->text == key.value)
                        continue;
                    ini.setValue("FTPD", key.key, key.value);
                    result.fields.push_back(key.key);
                }
                if (!result.fields.empty()) {
                    file.after = ini.text();
                    result.outcome = Outcome::Changed;
                }
                if (const auto named = ini.find("FTPD", "VFSFILE"); named && !named->text.empty())
                    vfsFile = named->text;
            }
            serverVfs_.push_back(vfsFile);
            if (server.root)
                addMount(vfsFile, rootMount(*server.root), server.pointer + "/root",
                         static_cast<int>(i));
            // A new server starts at launch unless told otherwise, as server
            // create has it; an existing one keeps its line unless told.
            if (created || server.enabled) {
                startup_.push_back({StartupLine(configFile), server.enabled.value_or(true)});
                startupOf_.push_back(plan_.objects_.size() - 1);
            }
        }
    }

    static WantedMount rootMount(const std::string& root) {
        WantedMount mount;
        mount.virtualPath = "/";
        mount.physical = root;
        return mount;
    }

    void addMount(const std::string& file, WantedMount mount, const std::string& at, int server) {
        Target& target = targets_[file];
        for (std::size_t i = 0; i < target.wanted.size(); ++i)
            if (target.wanted[i].virtualPath == mount.virtualPath) {
                fault(at, PlanTexts::twice(file, target.at[i]));
                return;
            }
        target.wanted.push_back(std::move(mount));
        target.at.push_back(at);
        target.server.push_back(server);
    }

    // The *.vfs file the mounts go to: the one named, else that of the one
    // server the state describes, else the folder's single one.
    void mountTarget() {
        std::optional<std::string> file;
        if (!folder_.vfsFile.empty())
            file = folder_.vfsFile;
        else if (state_.servers.size() == 1 && serverVfs_.size() == 1)
            file = serverVfs_.front();
        else
            file = folder_.chosenVfsFile(FileUse::Create);
        if (!file) {
            fault("/mounts", PlanTexts::noVfsFile(folder_.directory));
            return;
        }
        mountsFile_ = *file;
        targets_[*file].mountsFile = true;
        for (const StateMount& mount : state_.mounts) {
            if (!sound(mount.pointer))
                continue;
            checkOwners(mount);
            addMount(*file, mount.want, mount.pointer, -1);
        }
    }

    void checkOwners(const StateMount& mount) {
        const WantedMount& want = mount.want;
        if (!want.present || !accounts_)
            return;
        if (want.owner && *want.owner != kDefaultOwnerName && !accounts_->hasAccount(*want.owner))
            fault(mount.pointer + "/owner", unknownAccountText(*want.owner));
        if (want.group && *want.group != kDefaultOwnerName && !accounts_->hasGroup(*want.group))
            fault(mount.pointer + "/group", PlanTexts::noGroup(*want.group));
    }

    void planMounts() {
        for (auto& [name, target] : targets_) {
            FileResult& file = open(name, withConsent(consent_));
            std::string base(file.before());
            const auto created = newVfs_.find(name);
            if (!file.change->exists() && created != newVfs_.end())
                base = RootMountPointFile(created->second);
            const MountPlan mounts =
                PlanMounts(base, target.wanted, prune_ && state_.mountsGiven && target.mountsFile);
            for (std::size_t i = 0; i < target.wanted.size(); ++i)
                settleMount(target, i, mounts.wanted[i]);
            for (const std::string& path : mounts.pruned)
                object(Kind::Mount, path).outcome = Outcome::Removed;
            file.after = mounts.bytes;
            if (!file.after && !file.change->exists() && !base.empty())
                file.after = base;
        }
    }

    void settleMount(const Target& target, std::size_t i, const MountOutcome& outcome) {
        using Refusal = MountOutcome::Refusal;
        const std::string& at = target.at[i];
        const int server = target.server[i];
        switch (outcome.refusal) {
        case Refusal::None:
            break;
        case Refusal::Rule:
            fault(server >= 0 || !outcome.path                ? at
                  : *outcome.path == MountPathField::Physical ? at + "/physical"
                                                              : at + "/virtual",
                  mountPointRuleText(outcome.rule));
            return;
        case Refusal::RootRemoved:
            fault(at + "/state", loadString(Str::RootDeleteRefused));
            return;
        case Refusal::NoPhysical:
            fault(at + "/physical", PlanTexts::newMountPhysical());
            return;
        }
        if (server >= 0) {
            // A server's root counts as a field of the server.
            if (outcome.kind == MountOutcome::Kind::Unchanged)
                return;
            for (ObjectResult& result : plan_.objects_)
                if (result.kind == Kind::Server && result.name == state_.servers[server].name &&
                    result.outcome != Outcome::Added) {
                    result.outcome = Outcome::Changed;
                    result.fields.emplace_back("root");
                }
            return;
        }
        ObjectResult& result = object(Kind::Mount, target.wanted[i].virtualPath);
        switch (outcome.kind) {
        case MountOutcome::Kind::Added:
            result.outcome = Outcome::Added;
            break;
        case MountOutcome::Kind::Changed:
            result.outcome = Outcome::Changed;
            result.fields = mountFieldNames(outcome.changed);
            break;
        case MountOutcome::Kind::Removed:
            result.outcome = Outcome::Removed;
            break;
        default:
            break;
        }
    }

    std::string startupList() const { return JoinPath(folder_.directory, kStartupListName); }

    void planStartup() {
        if (startup_.empty())
            return;
        for (const WantedLine& line : startup_)
            if (const InputRule rule = CheckLineText(line.text); rule != InputRule::Ok)
                fault("/servers", ruleText(rule));
        FileResult& file = open(startupList(), withConsent(consent_));
        const LinePlan lines = PlanLines(file.before(), startup_);
        for (std::size_t i = 0; i < startup_.size(); ++i) {
            ObjectResult& server = plan_.objects_[startupOf_[i]];
            if (lines.wanted[i] == LinePlan::Outcome::Unchanged || server.outcome == Outcome::Added)
                continue;
            server.outcome = Outcome::Changed;
            server.fields.emplace_back("enabled");
        }
        file.after = lines.bytes;
    }

    ApplyPlan& plan_;
    const Folder& folder_;
    const DesiredState& state_;
    bool prune_;
    std::vector<StateError>& errors_;
    WriteConsent consent_;
    std::set<std::string> faulty_;
    std::optional<AccountPlan> accounts_;
    std::string userFile_, allowFile_, mountsFile_;
    std::vector<std::string> serverVfs_;        // the *.vfs file of each sound server
    std::map<std::string, std::string> newVfs_; // a new server's new *.vfs: its root
    std::map<std::string, Target> targets_;
    std::vector<WantedLine> startup_;
    std::vector<std::size_t> startupOf_; // the server object of each startup line
};

ApplyPlan::ApplyPlan(const Folder& folder, const DesiredState& state, bool prune,
                     std::vector<StateError>& errors) {
    Builder(*this, folder, state, prune, errors).build();
}

std::size_t ApplyPlan::changeCount() const {
    std::size_t count = 0;
    for (const ObjectResult& object : objects_)
        count += object.outcome != Outcome::Unchanged ? 1 : 0;
    return count;
}

std::size_t ApplyPlan::changedFiles() const {
    std::size_t count = 0;
    for (const FileResult& file : files_)
        count += file.changes() ? 1 : 0;
    return count;
}

void ApplyPlan::commit() {
    for (const FileResult& file : files_)
        if (file.changes())
            file.change->prepare(*file.after);
    changes_.commit();
}

} // namespace vantor::admin
