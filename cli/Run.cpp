// The parser made from the verb table, and one run: the folder resolved, the
// verb run, every way it can end turned into a message and an exit code,
// and standard output checked to its last byte.
#include "cli/Output.h"
#include "cli/Verbs.h"
#include "core/lines/Errors.h"
#include "texts/ErrorTexts.h"
#include "texts/Strings.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstring>
#include <memory>

namespace vantor::admin {

namespace {

class MainTexts {
    Q_DECLARE_TR_FUNCTIONS(MainTexts)
public:
    static void describe(CLI::App& cli) {
        cli.description(text(tr("Maintains the accounts, allowed addresses, mount points and "
                                "servers of the VANTOR FTP server.")));
        auto formatter = cli.get_formatter();
        formatter->label("Usage", text(tr("Usage")));
        formatter->label("OPTIONS", text(tr("OPTIONS")));
        formatter->label("SUBCOMMAND", text(tr("COMMAND")));
        formatter->label("SUBCOMMANDS", text(tr("COMMAND")));
        formatter->label("REQUIRED", text(tr("REQUIRED")));
        formatter->label("Positionals", text(tr("Arguments")));
        formatter->label("Excludes", text(tr("Excludes")));
        formatter->label("TEXT", text(tr("TEXT")));
        formatter->label("NUMBER", text(tr("NUMBER")));
        formatter->label("NAME", text(tr("NAME")));
        formatter->label("FILE", text(tr("FILE")));
        formatter->label("DIR", text(tr("DIR")));
        formatter->label("ADDRESS", text(tr("ADDRESS")));
        formatter->label("KEY=VALUE", text(tr("KEY=VALUE")));
        formatter->label("PATH", text(tr("PATH")));
        cli.option_defaults()->group(text(optionGroup()));
        cli.set_help_flag("-h,--help", text(tr("Shows this help and ends")));
        cli.set_version_flag("--version", "vantor-admin " VANTOR_VERSION,
                             text(tr("Shows the version and ends")));
    }
    static QString folderGroup() { return tr("Folder options"); }
    static QString optionGroup() { return tr("Options"); }
    static QString commandGroup() { return tr("Commands"); }
    // A command's own help option, made before the defaults reach it.
    static void helpInGroup(CLI::App& app) {
        if (CLI::Option* help = app.get_help_ptr())
            help->group(text(optionGroup()));
    }
    static void folderOptions(CLI::App& app, Folder& folder) {
        const std::string group = text(folderGroup());
        app.add_option("--dir", folder.directory,
                       text(tr("The folder of the definition files (default: the current "
                               "directory)")))
            ->type_name("DIR")
            ->group(group);
        app.add_option("--user-file", folder.userFile,
                       text(tr("The *.user file, in the folder unless absolute (default: the "
                               "single one in the folder)")))
            ->type_name("FILE")
            ->group(group);
        app.add_option("--allow-file", folder.allowFile,
                       text(tr("The *.allow file, in the folder unless absolute (default: the "
                               "single one in the folder)")))
            ->type_name("FILE")
            ->group(group);
        app.add_option("--vfs-file", folder.vfsFile,
                       text(tr("The *.vfs file, in the folder unless absolute (default: the "
                               "single one in the folder)")))
            ->type_name("FILE")
            ->group(group);
        app.add_flag("--force", folder.force,
                     text(tr("Writes a file even where its reading lost content (a byte 0x1A "
                             "before its end, a line longer than 511 bytes), saying what is "
                             "dropped")))
            ->group(group);
    }
    static QString groupHelp(const std::string& group) {
        if (group == "user")
            return tr("Accounts");
        if (group == "allow")
            return tr("Allowed client addresses");
        if (group == "vfs")
            return tr("Mount points");
        return tr("Server configurations");
    }

    // The parser's own refusals, said again in the user's words: the names
    // they hold are taken from its English sentences.
    static QString usage(const CLI::ParseError& error) {
        const std::string what = error.what();
        const auto before = [&](std::string_view end) {
            return shown(what.substr(0, what.find(end)));
        };
        const auto after = [&](std::string_view start) {
            const std::size_t at = what.find(start);
            return shown(at == std::string::npos ? what : what.substr(at + start.size()));
        };
        QString message;
        if (dynamic_cast<const CLI::ExtrasError*>(&error))
            message = tr("not taken here: %1").arg(after(": "));
        else if (dynamic_cast<const CLI::RequiredError*>(&error))
            message = what.find(" is required") != std::string::npos
                          ? tr("%1 is missing").arg(before(" is required"))
                          : tr("a command is missing");
        else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error))
            message = tr("%1 needs a value").arg(before(":"));
        else if (dynamic_cast<const CLI::ExcludesError*>(&error))
            message = tr("%1 and %2 can not be given together")
                          .arg(before(" excludes "), after(" excludes "));
        else if (dynamic_cast<const CLI::ValidationError*>(&error) ||
                 dynamic_cast<const CLI::ConversionError*>(&error))
            message = tr("%1: the value is not one of those taken").arg(before(":"));
        else
            message = shown(what);
        return tr("%1 (see --help)").arg(message);
    }
    static QString readingLost(const QString& text) {
        return tr("%1 ; vantor-admin check tells more , and --force writes it anyway").arg(text);
    }

private:
    static std::string text(const QString& text) { return text.toStdString(); }
};

// What the parser chose: the verb and its options.
struct Chosen {
    Command command;
    const Verb* verb = nullptr;
};

std::string translated(const char* help) {
    return QCoreApplication::translate("Verbs", help).toStdString();
}

void addVerb(CLI::App& parent, const Verb& verb, Chosen& chosen) {
    CLI::App* app = parent.add_subcommand(verb.name, translated(verb.help));
    app->group(MainTexts::commandGroup().toStdString());
    MainTexts::helpInGroup(*app);
    MainTexts::folderOptions(*app, chosen.command.folder);
    struct Bound {
        const OptionEntry* entry;
        CLI::Option* option;
        std::vector<std::string> values;
        std::string value;
    };
    auto bound = std::make_shared<std::vector<Bound>>(verb.options.size());
    for (std::size_t i = 0; i < verb.options.size(); ++i) {
        const OptionEntry& entry = verb.options[i];
        Bound& b = (*bound)[i];
        b.entry = &entry;
        const std::string help = translated(entry.help);
        if (entry.kind == OptionKind::Flag) {
            b.option = app->add_flag(entry.name, help);
            continue;
        }
        if (entry.kind == OptionKind::Value || entry.kind == OptionKind::Argument)
            b.option = app->add_option(entry.name, b.value, help)
                           ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        else
            b.option = app->add_option(entry.name, b.values, help);
        b.option->type_name(entry.type.empty() ? "TEXT" : entry.type);
        if (entry.required)
            b.option->required();
    }
    for (Bound& b : *bound)
        if (!b.entry->excludes.empty())
            b.option->excludes(app->get_option(b.entry->excludes));
    app->callback([&chosen, &verb, bound] {
        for (Bound& b : *bound)
            if (b.option->count() > 0)
                chosen.command.give(b.entry->name, b.entry->kind == OptionKind::Value ||
                                                           b.entry->kind == OptionKind::Argument
                                                       ? std::vector{b.value}
                                                       : std::move(b.values));
        chosen.verb = &verb;
    });
}

void build(CLI::App& cli, Chosen& chosen) {
    cli.name("vantor-admin");
    MainTexts::describe(cli);
    MainTexts::folderOptions(cli, chosen.command.folder);
    cli.require_subcommand(1);
    // The folder options are taken before the command, between its words
    // and after it.
    cli.fallthrough();
    std::map<std::string, CLI::App*> groups;
    for (const Verb& verb : AllVerbs()) {
        if (verb.group.empty()) {
            addVerb(cli, verb, chosen);
            continue;
        }
        CLI::App*& group = groups[verb.group];
        if (group == nullptr) {
            group = cli.add_subcommand(verb.group, MainTexts::groupHelp(verb.group).toStdString());
            group->group(MainTexts::commandGroup().toStdString());
            MainTexts::helpInGroup(*group);
            group->require_subcommand(1);
        }
        addVerb(*group, verb, chosen);
    }
}

int run(Chosen& chosen) {
    try {
        chosen.command.folder.resolve();
        chosen.verb->run(chosen.command);
        return kExitDone;
    } catch (const Stop& stop) {
        if (!stop.message.isEmpty())
            tell(stop.message);
        return stop.code;
    } catch (const FileError& error) {
        // Writing back what a reading lost is refused, not a failure of the file.
        if (error.fault() == FileFault::ReadingLost) {
            tell(MainTexts::readingLost(errorText(error)));
            return kExitRefused;
        }
        tell(errorText(error));
        return kExitFile;
    } catch (const std::invalid_argument& refused) {
        tell(errorText(refused));
        return kExitRefused;
    }
}

int parseAndRun(const std::vector<std::string>& args) {
    const Streams& io = streams();
    Chosen chosen;
    CLI::App cli;
    build(cli, chosen);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        cli.parse(reversed);
    } catch (const CLI::Success& help) {
        return cli.exit(help, io.out, io.err);
    } catch (const CLI::ParseError& error) {
        tell(MainTexts::usage(error));
        return kExitUsage;
    }
    return run(chosen);
}

} // namespace

std::optional<std::string> Command::value(std::string_view name) const {
    const auto found = given_.find(name);
    if (found == given_.end() || found->second.empty())
        return std::nullopt;
    return found->second.back();
}

const std::string& Command::argument(std::string_view name) const {
    static const std::string none;
    const auto found = given_.find(name);
    return found == given_.end() || found->second.empty() ? none : found->second.back();
}

const std::vector<std::string>& Command::values(std::string_view name) const {
    static const std::vector<std::string> none;
    const auto found = given_.find(name);
    return found == given_.end() ? none : found->second;
}

void Command::give(const std::string& name, std::vector<std::string> values) {
    given_[name] = std::move(values);
}

const std::vector<Verb>& AllVerbs() {
    static const std::vector<Verb> verbs = [] {
        std::vector<Verb> all;
        for (auto list :
             {UserVerbs, UserBulkVerbs, AllowVerbs, VfsVerbs, ServerVerbs, CheckVerbs, ApplyVerbs})
            for (Verb& verb : list())
                all.push_back(std::move(verb));
        return all;
    }();
    return verbs;
}

int runAdmin(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err, bool terminal) {
    const Streams io{in, out, err, terminal};
    const StreamsInUse inUse(io);
    int code = parseAndRun(args);
    // A result that did not reach its reader is no result: a full disk or a
    // closed pipe must not look like success.
    if (!out.flush()) {
        const auto* file = dynamic_cast<const OutputFile*>(out.rdbuf());
        tell(outputFailedText(file != nullptr ? file->error() : EIO));
        code = kExitFile;
    }
    return code;
}

} // namespace vantor::admin
