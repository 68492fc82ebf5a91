#include "core/lines/LinePlan.h"

#include "core/lines/LinePieces.h"

#include <unordered_map>
#include <unordered_set>

namespace vantor {

LinePlan PlanLines(std::string_view fileBytes, const std::vector<WantedLine>& wanted,
                   const std::function<bool(std::string_view line)>& dropUnlisted) {
    LinePlan plan;
    const std::vector<std::string_view> lines = DistinctLinePieces(fileBytes);
    std::unordered_map<std::string_view, bool> listed; // line: wanted present
    listed.reserve(wanted.size());
    for (const WantedLine& want : wanted)
        listed.emplace(want.text, want.present);

    bool changes = false;
    std::string out;
    out.reserve(fileBytes.size() + 2 * lines.size());
    std::unordered_set<std::string_view> held; // the file's lines
    held.reserve(lines.size());
    for (const std::string_view line : lines) {
        const auto want = listed.find(line);
        const bool keep =
            want != listed.end() ? want->second : !dropUnlisted || !dropUnlisted(line);
        held.insert(line);
        if (!keep) {
            changes = true;
            if (want == listed.end())
                plan.unlisted.emplace_back(line);
            continue;
        }
        out.append(line) += "\r\n";
    }
    plan.wanted.reserve(wanted.size());
    for (const WantedLine& want : wanted) {
        const bool inFile = held.contains(want.text);
        if (want.present && !inFile) {
            out.append(want.text) += "\r\n";
            changes = true;
        }
        using Outcome = LinePlan::Outcome;
        plan.wanted.push_back(want.present == inFile ? Outcome::Unchanged
                              : want.present         ? Outcome::Added
                                                     : Outcome::Removed);
    }
    if (changes)
        plan.bytes = std::move(out);
    return plan;
}

} // namespace vantor
