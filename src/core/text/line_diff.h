#pragma once
// The lines two versions of a file differ in, as hunks of removed and added lines with a few
// unchanged lines around them. Used to show what a save would change in the file on disk.
//
// Lines end at CR LF, at a lone CR or at a lone LF; a final line end does not start another,
// empty line. A line is its text and its ending together: a line whose only change is its
// ending (CR LF written where the file had LF, or the last line gaining an ending) is changed.
#include <QByteArray>
#include <vector>

enum class LineEnding { None, Lf, CrLf, Cr };

struct DiffLine {
    enum class Kind { Same, Removed, Added };
    Kind kind = Kind::Same;
    int oldNumber = 0; // from 1, in the old bytes; 0 for an added line
    int newNumber = 0; // from 1, in the new bytes; 0 for a removed line
    QByteArray text;   // without its ending
    LineEnding ending = LineEnding::None;

    bool operator==(const DiffLine&) const = default;
};

// Removed and added lines in file order (within a run of changes, the removed ones first),
// with up to `context` unchanged lines before and after. The starts and counts read as in a
// unified diff: a start is the number of the first line of that side in the hunk or, for a
// side without lines, the number of the line after which the other side's lines go (0 at the
// top of the file).
struct DiffHunk {
    int oldStart = 0;
    int oldCount = 0;
    int newStart = 0;
    int newCount = 0;
    std::vector<DiffLine> lines;
};

// The hunks that turn oldBytes into newBytes; none when the two hold the same lines. Changes
// that fewer than 2 * context + 1 unchanged lines separate share one hunk.
std::vector<DiffHunk> DiffLines(const QByteArray& oldBytes, const QByteArray& newBytes, int context = 3);
