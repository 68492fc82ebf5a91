#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

struct FileStamp;

// Every definition file is read whole and written whole.

// The largest file taken for a definition file. The biggest files expected,
// 100,000 accounts, are 8.7 MB, and even 100,000 lines of the longest any
// format allows (511 bytes and CR LF) are 51.3 MB; anything larger is not one
// of these files, and reading it would only exhaust the memory.
inline constexpr std::int64_t kMaxDefinitionFileSize = std::int64_t{64} << 20;

// The file that a definition file name stands for: the name itself, or the
// target of the symbolic link it names. Raises FileError for a link that leads
// nowhere (ENOENT) and for a link that someone else planted in a folder that
// everyone may write to (EACCES), as the kernel's rule for such folders has it.
std::string FollowedPath(const std::string& fileName);

// The bytes of a file, and when asked the stamp of what was read. Raises
// FileError when the name is empty or names a folder, anything but a regular
// file (checked before opening, so a pipe cannot hold the reader), or a file
// larger than kMaxDefinitionFileSize, or when the file cannot be read to its end.
std::string ReadWholeFile(const std::string& fileName, FileStamp* stamp = nullptr);

// Replaces a file's content as one step, under the folder lock (FileLock.h):
// the bytes go to a fresh temporary file in the same folder, are flushed to
// disk and the temporary file is renamed over the old one. Where the file
// system allows, the temporary file is unnamed until it is whole, and copies
// that killed writers left of this file are removed first, so no copy of the
// content stays behind. A failure raises FileError and leaves the old file
// whole. An existing file keeps its permission bits, access control list and
// extended attributes, its owner or at least its group, or is not written (see
// FileAccess.h); a file the process may not write, or that is not a regular
// file, is refused. A symbolic link stays a link and its target is written. A
// new file gets `newFileMode` less the umask.
inline constexpr unsigned kDefaultFileMode = 0666;
void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode = kDefaultFileMode);

} // namespace vantor
