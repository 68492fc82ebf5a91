#pragma once

#include "core/users/Validation.h"
#include "core/vfs/VfsValidation.h"

#include <QString>

namespace vantor {

// Why the core refused an input, told in the user's language. The core's own
// descriptions are English and meant for developers; the user sees these.
QString inputRuleText(InputRule rule);
QString mountPointRuleText(MountPointRule rule);

} // namespace vantor
