#pragma once

#include <string>

struct stat;

namespace vantor {

// Gives the open file `fd`, about to take the place of `target`, what decides
// who may use the old one: its owner (or at least its group, which a member of
// it may keep), its permission bits, its access control list and its other
// extended attributes. Raises FileError naming `fileName`, before anything is
// replaced, when they cannot be carried over and the new file would let someone
// do what the old one did not.
void CarryOverAccess(int fd, const std::string& fileName, const std::string& target,
                     const struct stat& old);

} // namespace vantor
