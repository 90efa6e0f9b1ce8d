#pragma once
// What a save changed in a file, as a reviewer reads a diff: the removed and added lines, "-"
// or "+" before each, in file order.
#include "core/text/line_diff.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

inline QStringList ChangedLines(const QByteArray& before, const QByteArray& after) {
    QStringList lines;
    for (const DiffHunk& hunk : DiffLines(before, after))
        for (const DiffLine& line : hunk.lines)
            if (line.kind != DiffLine::Kind::Same)
                lines << (line.kind == DiffLine::Kind::Removed ? "-" : "+") + QString::fromLatin1(line.text);
    return lines;
}
