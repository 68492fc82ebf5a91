#pragma once

#include <functional>
#include <sys/types.h>
#include <vector>

namespace vantor::test {

// The account that stands for another user of the machine.
inline constexpr uid_t kNobody = 65534;

// The exit code of `action` run in a child process as the account nobody with
// the given groups: 0 done, 2 a file error, 3 the refusal of a change of
// owner, 1 when the child could not become nobody. Only root can do this.
int asNobody(std::vector<gid_t> groups, const std::function<void()>& action);

} // namespace vantor::test
