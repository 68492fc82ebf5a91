// apply: a folder brought into the state that a JSON file describes, for
// configuration management. Everything is compared first, with every file
// opened once under its lock; only what differs is written, each file once
// and all together, so that a second run of the same state writes nothing.
#include "cli/ApplyPlan.h"
#include "cli/LineDiff.h"
#include "cli/Rows.h"
#include "cli/Verbs.h"
#include "core/lines/WholeFile.h"

#include <istream>
#include <iterator>

namespace vantor::admin {

namespace {

class ApplyTexts {
    Q_DECLARE_TR_FUNCTIONS(ApplyTexts)
public:
    static QString refused(std::size_t faults) {
        return tr("the state is refused , faults: %1 , nothing was written").arg(faults);
    }
    static QString inState() {
        return tr("the folder is in the state already , nothing was written");
    }
    static QString pending(std::size_t changes, std::size_t files) {
        return tr("changes pending: %1 , files: %2 , nothing was written").arg(changes).arg(files);
    }
    static QString written(std::size_t changes, std::size_t files) {
        return tr("changes written: %1 , files: %2").arg(changes).arg(files);
    }
};

using Kind = ObjectResult::Kind;
using Outcome = ObjectResult::Outcome;

const char* kindWord(Kind kind) {
    switch (kind) {
    case Kind::Account:
        return "account";
    case Kind::Address:
        return "address";
    case Kind::Mount:
        return "mount";
    case Kind::Server:
        break;
    }
    return "server";
}

const char* outcomeWord(Outcome outcome) {
    switch (outcome) {
    case Outcome::Added:
        return "added";
    case Outcome::Changed:
        return "changed";
    case Outcome::Removed:
        return "removed";
    case Outcome::Unchanged:
        break;
    }
    return "unchanged";
}

std::string stateBytes(const std::string& state) {
    if (state != "-")
        return ReadWholeFile(absolutePath(state));
    std::istream& in = streams().in;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A user line with its password field (the third) shown as ********.
std::string hidePassword(std::string_view line) {
    const std::size_t first = line.find(':');
    const std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
    if (second == std::string_view::npos)
        return std::string(line);
    const std::size_t end = line.find(':', second + 1);
    std::string out(line.substr(0, second + 1));
    out += "********";
    if (end != std::string_view::npos)
        out.append(line.substr(end));
    return out;
}

std::string diffOf(const FileResult& file) {
    if (!file.changes())
        return {};
    return UnifiedDiff(
        file.file, file.before(), *file.after,
        file.holdsPasswords ? std::function<std::string(std::string_view)>(hidePassword) : nullptr);
}

void appendName(std::string& out, const char* name) {
    out.append("\"").append(name).append("\":");
}

void printJson(const ApplyPlan& plan, bool changed, bool written, bool withDiff) {
    std::string out = "{";
    appendName(out, "changed");
    out.append(changed ? "true" : "false").append(",");
    appendName(out, "written");
    out.append(written ? "true" : "false");
    for (const Kind kind : {Kind::Account, Kind::Address, Kind::Mount, Kind::Server}) {
        const char* section = kind == Kind::Account   ? "accounts"
                              : kind == Kind::Address ? "addresses"
                              : kind == Kind::Mount   ? "mounts"
                                                      : "servers";
        out += ",\n";
        appendName(out, section);
        out += '[';
        bool first = true;
        for (const ObjectResult& object : plan.objects()) {
            if (object.kind != kind)
                continue;
            out.append(first ? "\n{" : ",\n{");
            first = false;
            if (kind == Kind::Address) {
                appendName(out, "account");
                if (object.account)
                    AppendJsonText(out, *object.account);
                else
                    out += "null";
                out += ',';
            }
            appendName(out, kind == Kind::Address ? "address"
                            : kind == Kind::Mount ? "virtual"
                                                  : "name");
            AppendJsonText(out, object.name);
            out += ',';
            appendName(out, "outcome");
            out.append("\"").append(outcomeWord(object.outcome)).append("\"");
            if (object.outcome == Outcome::Changed) {
                out += ',';
                appendName(out, "fields");
                out += '[';
                for (std::size_t i = 0; i < object.fields.size(); ++i)
                    out.append(i == 0 ? "\"" : ",\"").append(object.fields[i]).append("\"");
                out += ']';
            }
            out += '}';
        }
        out += ']';
    }
    out += ",\n";
    appendName(out, "files");
    out += '[';
    bool first = true;
    for (const FileResult& file : plan.files()) {
        out.append(first ? "\n{" : ",\n{");
        first = false;
        appendName(out, "file");
        AppendJsonText(out, file.file);
        out += ',';
        appendName(out, "outcome");
        out.append(!file.changes()         ? "\"unchanged\""
                   : file.change->exists() ? "\"changed\""
                                           : "\"added\"");
        if (withDiff && file.changes()) {
            out += ',';
            appendName(out, "diff");
            AppendJsonText(out, diffOf(file));
        }
        out += '}';
    }
    out += "]}\n";
    print(out);
}

void printText(const ApplyPlan& plan, bool withDiff) {
    std::string out;
    for (const ObjectResult& object : plan.objects()) {
        if (object.outcome == Outcome::Unchanged)
            continue;
        out.append(kindWord(object.kind)).append(" ");
        if (object.account)
            out.append(*object.account).append("@");
        out.append(object.name).append(": ").append(outcomeWord(object.outcome));
        for (std::size_t i = 0; i < object.fields.size(); ++i)
            out.append(i == 0 ? " " : ", ").append(object.fields[i]);
        out += '\n';
    }
    if (withDiff)
        for (const FileResult& file : plan.files())
            out += diffOf(file);
    print(out);
}

void report(const std::string& stateName, std::vector<StateError>& errors) {
    for (const StateError& error : errors)
        tell(QStringLiteral("%1:%2: %3").arg(shown(stateName), shown(error.pointer), error.reason));
    refuse(ApplyTexts::refused(errors.size()));
}

void apply(const Command& command) {
    const std::string& stateName = command.argument("STATE");
    const bool prune = command.given("--prune");
    const bool check = command.given("--check");
    const bool withDiff = command.given("--diff");
    const bool json = command.given("--json");
    std::vector<StateError> errors;
    const DesiredState state = ReadState(stateBytes(stateName), command.folder.directory, errors);
    ApplyPlan plan(command.folder, state, prune, errors);
    if (!errors.empty())
        report(stateName, errors);
    const std::size_t changes = plan.changeCount();
    const std::size_t files = plan.changedFiles();
    const bool changed = changes > 0 || files > 0;
    if (changed && !check)
        plan.commit();
    if (json)
        printJson(plan, changed, changed && !check, withDiff);
    else
        printText(plan, withDiff);
    if (!changed)
        tell(ApplyTexts::inState());
    else if (check)
        throw Stop{kExitPending, ApplyTexts::pending(changes, files)};
    else
        tell(ApplyTexts::written(changes, files));
}

} // namespace

std::vector<Verb> ApplyVerbs() {
    return {
        {"",
         "apply",
         QT_TRANSLATE_NOOP("Verbs", "Brings the folder into the state a JSON file describes, "
                                    "writing only what differs"),
         {{"STATE", OptionKind::Argument,
           QT_TRANSLATE_NOOP("Verbs", "The state file, - for standard input"), "FILE", true},
          {"--check", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Writes nothing; exit 4 when changes are pending")},
          {"--diff", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Shows each changed file as a unified diff, passwords "
                                      "hidden")},
          {"--prune", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Also removes the accounts, addresses and mount points "
                                      "of a section that the state does not list")},
          {"--json", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "The plan or the result as JSON")}},
         apply},
    };
}

} // namespace vantor::admin
