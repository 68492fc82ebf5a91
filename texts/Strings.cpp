#include "texts/Strings.h"

#include <QCoreApplication>

#include <iterator>

namespace vantor {

namespace {

struct Entry {
    Str id;
    const char* text;
};

// The English texts as the program shows them; the blanks before commas and
// full stops, and the trailing blanks, are part of the texts.
constexpr Entry kTable[] = {
    {Str::AboutMenuEntry,
     QT_TRANSLATE_NOOP("StringTable", "About VANTOR FTP SERVER wizard(&A)...")},
    {Str::UserFileFilter,
     QT_TRANSLATE_NOOP("StringTable", "user&group file|*.user|All files|*.*||")},
    {Str::AllowFileFilter,
     QT_TRANSLATE_NOOP("StringTable", "allowed IP definition file|*.allow|All files|*.*||")},
    {Str::VfsFileFilter,
     QT_TRANSLATE_NOOP("StringTable", "virtual file system definition file|*.vfs|All files|*.*||")},
    {Str::TipPasvPortRange,
     QT_TRANSLATE_NOOP("StringTable",
                       "If you need to specify the DATA connection port ranges , please check this "
                       "option ( mostly used when user is restricted by Firewall )")},
    {Str::TipPasvIpRolling,
     QT_TRANSLATE_NOOP("StringTable", "Do not check this option if your server has legal and "
                                      "illegal IPs at the same time ")},
    {Str::TipCheckDataIp,
     QT_TRANSLATE_NOOP("StringTable",
                       "Check this option if you don't want the ftp server to have passive "
                       "connection with hosts with unknown IPs ( no FXP with unauthorized IPs )")},
    {Str::TipCheckAfterLogin,
     QT_TRANSLATE_NOOP("StringTable", "If you wish to check client's IP range after the user "
                                      "logs in , please check this")},
    {Str::TipCheckBeforeLogin,
     QT_TRANSLATE_NOOP("StringTable", "If you wish to perform IP checking before any user logs "
                                      "in , please check this")},
    {Str::TipPermissionClass,
     QT_TRANSLATE_NOOP("StringTable", "the below 3 check boxes are the permissions of the owner "
                                      "of this virtual directory")},
    {Str::TipRightRead,
     QT_TRANSLATE_NOOP("StringTable",
                       "allows downloading files and reading directory lists from this directory")},
    {Str::TipRightWrite,
     QT_TRANSLATE_NOOP("StringTable",
                       "allows uploading files and making directories under this directory")},
    {Str::TipRightExecute,
     QT_TRANSLATE_NOOP("StringTable",
                       "allows deleting , renaming and overwriting files under this directory")},
    {Str::TipInherit,
     QT_TRANSLATE_NOOP("StringTable", "if checked , the child paths under this path will inherit "
                                      "the permissions of this directory")},
    {Str::TipVirtualPath,
     QT_TRANSLATE_NOOP("StringTable",
                       "the mapped virtual directory of a physical directory , ex: /temp")},
    {Str::CaptionError, QT_TRANSLATE_NOOP("StringTable", "ERROR")},
    {Str::CaptionWarning, QT_TRANSLATE_NOOP("StringTable", "WARNING")},
    {Str::PhysicalPathEmpty, QT_TRANSLATE_NOOP("StringTable", "physical path can not be empty")},
    {Str::PhysicalPathMissing, QT_TRANSLATE_NOOP("StringTable", "physical path does not exist")},
    {Str::VirtualPathEmpty, QT_TRANSLATE_NOOP("StringTable", "virtual path can not be empty")},
    {Str::VirtualPathNotFull,
     QT_TRANSLATE_NOOP("StringTable",
                       "must be a full virtual path , starting from / ( root directory )")},
    {Str::OwnerEmpty, QT_TRANSLATE_NOOP("StringTable", "empty directory owner , using default")},
    {Str::GroupEmpty,
     QT_TRANSLATE_NOOP("StringTable", "empty directory owner group , using default")},
    {Str::TipServerName,
     QT_TRANSLATE_NOOP("StringTable", "please input the server name of your FTP server")},
    {Str::TipServerPort,
     QT_TRANSLATE_NOOP("StringTable", "please input the listen PORT (1-65535) of the FTP server")},
    {Str::TipRootDirectory,
     QT_TRANSLATE_NOOP("StringTable", "please enter the root path of your FTP server , you can "
                                      "setup your virtual file system later ")},
    {Str::TipServerIp,
     QT_TRANSLATE_NOOP("StringTable", "please choose the IP of your server , if your server has "
                                      "both legal and illegal IPs , please choose a proper one")},
    {Str::VirtualPathExists,
     QT_TRANSLATE_NOOP("StringTable",
                       "virtual path already exists , please delete that virtual path first , or "
                       "use update button to update this virtual path")},
    {Str::RootDeleteRefused,
     QT_TRANSLATE_NOOP("StringTable",
                       "please do not delete the virtual path / for FTP server root directory  , "
                       "but you can change its physical path or the permissions")},
    {Str::RootRenameRefused,
     QT_TRANSLATE_NOOP("StringTable",
                       "please do not change the virtual path / to other virtual paths , but you "
                       "can change its physical path to another directory")},
    {Str::TipLevel,
     QT_TRANSLATE_NOOP("StringTable",
                       "user's level , choose the proper one for the user , the guest can not "
                       "perform any special commands and the root can do anything")},
    {Str::TipAllowedRanges,
     QT_TRANSLATE_NOOP("StringTable", "the allowed IP ranges , input 192.52.62. for 192.52.62.*")},
    {Str::TipNote, QT_TRANSLATE_NOOP("StringTable", "this can be empty")},
    {Str::TipAllowIp,
     QT_TRANSLATE_NOOP("StringTable",
                       "the IP or IP range that is allowed to connect to this server , please "
                       "input full IP or partial ( ex: 140.141.41. )")},
    {Str::TipRatio,
     QT_TRANSLATE_NOOP("StringTable", "if you set the ratio to 1:3 that means by uploading 1kb "
                                      "the user can download 3kb")},
    {Str::RootDirectoryEmpty,
     QT_TRANSLATE_NOOP("StringTable", "the server root directory can not be empty")},
    {Str::RootDirectoryMissing,
     QT_TRANSLATE_NOOP("StringTable", "the server root directory does not exist")},
    {Str::FtpdFileFilter,
     QT_TRANSLATE_NOOP("StringTable", "FTP server configuration file|*.ftpd|All files|*.*||")},
    {Str::UserNameEmpty, QT_TRANSLATE_NOOP("StringTable", "username is empty , can not proceed")},
    {Str::NoSingleUserFile,
     QT_TRANSLATE_NOOP("StringTable",
                       "setup can not find *.user in the current working directory , please "
                       "browse *.user files if you have some in other directories , otherwise "
                       "please enter a new name for your user file (*.user)")},
    {Str::NoSingleAllowFile,
     QT_TRANSLATE_NOOP("StringTable",
                       "setup can not find *.allow (IP allowing definition file) in the current "
                       "working directory , please browse *.allow files if you have some in "
                       "other directories , otherwise please enter a new name for your user file "
                       "(*.allow)")},
    {Str::UserFileEmpty,
     QT_TRANSLATE_NOOP("StringTable",
                       "your *.user file is empty , you will need to add a new user to your user "
                       "file later , otherwise no one can login your FTP server")},
    {Str::AllowFileEmpty,
     QT_TRANSLATE_NOOP("StringTable", "your *.allow (IP allowing file) is empty , setup will not "
                                      "save it for you and the IP checking is disabled")},
    {Str::PathTooLong,
     QT_TRANSLATE_NOOP("StringTable",
                       "the path %1 is longer than %2 characters , it can not be used")},
    {Str::FileErrorMessage,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 can not be read or written : %2")},
    {Str::BrowseFolderTitle, QT_TRANSLATE_NOOP("StringTable", "Browse for local dir")},
    {Str::PortFree, QT_TRANSLATE_NOOP("StringTable", "Port OK")},
    {Str::PortUsed, QT_TRANSLATE_NOOP("StringTable", "Port USED")},
    {Str::EnterUnsigned, QT_TRANSLATE_NOOP("StringTable", "Please enter a positive whole number.")},
    {Str::EnterInteger, QT_TRANSLATE_NOOP("StringTable", "Please enter a whole number.")},
    {Str::EnterNumberInRange,
     QT_TRANSLATE_NOOP("StringTable", "Please enter a whole number from %1 to %2.")},
    {Str::EnterAtMostChars,
     QT_TRANSLATE_NOOP("StringTable", "Please enter no more than %1 characters.")},
    {Str::CurrentDirectoryTooLong,
     QT_TRANSLATE_NOOP("StringTable", "the current working directory is longer than %1 "
                                      "characters , setup can not use it")},
    {Str::CurrentDirectoryUnreadable,
     QT_TRANSLATE_NOOP("StringTable",
                       "the current working directory can not be read , setup can not use it")},
    {Str::ServerNameLineBreak,
     QT_TRANSLATE_NOOP("StringTable", "the server name can not hold a line break")},
    {Str::RootDirectoryBadCharacter,
     QT_TRANSLATE_NOOP("StringTable",
                       "the server root directory can not hold a line break or the character |")},
    {Str::FileReasonDenied, QT_TRANSLATE_NOOP("StringTable", "permission denied")},
    {Str::FileReasonMissing,
     QT_TRANSLATE_NOOP("StringTable", "the file or its folder does not exist")},
    {Str::FileReasonFolder, QT_TRANSLATE_NOOP("StringTable", "it is a folder , not a file")},
    {Str::FileReasonDiskFull, QT_TRANSLATE_NOOP("StringTable", "the disk is full")},
    {Str::FileReasonReadOnly, QT_TRANSLATE_NOOP("StringTable", "the disk can not be written")},
    {Str::FileReasonNameTooLong, QT_TRANSLATE_NOOP("StringTable", "the name is too long")},
    {Str::TextLineBreak, QT_TRANSLATE_NOOP("StringTable", "the text can not hold a line break")},
    {Str::UserFieldColon,
     QT_TRANSLATE_NOOP("StringTable", "the character : can not be used in a name , password , "
                                      "group , note or language")},
    {Str::UserNameAt,
     QT_TRANSLATE_NOOP("StringTable", "the user name can not hold the character @ , it separates "
                                      "the user from the IP in the *.allow file")},
    {Str::UserNameTooLong,
     QT_TRANSLATE_NOOP("StringTable", "the user name is longer than %1 characters")},
    {Str::UserLineTooLong,
     QT_TRANSLATE_NOOP("StringTable", "the account is longer than %1 characters in all , please "
                                      "shorten its texts")},
    {Str::UserLineNameMismatch,
     QT_TRANSLATE_NOOP("StringTable", "the account line does not belong to the user name")},
    {Str::AddressMalformed,
     QT_TRANSLATE_NOOP("StringTable", "the IP must be a full IP such as 140.141.41.1 or a partial "
                                      "one ending in . such as 140.141.41.")},
    {Str::MountFieldBar,
     QT_TRANSLATE_NOOP("StringTable",
                       "the character | can not be used in a path or a name of a mount point")},
    {Str::MountFieldLineBreak,
     QT_TRANSLATE_NOOP("StringTable",
                       "a path or a name of a mount point can not hold a line break")},
    {Str::MountNameTooLong,
     QT_TRANSLATE_NOOP("StringTable", "the owner or group name is longer than %1 characters")},
    {Str::MountLineTooLong,
     QT_TRANSLATE_NOOP("StringTable", "the mount point is longer than %1 characters in all , "
                                      "please use shorter paths")},
    {Str::PathLineBreak,
     QT_TRANSLATE_NOOP("StringTable", "a file or folder name can not hold a line break")},
    {Str::FileNameEmpty,
     QT_TRANSLATE_NOOP("StringTable", "the file name can not be empty , setup can not save a file "
                                      "without a name")},
    {Str::TextEndByte,
     QT_TRANSLATE_NOOP("StringTable", "the text can not hold the byte 0x1A or a NUL byte")},
    {Str::MountFieldEndByte,
     QT_TRANSLATE_NOOP("StringTable", "a path or a name of a mount point can not hold the byte "
                                      "0x1A or a NUL byte")},
    {Str::PathEndByte,
     QT_TRANSLATE_NOOP("StringTable",
                       "a file or folder name can not hold the byte 0x1A or a NUL byte")},
    {Str::ReadStoppedAtEndByte,
     QT_TRANSLATE_NOOP("StringTable",
                       "the file %1 holds the byte 0x1A in line %2 , which ends the file for setup "
                       "and for the server : what follows it is not read , and saving the file "
                       "would lose it")},
    {Str::ReadSplitLongLine,
     QT_TRANSLATE_NOOP("StringTable",
                       "line %2 of the file %1 is longer than %3 characters : setup and the server "
                       "read it as several lines , and saving the file would split it")},
    {Str::ReplaceLossyFile,
     QT_TRANSLATE_NOOP("StringTable",
                       "setup could not read the file %1 whole ( from line %2 ) , replacing it now "
                       "changes what was not read , replace it anyway ?")},
    {Str::ReplaceUnreadFile,
     QT_TRANSLATE_NOOP("StringTable",
                       "the file %1 already exists and what setup is about to write into it was "
                       "not read from it , replace its content ?")},
    {Str::NamesSameFile,
     QT_TRANSLATE_NOOP("StringTable", "the names %1 and %2 lead to the same file , please give "
                                      "each file a name of its own")},
    {Str::WorkingFolderCaption, QT_TRANSLATE_NOOP("StringTable", "&Working directory:")},
    {Str::WorkingFolderHomeHint,
     QT_TRANSLATE_NOOP("StringTable", "this is your home directory and it holds no FTP server "
                                      "definition files , please choose the FTP server's "
                                      "directory with ...")},
    {Str::WorkingFolderButtonTip,
     QT_TRANSLATE_NOOP("StringTable", "choose the directory in which setup looks for and writes "
                                      "the FTP server definition files")},
    {Str::WorkingFolderBrowseTitle,
     QT_TRANSLATE_NOOP("StringTable", "Choose the FTP server's directory")},
    {Str::FileBusy,
     QT_TRANSLATE_NOOP("StringTable", "another program is changing the file %1 , nothing was "
                                      "written , please try again later")},
    {Str::FileReasonNotRegular,
     QT_TRANSLATE_NOOP("StringTable",
                       "it is not a regular file ( a pipe , a device or a socket )")},
    {Str::FileReasonTooLarge,
     QT_TRANSLATE_NOOP("StringTable", "it is larger than any definition file ( 64 MiB ) , or "
                                      "writing it would make it so")},
    {Str::FileReasonDanglingLink,
     QT_TRANSLATE_NOOP("StringTable", "it is a symbolic link that leads to no file")},
    {Str::FileReasonPlantedLink,
     QT_TRANSLATE_NOOP("StringTable", "its path holds a link that another user put into a "
                                      "folder everyone may write to , which is not followed")},
    {Str::FileReasonPlantedFile,
     QT_TRANSLATE_NOOP("StringTable", "it belongs to another user of a folder everyone may write "
                                      "to , so nothing is written into it")},
    {Str::FileReasonHardLinks,
     QT_TRANSLATE_NOOP("StringTable", "it has %1 names ( hard links ) , and writing it anew "
                                      "would part it from the others")},
    {Str::FileReasonOwnerChange,
     QT_TRANSLATE_NOOP("StringTable", "it belongs to %1 , and writing it anew as %2 would make %2 "
                                      "its owner ; write it as %1 or as the administrator")},
    {Str::FileReasonGroupNotKept,
     QT_TRANSLATE_NOOP("StringTable", "its group can not be kept for the new file")},
    {Str::FileReasonAccessListNotKept,
     QT_TRANSLATE_NOOP("StringTable", "its access control list can not be kept for the new file")},
    {Str::FileReasonAttributesNotKept,
     QT_TRANSLATE_NOOP("StringTable", "its extended attributes can not be kept for the new file")},
    {Str::FileReasonPermissionsNotKept,
     QT_TRANSLATE_NOOP("StringTable", "its permissions can not be kept for the new file")},
    {Str::FileReasonImmutable,
     QT_TRANSLATE_NOOP("StringTable", "it is marked unchangeable ( chattr +i )")},
    {Str::FileReasonAppendOnly,
     QT_TRANSLATE_NOOP("StringTable", "it is marked append-only ( chattr +a )")},
    {Str::FileReasonFolderUnreadable,
     QT_TRANSLATE_NOOP("StringTable", "its folder can not be read")},
    {Str::FileReasonInterrupted,
     QT_TRANSLATE_NOOP("StringTable", "the system call was interrupted")},
    {Str::FileReasonInputOutput,
     QT_TRANSLATE_NOOP("StringTable", "the disk reported an input or output error")},
    {Str::NoWorkingFolder,
     QT_TRANSLATE_NOOP("StringTable", "the working folder cannot be determined ( it was removed , "
                                      "or a folder above it can not be searched ) , nothing was "
                                      "written")},
    {Str::FileNotDurable,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 was written , but its folder could not be "
                                      "flushed to the disk : the change may not survive a power "
                                      "cut")},
    {Str::FileReadingLost,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 was read only in part ( line %2 : %3 ) , and "
                                      "writing it back would drop what was not read , so nothing "
                                      "was written")},
    {Str::LossEndByte, QT_TRANSLATE_NOOP("StringTable", "a byte 0x1A ends it early")},
    {Str::LossLongLine,
     QT_TRANSLATE_NOOP("StringTable", "a line longer than %1 bytes is read in pieces")},
    {Str::FilesPartlyChanged,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 could not be put in place ( %2 ) after these "
                                      "files were already changed : %3")},
    {Str::ActionFailed,
     QT_TRANSLATE_NOOP("StringTable", "setup could not finish this action : %1")},
    {Str::FileChangedQuestion,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 was changed by another program after setup "
                                      "read it . overwrite it with what is shown here , or reload "
                                      "it and lose the changes made here ?")},
    {Str::AnswerOverwrite, QT_TRANSLATE_NOOP("StringTable", "Overwrite")},
    {Str::AnswerReload, QT_TRANSLATE_NOOP("StringTable", "Reload")},
    {Str::AccountsChangedQuestion,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 was changed by another program after setup "
                                      "read it . overwrite it with the accounts shown here , or "
                                      "reload it to show the accounts it holds now ?")},
    {Str::DesignFileChanged,
     QT_TRANSLATE_NOOP("StringTable", "the file %1 was changed by another program after setup "
                                      "read it . overwrite it with this design , or reload it "
                                      "into the design and leave the file as it is ?")},
    {Str::ReplaceOtherConfiguration,
     QT_TRANSLATE_NOOP("StringTable",
                       "the server configuration file %1 already exists and this design did not "
                       "write it , it may be the configuration of another server , replace its "
                       "settings with this design's ?")},
    {Str::ReplaceChangedConfiguration,
     QT_TRANSLATE_NOOP("StringTable", "the server configuration file %1 was changed by another "
                                      "program after this design wrote it , replace its settings "
                                      "with this design's ?")},
};

} // namespace

QString loadString(Str id) {
    for (const auto& entry : kTable) {
        if (entry.id == id)
            return QCoreApplication::translate("StringTable", entry.text);
    }
    return {};
}

} // namespace vantor
