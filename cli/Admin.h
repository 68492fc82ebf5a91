#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace vantor::admin {

// What a run of vantor-admin ends with.
enum ExitCode : int {
    kExitDone = 0,
    kExitRefused = 1, // bad input, an unknown or existing name, faults found
    kExitUsage = 2,   // an unknown option, a missing argument, no single file to take
    kExitFile = 3,    // a file that cannot be read or written
};

// Ends the running command with a message on standard error and the code.
struct Stop {
    int code;
    QString message;
};
[[noreturn]] void refuse(const QString& message);
[[noreturn]] void usageError(const QString& message);

// One message line on standard error, in the user's language.
void tell(const QString& message);
// Results go to standard output alone, byte for byte as the files hold them.
void print(std::string_view text);
void printLine(std::string_view line);

// Bytes of a file or an argument shown inside a message.
QString shown(std::string_view bytes);
// Texts several commands share.
QString unknownAccountText(const std::string& name);
QString fieldRefusedText(const QString& field, const QString& reason); // "field: reason"
QString flagText();                                                    // what a 0-or-1 field wants

// A translated text handed to the argument parser (help texts).
std::string helpText(const QString& text);

// A path made absolute against the current directory, without "." or ".."
// steps, as the names written into the configuration file should be.
std::string absolutePath(const std::string& path);

// The folder a command works in and the files named on the command line; a
// file not named is chosen in the folder as the wizard chooses it.
class Folder {
public:
    std::string directory = ".";
    std::string userFile;
    std::string allowFile;
    std::string vfsFile;

    // Makes the folder and the named files absolute, against the current
    // directory. FileError when the folder does not exist.
    void resolve();

    // The single match of the kind in the folder, or the named file; with no
    // match the default name (the user and allowed address files), or nothing
    // for a *.vfs file, which has no default name. Two or more matches stop
    // the command with a usage error that names them.
    std::string chosenUserFile() const;
    std::string chosenAllowFile() const;
    std::optional<std::string> chosenVfsFile() const;
    // A *.vfs file to write: a missing one is a usage error.
    std::string vfsFileToWrite() const;
};

// What every command shares: the folder, and the command the parser chose,
// run once the whole command line has been read.
struct Session {
    Folder folder;
    std::function<void()> action;
};

// Each command group adds its commands to the parser.
void addUserCommands(CLI::App& app, Session& session);
void addUserBulkCommands(CLI::App& users, Session& session);
void addAllowCommands(CLI::App& app, Session& session);
void addVfsCommands(CLI::App& app, Session& session);
void addServerCommands(CLI::App& app, Session& session);
void addCheckCommand(CLI::App& app, Session& session);

} // namespace vantor::admin
