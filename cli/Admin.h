#pragma once

#include "core/lines/FileChange.h"
#include "core/users/Validation.h"

#include <QCoreApplication>

#include <QString>

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::admin {

// What a run of vantor-admin ends with. The numbers are kept for scripts:
// a new outcome takes the next free number.
enum ExitCode : int {
    kExitDone = 0,
    kExitRefused = 1, // bad input, an unknown or existing name, faults found
    kExitUsage = 2,   // an unknown option, a missing argument, no single file to take
    kExitFile = 3,    // a file that cannot be read or written
    kExitPending = 4, // apply --check: the folder is not in the state yet
};

// Ends the running command with a message on standard error and the code.
struct Stop {
    int code;
    QString message;
};
[[noreturn]] void refuse(const QString& message);
[[noreturn]] void usageError(const QString& message);

// The streams of one run: the process's own in main(), string streams in the
// tests. `terminal` is set when standard input is a terminal, where a
// password is asked for with the echo off.
struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool terminal = false;
};
// The streams of the run under way.
const Streams& streams();
// Sets the streams of a run for as long as it lasts.
class StreamsInUse {
public:
    explicit StreamsInUse(const Streams& streams);
    ~StreamsInUse();
    StreamsInUse(const StreamsInUse&) = delete;
    StreamsInUse& operator=(const StreamsInUse&) = delete;

private:
    const Streams* previous_;
};

// One message line on standard error, in the user's language, after the
// program's name.
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
QString wholeNumberText(); // what a number field from 0 up wants
QString outputFailedText(int errorNumber);
// Why the core refused an input, with the limits in bytes, as they are
// counted.
QString ruleText(InputRule rule);

// A path made absolute against the current directory, without "." or ".."
// steps, as the names written into the configuration file should be.
std::string absolutePath(const std::string& path);

// Whether a command may make the file it names, or needs it to exist.
enum class FileUse { Read, Create };

// The folder a command works in and the files named on the command line,
// taken from the folder; a file not named is chosen in the folder as the
// wizard chooses it.
class Folder {
public:
    std::string directory = ".";
    std::string userFile;
    std::string allowFile;
    std::string vfsFile;
    // Writes a file whose reading lost content (--force), saying what is dropped.
    bool force = false;

    // What every write of the command consents to.
    WriteConsent consent() const;

    // Makes the folder absolute against the current directory and the named
    // files against the folder. FileError when the folder does not exist.
    void resolve();

    // The single match of the kind in the folder, or the named file; with no
    // match the default name (the user and allowed address files), or nothing
    // for a *.vfs file, which has no default name. Two or more matches stop
    // the command with a usage error that names them. A named file that does
    // not exist is a FileError unless the command may create it.
    std::string chosenUserFile(FileUse use = FileUse::Read) const;
    std::string chosenAllowFile(FileUse use = FileUse::Read) const;
    std::optional<std::string> chosenVfsFile(FileUse use = FileUse::Read) const;
    // A *.vfs file to write: a missing one is a usage error.
    std::string vfsFileToWrite(FileUse use = FileUse::Read) const;
};

} // namespace vantor::admin
