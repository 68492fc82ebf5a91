#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// The server reads every number of its files as a signed 32-bit decimal, the
// unsigned ones included, so they are written that way.
inline std::string SignedDecimal(std::int64_t value) {
    return std::to_string(static_cast<std::int32_t>(value));
}

inline std::string FlagDigit(bool value) {
    return value ? "1" : "0";
}

} // namespace vantor
