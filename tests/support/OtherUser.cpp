#include "OtherUser.h"

#include "core/lines/Errors.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantor::test {

int asNobody(std::vector<gid_t> groups, const std::function<void()>& action) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(kNobody) != 0 ||
            ::setuid(kNobody) != 0)
            ::_exit(1);
        try {
            action();
        } catch (const FileError& error) {
            ::_exit(error.fault() == FileFault::OwnerChange ? 3 : 2);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WEXITSTATUS(status);
}

} // namespace vantor::test
