#pragma once

// Every error the core raises, in one place: the file errors with what they
// are about, the busy lock, the refused input and the refused line break.
// Both programs turn each into the user's sentence with one function of
// texts/ (ErrorTexts.h), at the boundary of each user action or command.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantor {

// Where a reading did not take a file's lines as they stand, so that writing
// the list back would change the file: a byte 0x1A ended the reading before
// other text, or a line longer than the readers take (511 bytes) arrived in
// pieces. `line` counts from 1; the first such place in the file is reported.
struct ReadingLoss {
    enum class Kind { None, StoppedAtEndByte, SplitLongLine };
    Kind kind = Kind::None;
    std::size_t line = 0;

    explicit operator bool() const { return kind != Kind::None; }
    bool operator==(const ReadingLoss&) const = default;
};

// What kept a file from being read or written, where the system's error
// number alone would not tell the user.
enum class FileFault {
    System,          // errorNumber() or reason() says why
    NotRegular,      // a pipe, a device or a socket
    TooLarge,        // larger than any definition file, or a write would make it so
    DanglingLink,    // a symbolic link that leads to no file
    PlantedLink,     // a link another user put into a folder everyone may write to
    PlantedFile,     // a file another user put into such a folder: not written to
    HardLinks,       // linkCount(): a rewrite would part the file from its other names
    OwnerChange,     // owner(), newOwner(): a rewrite would give the file another owner
    AccessNotKept,   // accessPart(): what of its access could not be carried over
    Immutable,       // marked unchangeable (chattr +i)
    AppendOnly,      // marked append-only (chattr +a)
    NoWorkingFolder, // the working folder was removed or cannot be named
    FolderUnreadable,
    NotDurable,   // replaced, but the folder could not be flushed to the disk
    Busy,         // another program holds the folder's lock
    ReadingLost,  // loss(): writing back what was read would drop content
    PartlyChanged // changed(): the files already replaced when the next rename failed
};

// What of a file's access a rewrite could not carry over.
enum class AccessPart { Group, AccessList, Attributes, Permissions };

// A file could not be opened, read, created or written. Raised by the core and
// caught at the boundary of each user action, which names the file to the user.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& fileName, const std::string& reason);
    // The system's error number says why; the dialogs tell it in the user's language.
    FileError(const std::string& fileName, int errorNumber);
    FileError(const std::string& fileName, FileFault fault, int errorNumber = 0);

    const std::string& fileName() const noexcept { return fileName_; }
    const std::string& reason() const noexcept { return reason_; }
    int errorNumber() const noexcept { return errorNumber_; } // 0 when only a reason is known
    FileFault fault() const noexcept { return fault_; }

    std::uint64_t linkCount() const noexcept { return linkCount_; }
    std::uint32_t owner() const noexcept { return owner_; }
    std::uint32_t newOwner() const noexcept { return newOwner_; }
    AccessPart accessPart() const noexcept { return accessPart_; }
    const ReadingLoss& loss() const noexcept { return loss_; }
    const std::vector<std::string>& changed() const noexcept { return changed_; }

    static FileError hardLinks(const std::string& fileName, std::uint64_t count);
    static FileError ownerChange(const std::string& fileName, std::uint32_t owner,
                                 std::uint32_t newOwner);
    static FileError accessNotKept(const std::string& fileName, AccessPart part);
    static FileError readingLost(const std::string& fileName, const ReadingLoss& loss);
    // `failed` is the file whose rename failed, with its error number.
    static FileError partlyChanged(const std::string& failed, int errorNumber,
                                   std::vector<std::string> changed);

private:
    std::string fileName_;
    std::string reason_;
    int errorNumber_ = 0;
    FileFault fault_ = FileFault::System;
    std::uint64_t linkCount_ = 0;
    std::uint32_t owner_ = 0;
    std::uint32_t newOwner_ = 0;
    AccessPart accessPart_ = AccessPart::Permissions;
    ReadingLoss loss_;
    std::vector<std::string> changed_;
};

// Another program (a second wizard window, a vantor-admin call) holds the
// lock of the folder for longer than a writer waits. Nothing was written.
class FileBusy : public FileError {
public:
    explicit FileBusy(const std::string& fileName);
};

// Why a text was refused for a *.user line, a *.allow entry or another line of
// a line file. The checks run before anything is written, so that no input can
// break a line apart.
enum class InputRule {
    Ok,
    FieldHasLineBreak, // CR or LF in a text field, a line or an address
    FieldHasColon,     // ':' in a user line text field
    NameEmpty,         // a user name is needed to key the line
    NameHasAt,         // '@' in a user name would split its *.allow entries
    NameTooLong,       // over kMaxUserNameLength bytes
    LineTooLong,       // a user line over kMaxUserLineLength bytes
    LineNameMismatch,  // field 1 of a line to store is not the name it is stored under
    AddressMalformed,  // not a dotted IPv4 address or a prefix of one ending in '.'
    FieldHasEndByte,   // 0x1A or NUL in a text field or a line: a reader stops there
};

// Raised by the writers (StoreUserLine, AddAllowedAddress) when their input
// breaks a rule; nothing has been written then.
class InvalidInput : public std::invalid_argument {
public:
    explicit InvalidInput(InputRule rule);
    InputRule rule() const noexcept { return rule_; }

private:
    InputRule rule_;
};

// A section, key or value of an INI file that holds a line break, which would
// split its line.
class LineBreakRefused : public std::invalid_argument {
public:
    LineBreakRefused() : std::invalid_argument("a line break would split an INI line") {}
};

} // namespace vantor
