#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantor::admin {

// The lines of two versions of a file as a unified diff ("diff -u": headers
// "--- FILE" and "+++ FILE", hunks with three lines of context), each line as
// `shown` gives it (a user file's passwords hidden); empty when the lines are
// the same. A line ends at LF, a CR before it is dropped. Past a few thousand
// differences the changed middle is given as one hunk instead of the shortest
// one, so that no diff costs more than a rewrite of the file.
std::string UnifiedDiff(const std::string& file, std::string_view before, std::string_view after,
                        const std::function<std::string(std::string_view)>& shown = {});

} // namespace vantor::admin
