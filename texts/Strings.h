#pragma once

#include <QString>

namespace vantor {

// The program's string table. Every message, caption, tooltip and file-dialog
// filter the dialogs show comes from here, by number, translated. Numbers 101
// to 143 are the table the program has always had; the ones above are later
// additions (the standard validation messages, file errors, path limits).
enum class Str : int {
    AboutMenuEntry = 101,
    UserFileFilter = 102,
    AllowFileFilter = 103,
    VfsFileFilter = 104,
    TipPasvPortRange = 105,
    TipPasvIpRolling = 106,
    TipCheckDataIp = 107,
    TipCheckAfterLogin = 108,
    TipCheckBeforeLogin = 109,
    TipPermissionClass = 110,
    TipRightRead = 111,
    TipRightWrite = 112,
    TipRightExecute = 113,
    TipInherit = 114,
    TipVirtualPath = 115,
    CaptionError = 116,
    CaptionWarning = 117,
    PhysicalPathEmpty = 118,
    PhysicalPathMissing = 119,
    VirtualPathEmpty = 120,
    VirtualPathNotFull = 121,
    OwnerEmpty = 122,
    GroupEmpty = 123,
    TipServerName = 124,
    TipServerPort = 125,
    TipRootDirectory = 126,
    TipServerIp = 127,
    VirtualPathExists = 128,
    RootDeleteRefused = 129,
    RootRenameRefused = 130,
    TipLevel = 131,
    TipAllowedRanges = 132,
    TipNote = 133,
    TipAllowIp = 134,
    TipRatio = 135,
    RootDirectoryEmpty = 136,
    RootDirectoryMissing = 137,
    FtpdFileFilter = 138,
    UserNameEmpty = 139,
    NoSingleUserFile = 140,
    NoSingleAllowFile = 141,
    UserFileEmpty = 142,
    AllowFileEmpty = 143,

    PathTooLong = 144,      // %1: the path, %2: the limit
    FileErrorMessage = 145, // %1: the file, %2: the reason
    BrowseFolderTitle = 146,
    PortFree = 147,
    PortUsed = 148,
    EnterUnsigned = 149,
    EnterInteger = 150,
    EnterNumberInRange = 151,      // %1, %2: the bounds
    EnterAtMostChars = 152,        // %1: the limit
    CurrentDirectoryTooLong = 153, // %1: the limit
    CurrentDirectoryUnreadable = 154,
    ServerNameLineBreak = 155,
    RootDirectoryBadCharacter = 156,
    FileReasonDenied = 157,
    FileReasonMissing = 158,
    FileReasonFolder = 159,
    FileReasonDiskFull = 160,
    FileReasonReadOnly = 161,
    FileReasonNameTooLong = 162,

    // Why the core refused an account, an address or a mount point.
    TextLineBreak = 163,
    UserFieldColon = 164,
    UserNameAt = 165,
    UserNameTooLong = 166, // %1: the limit
    UserLineTooLong = 167, // %1: the limit
    UserLineNameMismatch = 168,
    AddressMalformed = 169,
    MountFieldBar = 170,
    MountFieldLineBreak = 171,
    MountNameTooLong = 172, // %1: the limit
    MountLineTooLong = 173, // %1: the limit
    PathLineBreak = 174,

    // The finish page.
    FileNameEmpty = 175,

    // Bytes that end a file, readings that lost content, files not to be
    // written over unasked.
    TextEndByte = 185,
    MountFieldEndByte = 186,
    PathEndByte = 187,
    ReadStoppedAtEndByte = 188, // %1: the file, %2: the line
    ReadSplitLongLine = 189,    // %1: the file, %2: the line, %3: the limit
    ReplaceLossyFile = 190,     // %1: the file, %2: the line
    ReplaceUnreadFile = 191,    // %1: the file
    NamesSameFile = 192,        // %1, %2: the two names

    // Writers that meet: another program holds the file, or changed it.
    FileBusy = 195,            // %1: the file
    ActionFailed = 196,        // %1: what went wrong, as the system tells it
    FileChangedQuestion = 197, // %1: the file
    AnswerOverwrite = 198,
    AnswerReload = 199,

    // Why a definition file was not read or written, beyond the system's
    // own words; the reasons follow "the file %1 can not be read or written : ".
    FileReasonNotRegular = 230,
    FileReasonTooLarge = 231,
    FileReasonDanglingLink = 232,
    FileReasonPlantedLink = 233,
    FileReasonPlantedFile = 234,
    FileReasonHardLinks = 235,   // %1: the number of names
    FileReasonOwnerChange = 236, // %1: the owner, %2: the writer
    FileReasonGroupNotKept = 237,
    FileReasonAccessListNotKept = 238,
    FileReasonAttributesNotKept = 239,
    FileReasonPermissionsNotKept = 240,
    FileReasonImmutable = 241,
    FileReasonAppendOnly = 242,
    FileReasonFolderUnreadable = 243,
    FileReasonInterrupted = 244,
    FileReasonInputOutput = 245,
    NoWorkingFolder = 246,
    FileNotDurable = 247,  // %1: the file
    FileReadingLost = 248, // %1: the file, %2: the line, %3: what was lost
    LossEndByte = 249,
    LossLongLine = 250,       // %1: the limit
    FilesPartlyChanged = 251, // %1: the file, %2: why, %3: the files changed

    // The working folder line of the start dialog.
    WorkingFolderCaption = 200,
    WorkingFolderHomeHint = 201,
    WorkingFolderButtonTip = 202,
    WorkingFolderBrowseTitle = 203,

    // Files another program changed, or that this design did not write,
    // asked about where they are replaced; a Finish that stopped on the way.
    AccountsChangedQuestion = 204,     // %1: the file
    DesignFileChanged = 205,           // %1: the file
    ReplaceOtherConfiguration = 206,   // %1: the file
    ReplaceChangedConfiguration = 207, // %1: the file
};

// The text of an entry in the user's language; empty for an unknown number.
QString loadString(Str id);

} // namespace vantor
