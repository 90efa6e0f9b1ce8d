#include "core/text/line_diff.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {
struct LineSpan {
    qsizetype start = 0;
    qsizetype textLength = 0;
    qsizetype fullLength = 0; // with the ending
    LineEnding ending = LineEnding::None;
};

std::vector<LineSpan> SplitLines(const QByteArray& bytes) {
    std::vector<LineSpan> lines;
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n') continue;
        LineSpan line{start, i - start, 0, c == '\n' ? LineEnding::Lf : LineEnding::Cr};
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n') {
            line.ending = LineEnding::CrLf;
            ++i;
        }
        line.fullLength = i + 1 - start;
        lines.push_back(line);
        start = i + 1;
    }
    if (start < n) lines.push_back({start, n - start, n - start, LineEnding::None});
    return lines;
}

// Every distinct line (text and ending) of both files gets one number, so that the comparison
// compares numbers, not characters: a scenario of thousands of ships repeats the same few
// hundred lines over and over.
class LineIds {
  public:
    std::vector<int> Of(const QByteArray& bytes, const std::vector<LineSpan>& lines) {
        std::vector<int> ids;
        ids.reserve(lines.size());
        for (const LineSpan& line : lines) {
            const std::string_view key(bytes.constData() + line.start, std::size_t(line.fullLength));
            ids.push_back(ids_.try_emplace(key, int(ids_.size())).first->second);
        }
        return ids;
    }
    int Count() const { return int(ids_.size()); }

  private:
    std::unordered_map<std::string_view, int> ids_;
};

// The pairs of equal lines (old index, new index) of a longest common subsequence, ascending.
std::vector<std::pair<int, int>> CommonLines(const std::vector<int>& a, const std::vector<int>& b,
                                             int idCount) {
    const int m = int(a.size());
    const int n = int(b.size());
    int prefix = 0;
    while (prefix < m && prefix < n && a[prefix] == b[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < m - prefix && suffix < n - prefix && a[m - 1 - suffix] == b[n - 1 - suffix])
        ++suffix;

    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < prefix; ++i)
        pairs.emplace_back(i, i);

    // A line that only one side has in the middle can never be common; leaving such lines out
    // keeps the common subsequence as long and spares the comparison most of a rewritten file
    // (every line of a file with LF endings differs from the CR LF a save writes).
    std::vector<char> inOld(std::size_t(idCount), 0), inNew(std::size_t(idCount), 0);
    for (int i = prefix; i < m - suffix; ++i)
        inOld[std::size_t(a[i])] = 1;
    for (int j = prefix; j < n - suffix; ++j)
        inNew[std::size_t(b[j])] = 1;
    std::vector<int> oldAt, newAt, oldIds, newIds;
    for (int i = prefix; i < m - suffix; ++i) {
        if (!inNew[std::size_t(a[i])]) continue;
        oldAt.push_back(i);
        oldIds.push_back(a[i]);
    }
    for (int j = prefix; j < n - suffix; ++j) {
        if (!inOld[std::size_t(b[j])]) continue;
        newAt.push_back(j);
        newIds.push_back(b[j]);
    }
    if (!oldIds.empty() && !newIds.empty()) {
        dtl::Diff<int> diff(oldIds, newIds);
        diff.compose();
        for (const auto& [id, info] : diff.getSes().getSequence()) {
            if (info.type != dtl::SES_COMMON) continue;
            pairs.emplace_back(oldAt[std::size_t(info.beforeIdx - 1)], newAt[std::size_t(info.afterIdx - 1)]);
        }
    }
    for (int k = suffix; k > 0; --k)
        pairs.emplace_back(m - k, n - k);
    return pairs;
}

struct Step {
    DiffLine::Kind kind;
    int oldAt; // old lines before this step
    int newAt; // new lines before this step
};

// The whole edit from old to new, line by line: in each run of changes the removed lines first.
std::vector<Step> Steps(const std::vector<std::pair<int, int>>& common, int m, int n) {
    std::vector<Step> steps;
    int i = 0;
    int j = 0;
    auto changesUpTo = [&](int oldEnd, int newEnd) {
        for (; i < oldEnd; ++i)
            steps.push_back({DiffLine::Kind::Removed, i, j});
        for (; j < newEnd; ++j)
            steps.push_back({DiffLine::Kind::Added, i, j});
    };
    for (const auto& [oi, nj] : common) {
        changesUpTo(oi, nj);
        steps.push_back({DiffLine::Kind::Same, i++, j++});
    }
    changesUpTo(m, n);
    return steps;
}

DiffLine LineOf(const Step& step, const QByteArray& oldBytes, const std::vector<LineSpan>& oldLines,
                const QByteArray& newBytes, const std::vector<LineSpan>& newLines) {
    const bool fromOld = step.kind != DiffLine::Kind::Added;
    const LineSpan& span = fromOld ? oldLines[std::size_t(step.oldAt)] : newLines[std::size_t(step.newAt)];
    DiffLine line;
    line.kind = step.kind;
    line.oldNumber = step.kind == DiffLine::Kind::Added ? 0 : step.oldAt + 1;
    line.newNumber = step.kind == DiffLine::Kind::Removed ? 0 : step.newAt + 1;
    line.text = (fromOld ? oldBytes : newBytes).mid(span.start, span.textLength);
    line.ending = span.ending;
    return line;
}
} // namespace

std::vector<DiffHunk> DiffLines(const QByteArray& oldBytes, const QByteArray& newBytes, int context) {
    context = std::max(context, 0);
    const std::vector<LineSpan> oldLines = SplitLines(oldBytes);
    const std::vector<LineSpan> newLines = SplitLines(newBytes);
    LineIds ids;
    const std::vector<int> a = ids.Of(oldBytes, oldLines);
    const std::vector<int> b = ids.Of(newBytes, newLines);
    const std::vector<Step> steps = Steps(CommonLines(a, b, ids.Count()), int(a.size()), int(b.size()));

    std::vector<DiffHunk> hunks;
    const std::size_t count = steps.size();
    const auto same = [&](std::size_t k) { return steps[k].kind == DiffLine::Kind::Same; };
    std::size_t k = 0;
    while (k < count) {
        if (same(k)) {
            ++k;
            continue;
        }
        // Runs of changes stay in one hunk while the unchanged lines between them would
        // otherwise show twice as context.
        std::size_t lastChange = k;
        std::size_t at = k;
        while (at < count) {
            if (!same(at)) {
                lastChange = at++;
                continue;
            }
            std::size_t run = at;
            while (run < count && same(run))
                ++run;
            if (run == count || run - at > std::size_t(2 * context)) break;
            at = run;
        }
        const std::size_t first = k > std::size_t(context) ? k - std::size_t(context) : 0;
        const std::size_t end = std::min(count, lastChange + 1 + std::size_t(context));
        DiffHunk hunk;
        for (std::size_t s = first; s < end; ++s) {
            hunk.lines.push_back(LineOf(steps[s], oldBytes, oldLines, newBytes, newLines));
            if (steps[s].kind != DiffLine::Kind::Added) ++hunk.oldCount;
            if (steps[s].kind != DiffLine::Kind::Removed) ++hunk.newCount;
        }
        hunk.oldStart = steps[first].oldAt + (hunk.oldCount > 0 ? 1 : 0);
        hunk.newStart = steps[first].newAt + (hunk.newCount > 0 ? 1 : 0);
        hunks.push_back(std::move(hunk));
        k = end;
    }
    return hunks;
}
