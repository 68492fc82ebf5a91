#pragma once

#include "core/users/Validation.h"
#include "core/vfs/VfsValidation.h"

#include <QString>

namespace vantor {

class FileError;

// Why the core refused an input, told in the user's language. The core's own
// descriptions are English and meant for developers; the user sees these.
QString inputRuleText(InputRule rule);
QString mountPointRuleText(MountPointRule rule);

// Why a file could not be read or written: the common reasons in the user's
// language, the rare ones as the system words them.
QString fileErrorReason(const FileError& error);

} // namespace vantor
