#include "core/lines/SystemCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

// openat takes its mode through C's variable arguments, which a pointer to
// it could not pass on.
int openAt(int folder, const char* name, int flags, mode_t mode) {
    return ::openat(folder, name, flags, mode);
}

} // namespace

SystemCalls& System() {
    static SystemCalls calls{openAt,       ::close, ::fstat,    ::fstatat, ::read,
                             ::write,      ::fsync, ::renameat, ::linkat,  ::unlinkat,
                             ::readlinkat, ::flock, ::fchown,   ::fchmod,  ::getcwd};
    return calls;
}

} // namespace vantor
