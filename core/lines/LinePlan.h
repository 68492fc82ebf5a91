#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// A line a desired state wants in a line file (an allowed address entry, a
// startup line), or wants gone.
struct WantedLine {
    std::string text;
    bool present = true;
};

// The whole new content of a line file for a set of wanted lines, in one pass
// over its lines: the file keeps its order, a wanted line that is missing
// follows the others in the order wanted, an unwanted one goes, and so does
// every line not wanted either way for which `dropUnlisted` says so (what a
// prune removes). Repeated lines collapse, as every reader takes them.
struct LinePlan {
    enum class Outcome { Added, Removed, Unchanged };
    std::vector<Outcome> wanted;       // one per wanted line, in order
    std::vector<std::string> unlisted; // the unlisted lines dropped, in file order
    std::optional<std::string> bytes;  // nothing when no line changes
};
LinePlan PlanLines(std::string_view fileBytes, const std::vector<WantedLine>& wanted,
                   const std::function<bool(std::string_view line)>& dropUnlisted = {});

} // namespace vantor
