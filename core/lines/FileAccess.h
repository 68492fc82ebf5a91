#pragma once

#include <string>

struct stat;

namespace vantor {

// Gives the new file `fd`, about to take the place of the file open as `oldFd`
// with status `old`, what decides who may use the old one: its owner and
// group, its permission bits, its access control list and its other extended
// attributes. Raises FileError naming `fileName`, before anything is
// replaced, when they cannot be carried over: a rewrite by anyone but the
// owner (who cannot give a file away) would make the writer its owner
// (OwnerChange), and a group, list or attribute that cannot be kept might let
// someone do what the old file did not (AccessNotKept).
void CarryOverAccess(int fd, int oldFd, const struct stat& old, const std::string& fileName);

// Gives a new file its permission bits, `mode` less the umask. A private file
// (no bits for group or others, such as a password file) also drops the named
// entries of an access list it inherited from its folder's default list, which
// a later chmod g+r would otherwise open.
void SetNewFileAccess(int fd, unsigned mode, const std::string& fileName);

} // namespace vantor
