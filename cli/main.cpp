// vantor-admin: the accounts, addresses, mount points and servers of the
// VANTOR FTP server from a shell, on the same core as the wizard. Results go
// to standard output, every message to standard error in the user's
// language, and the exit code says how the command ended.
#include "cli/Admin.h"
#include "core/lines/Errors.h"
#include "texts/ErrorTexts.h"
#include "texts/Translation.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace vantor::admin {

namespace {

class MainTexts {
    Q_DECLARE_TR_FUNCTIONS(MainTexts)
public:
    static void describe(CLI::App& cli, Folder& folder) {
        cli.description(helpText(tr("Maintains the accounts, allowed addresses, mount points and "
                                    "servers of the VANTOR FTP server.")));
        auto formatter = cli.get_formatter();
        formatter->label("Usage", helpText(tr("Usage")));
        formatter->label("OPTIONS", helpText(tr("OPTIONS")));
        formatter->label("SUBCOMMAND", helpText(tr("COMMAND")));
        formatter->label("REQUIRED", helpText(tr("REQUIRED")));
        formatter->label("Positionals", helpText(tr("Arguments")));
        cli.option_defaults()->group(helpText(tr("Options")));
        cli.set_help_flag("-h,--help", helpText(tr("Shows this help and ends")));
        cli.add_option("--dir", folder.directory,
                       helpText(tr("The folder of the definition files (default: the current "
                                   "directory)")))
            ->type_name("DIR");
        cli.add_option("--user-file", folder.userFile,
                       helpText(tr("The *.user file (default: the single one in the folder)")))
            ->type_name("FILE");
        cli.add_option("--allow-file", folder.allowFile,
                       helpText(tr("The *.allow file (default: the single one in the folder)")))
            ->type_name("FILE");
        cli.add_option("--vfs-file", folder.vfsFile,
                       helpText(tr("The *.vfs file (default: the single one in the folder)")))
            ->type_name("FILE");
        cli.require_subcommand(1);
    }

    static QString usage(const CLI::ParseError& error) {
        return tr("%1 (see --help)").arg(QString::fromStdString(error.what()));
    }
    static QString readingLost(const QString& text) {
        return tr("%1 ; vantor-admin check tells more , and --force writes it anyway").arg(text);
    }
};

int run(Session& session) {
    try {
        session.folder.resolve();
        session.action();
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

} // namespace

} // namespace vantor::admin

int main(int argc, char* argv[]) {
    using namespace vantor::admin;
    // The translators need an application object; it takes no options of
    // its own from the command line.
    QCoreApplication application(argc, argv);
    vantor::installTranslations(application, vantor::userInterfaceLocale());
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    Session session;
    CLI::App cli;
    cli.name("vantor-admin");
    MainTexts::describe(cli, session.folder);
    addUserCommands(cli, session);
    addAllowCommands(cli, session);
    addVfsCommands(cli, session);
    addServerCommands(cli, session);
    addCheckCommand(cli, session);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return cli.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return cli.exit(help);
    } catch (const CLI::ParseError& error) {
        tell(MainTexts::usage(error));
        return kExitUsage;
    }
    const int code = run(session);
    if (std::fflush(stdout) != 0)
        return kExitFile;
    return code;
}
