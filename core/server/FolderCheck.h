#pragma once

#include "core/users/Validation.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vantor {

// One thing in a definition file that the server or the dialogs would trip
// over. Errors lose or misread data; warnings are well formed but most likely
// not what the administrator meant.
struct CheckFinding {
    enum class Kind {
        // Any file.
        FileUnreadable, // `fault`, `count`: the error's kind and number, `text`: its words
        // Any line file.
        LineTooLong,   // the readers split it into pieces
        NulByte,       // a byte 0 in a line: the server's reader ends the line there
        EndOfFileMark, // a byte 0x1A with bytes after it: the readers stop there
        // *.user
        UserFieldCount,   // `count`: the fields the line has
        UserNameRefused,  // `rule`: what the name breaks
        UserNameRepeated, // `otherLine`: the line of the name that is read
        UserLevelBad,     // `text`: the field
        UserNumberBad,    // `field`: which one, `text`: the field
        UserLanguageBad,  // `text`: the code
        UserFileReadable, // readable by group or others, and it holds passwords
        // *.allow
        AllowEntryMalformed, // `text`: the address part
        AllowEntryNoAccount, // `text`: the user part
        // *.vfs
        MountFieldCount,      // `count`
        MountPermissionsBad,  // `text`: the field
        MountPhysicalMissing, // `text`: the path
        MountOwnerUnknown,    // `text`: the name
        MountGroupUnknown,    // `text`: the name
        MountVirtualRepeated, // `text`: the path, `otherLine`: its first line
        MountNoRoot,
        // the startup list and *.ftpd
        StartupConfigMissing, // `text`: the configuration named
        StartupLineMalformed, // not "ftpdstart" and a configuration file name
        ConfigKeyMissing,     // `text`: the key
        ConfigFileMissing,    // `text`: the key, `path`: the file it names
    };
    enum class Severity { Error, Warning };

    std::string file;
    std::size_t line = 0; // from 1; 0 for the file as a whole
    Kind kind = Kind::LineTooLong;
    Severity severity = Severity::Error;
    std::string text;
    std::string path;
    std::size_t count = 0;
    std::size_t otherLine = 0;
    int field = 0; // a field index of the user line, from 0
    InputRule rule = InputRule::Ok;
    FileFault fault = FileFault::System;
};

// The definition files of one folder. Accounts and groups are those of every
// user file given; relative names in a configuration file or the startup
// list are taken from `directory`.
struct CheckedFiles {
    std::string directory;
    std::vector<std::string> userFiles;
    std::vector<std::string> allowFiles;
    std::vector<std::string> vfsFiles;
    std::vector<std::string> configFiles;
    std::string startupList; // empty: none
};

// Reads every file once, in time linear in their sizes; the findings come in
// the order of their file names and lines. A file that cannot be read is a
// finding of its own, and the other files are checked all the same.
std::vector<CheckFinding> CheckDefinitionFiles(const CheckedFiles& files);

} // namespace vantor
