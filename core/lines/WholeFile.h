#pragma once

#include "core/lines/Descriptor.h"
#include "core/lines/FileChange.h"
#include "core/lines/FileStamp.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace vantor {

struct FileLocation;

// Every definition file is read whole and written whole.

// The largest file taken for a definition file. The biggest files expected,
// 100,000 accounts, are 8.7 MB, and even 100,000 lines of the longest any
// format allows (511 bytes and CR LF) are 51.3 MB; anything larger is not one
// of these files, and reading it would only exhaust the memory. A write that
// would make a file larger is refused as well, so that what is written can
// always be read back.
inline constexpr std::int64_t kMaxDefinitionFileSize = std::int64_t{64} << 20;

// A definition file as read: whether there is one (only ENOENT means there is
// none), its bytes and, when asked, the stamp of what was read.
struct FileContent {
    bool exists = false;
    std::string bytes;
    FileStamp stamp;
};

// Reads the file a definition file name stands for, through its opened folder
// (OpenedFolder.h), a symbolic link followed. Raises FileError for an empty
// name, a folder, anything but a regular file (found before it is opened, so
// a pipe cannot hold the reader), a file larger than kMaxDefinitionFileSize, a
// dangling or planted link, and any error in reading it to its end.
// Hashing the content for the stamp costs a pass over it, so it is made
// only for a caller that asks (`stamped`).
FileContent ReadDefinitionFile(const std::string& fileName, bool stamped = false);
// The same, a missing file raising FileError (ENOENT) too.
std::string ReadWholeFile(const std::string& fileName, FileStamp* stamp = nullptr);

// The file a location names, opened for reading, and the status of the opened
// descriptor; no descriptor when there is no file. Refuses, as above, what is
// not a definition file.
Descriptor OpenDefinitionFile(const FileLocation& location, const std::string& fileName,
                              struct stat& status);
// The content of a file opened so, read to its end.
std::string ReadOpenedFile(const Descriptor& file, const struct stat& status,
                           const std::string& fileName);

// Replaces a file's content as one step (FileChange.h); a new file gets
// `newFileMode` less the umask.
void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode = kDefaultFileMode);

} // namespace vantor
