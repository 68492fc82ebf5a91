#pragma once

#include "core/lines/Errors.h"

#include <QString>

#include <exception>

namespace vantor {

// The user's sentence for an error the core raised, the same in both
// programs: a file error of any kind (naming the file), the busy lock, a
// refused input, a refused line break; anything else as the action that
// could not finish, with what the system says.
QString errorText(const std::exception& error);
QString fileErrorText(const FileError& error);

// Why a file could not be read or written: the common reasons in the user's
// language, the rare ones as the system words them.
QString fileErrorReason(const FileError& error);

} // namespace vantor
