#include "cli/LineDiff.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace vantor::admin {

namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

enum class Op : char { Same = ' ', Gone = '-', New = '+' };

constexpr std::ptrdiff_t kMaxDifferences = 2000;

// The shortest edit script between a and b (Myers), lines compared by number;
// nothing when it takes more than kMaxDifferences steps.
std::optional<std::vector<Op>> shortestEdit(const std::vector<std::uint32_t>& a,
                                            const std::vector<std::uint32_t>& b) {
    const auto n = static_cast<std::ptrdiff_t>(a.size());
    const auto m = static_cast<std::ptrdiff_t>(b.size());
    const std::ptrdiff_t most = std::min(n + m, kMaxDifferences);
    // The furthest x on each diagonal k after d steps, kept for the walk back:
    // trace[d] holds diagonals -d to d.
    std::vector<std::vector<std::ptrdiff_t>> trace;
    std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * most + 3), 0);
    const std::ptrdiff_t offset = most + 1;
    const auto at = [&](std::ptrdiff_t k) -> std::ptrdiff_t& {
        return v[static_cast<std::size_t>(k + offset)];
    };
    for (std::ptrdiff_t d = 0; d <= most; ++d) {
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x =
                k == -d || (k != d && at(k - 1) < at(k + 1)) ? at(k + 1) : at(k - 1) + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m &&
                   a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)])
                ++x, ++y;
            at(k) = x;
            if (x >= n && y >= m) {
                trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
                std::vector<Op> ops;
                for (std::ptrdiff_t step = d; step > 0; --step) {
                    const auto& before = trace[static_cast<std::size_t>(step - 1)];
                    const auto prior = [&](std::ptrdiff_t kk) {
                        return before[static_cast<std::size_t>(kk + step - 1)];
                    };
                    const bool down = k == -step || (k != step && prior(k - 1) < prior(k + 1));
                    const std::ptrdiff_t pk = down ? k + 1 : k - 1;
                    const std::ptrdiff_t px = prior(pk);
                    const std::ptrdiff_t py = px - pk;
                    const std::ptrdiff_t startX = down ? px : px + 1;
                    for (std::ptrdiff_t i = x; i > startX; --i)
                        ops.push_back(Op::Same);
                    ops.push_back(down ? Op::New : Op::Gone);
                    x = px;
                    y = py;
                    k = pk;
                }
                for (std::ptrdiff_t i = x; i > 0; --i)
                    ops.push_back(Op::Same);
                std::reverse(ops.begin(), ops.end());
                return ops;
            }
        }
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
    }
    return std::nullopt;
}

void appendRange(std::string& out, char sign, std::size_t start, std::size_t count) {
    out += sign;
    // A range of no lines is named by the line before it, as diff -u does.
    out += std::to_string(count == 0 ? start : start + 1);
    if (count != 1)
        out.append(",").append(std::to_string(count));
}

} // namespace

std::string UnifiedDiff(const std::string& file, std::string_view before, std::string_view after,
                        const std::function<std::string(std::string_view)>& shown) {
    const std::vector<std::string_view> a = linesOf(before);
    const std::vector<std::string_view> b = linesOf(after);
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    if (head == a.size() && head == b.size())
        return {};

    // The middle's lines as numbers, equal lines the same number.
    std::unordered_map<std::string_view, std::uint32_t> numbers;
    const auto numbered = [&](const std::vector<std::string_view>& lines, std::size_t count) {
        std::vector<std::uint32_t> out;
        out.reserve(count);
        for (std::size_t i = head; i < head + count; ++i)
            out.push_back(numbers.try_emplace(lines[i], static_cast<std::uint32_t>(numbers.size()))
                              .first->second);
        return out;
    };
    const std::size_t aMiddle = a.size() - head - tail;
    const std::size_t bMiddle = b.size() - head - tail;
    std::vector<Op> ops(head, Op::Same);
    if (auto middle = shortestEdit(numbered(a, aMiddle), numbered(b, bMiddle))) {
        ops.insert(ops.end(), middle->begin(), middle->end());
    } else {
        ops.insert(ops.end(), aMiddle, Op::Gone);
        ops.insert(ops.end(), bMiddle, Op::New);
    }
    ops.insert(ops.end(), tail, Op::Same);

    const auto text = [&](std::string_view line) {
        return shown ? shown(line) : std::string(line);
    };
    constexpr std::size_t kContext = 3;
    std::string out = "--- " + file + "\n+++ " + file + "\n";
    // Walk the script once, with the line numbers of both sides at each step.
    std::size_t i = 0, ai = 0, bi = 0;
    while (i < ops.size()) {
        if (ops[i] == Op::Same) {
            ++i, ++ai, ++bi;
            continue;
        }
        // A hunk: context before, then changes joined while the runs of equal
        // lines between them are short enough to share their context.
        const std::size_t back = std::min({kContext, ai, bi, i});
        std::size_t start = i - back, aStart = ai - back, bStart = bi - back;
        std::size_t end = i;
        std::size_t aEnd = ai, bEnd = bi;
        while (end < ops.size()) {
            if (ops[end] != Op::Same) {
                (ops[end] == Op::Gone ? aEnd : bEnd)++;
                ++end;
                continue;
            }
            std::size_t run = end;
            while (run < ops.size() && ops[run] == Op::Same)
                ++run;
            if (run == ops.size() || run - end > 2 * kContext) {
                const std::size_t keep = std::min(kContext, run - end);
                end += keep, aEnd += keep, bEnd += keep;
                break;
            }
            aEnd += run - end, bEnd += run - end;
            end = run;
        }
        out += "@@ ";
        appendRange(out, '-', aStart, aEnd - aStart);
        out += ' ';
        appendRange(out, '+', bStart, bEnd - bStart);
        out += " @@\n";
        for (std::size_t j = start, x = aStart, y = bStart; j < end; ++j) {
            out += static_cast<char>(ops[j]);
            out.append(ops[j] == Op::New ? text(b[y]) : text(a[x])) += '\n';
            if (ops[j] != Op::New)
                ++x;
            if (ops[j] != Op::Gone)
                ++y;
        }
        i = end, ai = aEnd, bi = bEnd;
    }
    return out;
}

} // namespace vantor::admin
