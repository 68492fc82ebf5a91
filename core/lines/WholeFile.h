#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Every definition file is read whole and written whole.

// The bytes of a file. Raises FileError when the name is empty, names a
// folder, or the file cannot be opened or read to its end.
std::string ReadWholeFile(const std::string& fileName);

// Replaces a file's content as one step: the bytes go to a fresh temporary file
// in the same folder, are flushed to disk and the temporary file is renamed over
// the old one. Where the file system allows, the temporary file is unnamed until
// it is whole, so a process killed mid-write leaves no copy behind. A failure
// raises FileError and leaves the old file whole. An
// existing file keeps its permission bits and, where the process may set them,
// its owner and group; a file the process may not write is refused as it would
// be by any other writer. A new file gets `newFileMode` less the umask.
inline constexpr unsigned kDefaultFileMode = 0666;
void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode = kDefaultFileMode);

} // namespace vantor
