#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Replaces a file's content as one step: the bytes go to a fresh temporary file
// in the same folder, are flushed to disk and the temporary file is renamed over
// the old one. A failure raises FileError and leaves the old file whole. An
// existing file keeps its permission bits; a new one gets `newFileMode` less the
// process's umask (the default matches what any other program would create).
inline constexpr unsigned kDefaultFileMode = 0666;
void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         unsigned newFileMode = kDefaultFileMode);

} // namespace vantor
