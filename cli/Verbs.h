#pragma once

#include "cli/Admin.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::admin {

// How an option of a verb is given on the command line.
enum class OptionKind {
    Flag,      // --name, given or not
    Value,     // --name VALUE, the last one given counts
    Values,    // --name VALUE, as often as wanted
    Argument,  // a positional argument, NAME
    Arguments, // every positional argument left
};

// One option of a verb. The help text is translated in the context "Verbs"
// (QT_TRANSLATE_NOOP("Verbs", ...)); `type` is the value's shape in help
// (NUMBER, FILE, KEY=VALUE; TEXT when empty).
struct OptionEntry {
    OptionEntry(std::string name, OptionKind kind, const char* help, std::string type = {},
                bool required = false, std::string excludes = {})
        : name(std::move(name)), kind(kind), help(help), type(std::move(type)), required(required),
          excludes(std::move(excludes)) {}

    std::string name; // "--group", or "NAME" for an argument
    OptionKind kind;
    const char* help;
    std::string type;
    bool required;
    std::string excludes; // an option of the same verb that may not come with this one
};

// The options of one run of a verb, as the command line gave them, and the
// folder it works in.
class Command {
public:
    Folder folder;

    bool given(std::string_view name) const { return given_.find(name) != given_.end(); }
    // The value of a Value option, or of an Argument; nothing when not given.
    std::optional<std::string> value(std::string_view name) const;
    // The value of a required Argument or Value.
    const std::string& argument(std::string_view name) const;
    // Every value of a Values or Arguments option, in command line order.
    const std::vector<std::string>& values(std::string_view name) const;

    // Used by the parser: the option was given with these values.
    void give(const std::string& name, std::vector<std::string> values);

private:
    std::map<std::string, std::vector<std::string>, std::less<>> given_;
};

// What a verb does and what it takes: one entry per verb, from which the
// parser, the help and the run are made. A verb of its own (check, and the
// verbs to come that act on the whole folder) has no group.
struct Verb {
    std::string group; // user, allow, vfs, server; empty for a verb of its own
    std::string name;
    const char* help = ""; // in the context "Verbs"
    std::vector<OptionEntry> options;
    void (*run)(const Command&) = nullptr;
};

// The verbs of each command group, in the order help lists them.
std::vector<Verb> UserVerbs();
std::vector<Verb> UserBulkVerbs();
std::vector<Verb> AllowVerbs();
std::vector<Verb> VfsVerbs();
std::vector<Verb> ServerVerbs();
std::vector<Verb> CheckVerbs();
std::vector<Verb> ApplyVerbs();
// Every verb.
const std::vector<Verb>& AllVerbs();

// One run of vantor-admin on the arguments after the program name, with its
// own streams: main() gives the process's, the tests their own. `terminal`
// says that `in` is a terminal, where passwords are asked for with the echo
// off. The exit code.
int runAdmin(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err, bool terminal = false);

} // namespace vantor::admin
