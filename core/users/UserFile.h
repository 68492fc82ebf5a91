#pragma once

#include "core/lines/FileChange.h"
#include "core/lines/FileStamp.h"
#include "core/lines/TextLineList.h"
#include "core/users/UserLine.h"

#include <string>
#include <vector>

namespace vantor {

// A *.user file holds passwords in plain text: a new one is readable and
// writable by its owner only. An existing file keeps its permission bits.
inline constexpr unsigned kUserFileMode = 0600;

// Empties the list, then reads the file into it; a missing file leaves it
// empty. Returns what the reading lost (see ReadLineList); when asked, `stamp`
// tells what was read.
ReadingLoss LoadUserLineList(const std::string& userFile, TextLineList& userLines,
                             FileStamp* stamp = nullptr);

// Field 1 of every line, in list order, one per line.
std::vector<std::string> ListUserNames(const TextLineList& userLines);

// Field 4 of every line in list order, each distinct name once (compared byte
// for byte), leaving out empty fields (an account without a group).
std::vector<std::string> ListGroupNames(const TextLineList& userLines);

// Reads the file into a list of its own, removes the first line whose field 1
// is `name` and puts `line` directly behind the list's first line, then writes
// the file, all as one change of the file opened once (FileChange.h), under
// the folder lock, so that a change another program makes meanwhile is kept,
// or waits. A file whose reading lost content is written only with the
// caller's consent. True when a line was replaced,
// false when one was added.
// Raises InvalidInput (users/Validation.h) when CheckUserLineText refuses the
// name or the line, and FileError when the file cannot be read or written;
// the file is unchanged in both cases.
bool StoreUserLine(const std::string& userFile, const std::string& name, const std::string& line,
                   const WriteConsent& consent = {});
// The same for an account given by its fields; InvalidInput when CheckUserLine
// refuses it.
bool StoreUserLine(const std::string& userFile, const UserLine& user);
// As above, and once the file is written `userLines` holds what
// LoadUserLineList would now read from it, so that a caller showing the
// accounts need not read the file again; when asked, `stamp` tells what file
// that is. Both are unchanged when the store raises.
bool StoreUserLine(const std::string& userFile, const UserLine& user, TextLineList& userLines,
                   FileStamp* stamp = nullptr, const WriteConsent& consent = {});

// Stores the account as StoreUserLine does when no line has its name yet, with
// one reading of the file under the folder lock; false, with nothing written,
// when one has. InvalidInput and FileError as for StoreUserLine.
bool AddUserLine(const std::string& userFile, const UserLine& user,
                 const WriteConsent& consent = {});

// Reads the file into a list of its own, removes the first line whose field 1
// is `name` and writes the list back, also when no line matched; under the
// folder lock.
void RemoveUserLine(const std::string& userFile, const std::string& name,
                    const WriteConsent& consent = {});
// As above, and leaves in `userLines` what the file now reads as, and in
// `stamp`, when asked, what file that is.
void RemoveUserLine(const std::string& userFile, const std::string& name, TextLineList& userLines,
                    FileStamp* stamp = nullptr, const WriteConsent& consent = {});

// The options of a change of a user file: new files private, the caller's
// consent to a lossy reading passed on.
FileChange::Options UserFileChange(const WriteConsent& consent = {});
// What a user file opened for a change holds once `line` is stored as the
// account `name`, as StoreUserLine stores it (InvalidInput as there), and
// without the account's first line (in list order): for a change that checks
// the file first, or spans several files.
std::string UserFileWith(FileChange& userFile, const std::string& name, const std::string& line);
std::string UserFileWithout(FileChange& userFile, const std::string& name);

// Writes the list to the file. False, with nothing written, when the list is
// empty: the caller tells the user that the file was not saved.
bool SaveUserLineList(const TextLineList& userLines, const std::string& userFile);

} // namespace vantor
