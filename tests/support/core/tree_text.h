#pragma once
// Trees written as text for comparisons: one line per node, parents before children,
// two blanks of indentation per level, the node text in brackets and its image number.
#include "core/editing/location_trees.h"

#include <QStringList>
#include <functional>

inline QStringList TreeLines(const TreeNodes& nodes) {
    QStringList lines;
    std::function<void(int, int)> visit = [&](int parent, int depth) {
        for (int k = 0; k < static_cast<int>(nodes.size()); ++k) {
            if (nodes[k].parent != parent) continue;
            lines << QString(depth * 2, u' ') + "[" + nodes[k].text + "] " + QString::number(nodes[k].image);
            visit(k, depth + 1);
        }
    };
    visit(-1, 0);
    return lines;
}
