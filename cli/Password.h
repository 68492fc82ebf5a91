#pragma once

#include <string>

namespace vantor::admin {

// A password from standard input, never from an argument, where any user's
// `ps` would show it. On a terminal it is asked for with the echo off, on the
// terminal and never on standard output, twice when `confirm` is set (and
// refused when the two differ); otherwise it is one line of standard input.
// An input longer than any account line can hold is refused without reading
// the rest.
std::string ReadPassword(bool confirm);

} // namespace vantor::admin
