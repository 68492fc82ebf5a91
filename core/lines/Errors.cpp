#include "core/lines/Errors.h"

#include <cstring>
#include <utility>

namespace vantor {

namespace {

// The developers' wording, for what(); the user reads the sentences of
// texts/ErrorTexts instead.
const char* describe(FileFault fault) {
    switch (fault) {
    case FileFault::System:
        return "it can not be used";
    case FileFault::NotRegular:
        return "it is not a regular file (a pipe, a device or a socket)";
    case FileFault::TooLarge:
        return "it is larger than any definition file (64 MiB)";
    case FileFault::DanglingLink:
        return "it is a symbolic link that leads to no file";
    case FileFault::PlantedLink:
        return "it is a link another user put into a folder everyone may write to";
    case FileFault::PlantedFile:
        return "it belongs to another user of a folder everyone may write to";
    case FileFault::HardLinks:
        return "it has other names (hard links) a rewrite would part it from";
    case FileFault::OwnerChange:
        return "a rewrite would give it another owner";
    case FileFault::AccessNotKept:
        return "its access can not be carried over to the new file";
    case FileFault::Immutable:
        return "it is marked unchangeable";
    case FileFault::AppendOnly:
        return "it is marked append-only";
    case FileFault::NoWorkingFolder:
        return "the working folder cannot be determined";
    case FileFault::FolderUnreadable:
        return "its folder can not be read";
    case FileFault::NotDurable:
        return "it was replaced, but its folder could not be flushed to the disk";
    case FileFault::Busy:
        return "another program is changing the file";
    case FileFault::ReadingLost:
        return "its reading lost content that writing it back would drop";
    case FileFault::PartlyChanged:
        return "a change of several files stopped after some were replaced";
    }
    return "it can not be used";
}

const char* describe(InputRule rule) {
    switch (rule) {
    case InputRule::Ok:
        return "accepted";
    case InputRule::FieldHasLineBreak:
        return "a line break is not allowed here";
    case InputRule::FieldHasColon:
        return "':' is not allowed in an account field";
    case InputRule::NameEmpty:
        return "the user name is empty";
    case InputRule::NameHasAt:
        return "'@' is not allowed in a user name";
    case InputRule::NameTooLong:
        return "the user name is longer than 63 bytes";
    case InputRule::LineTooLong:
        return "the account line is longer than 511 bytes";
    case InputRule::LineNameMismatch:
        return "the account line does not belong to the user name";
    case InputRule::AddressMalformed:
        return "not a dotted IPv4 address or a prefix of one ending in '.'";
    case InputRule::FieldHasEndByte:
        return "a byte 0x1A or NUL is not allowed here";
    }
    return "invalid input";
}
} // namespace

FileError::FileError(const std::string& fileName, const std::string& reason)
    : std::runtime_error(fileName + ": " + reason), fileName_(fileName), reason_(reason) {}

FileError::FileError(const std::string& fileName, int errorNumber)
    : FileError(fileName, std::strerror(errorNumber)) {
    errorNumber_ = errorNumber;
}

FileError::FileError(const std::string& fileName, FileFault fault, int errorNumber)
    : FileError(fileName, errorNumber != 0 && fault == FileFault::System
                              ? std::string(std::strerror(errorNumber))
                              : std::string(describe(fault))) {
    fault_ = fault;
    errorNumber_ = errorNumber;
}

FileError FileError::hardLinks(const std::string& fileName, std::uint64_t count) {
    FileError error(fileName, FileFault::HardLinks);
    error.linkCount_ = count;
    return error;
}

FileError FileError::ownerChange(const std::string& fileName, std::uint32_t owner,
                                 std::uint32_t newOwner) {
    FileError error(fileName, FileFault::OwnerChange);
    error.owner_ = owner;
    error.newOwner_ = newOwner;
    return error;
}

FileError FileError::accessNotKept(const std::string& fileName, AccessPart part) {
    FileError error(fileName, FileFault::AccessNotKept);
    error.accessPart_ = part;
    return error;
}

FileError FileError::readingLost(const std::string& fileName, const ReadingLoss& loss) {
    FileError error(fileName, FileFault::ReadingLost);
    error.loss_ = loss;
    return error;
}

FileError FileError::partlyChanged(const std::string& failed, int errorNumber,
                                   std::vector<std::string> changed) {
    FileError error(failed, FileFault::PartlyChanged, errorNumber);
    error.changed_ = std::move(changed);
    return error;
}

FileBusy::FileBusy(const std::string& fileName) : FileError(fileName, FileFault::Busy) {}

InvalidInput::InvalidInput(InputRule rule) : std::invalid_argument(describe(rule)), rule_(rule) {}

} // namespace vantor
