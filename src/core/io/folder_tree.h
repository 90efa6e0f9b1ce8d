#pragma once
// The folders below a folder, as the scenario dialogs show them and the check walks them. The
// simulator's installation keeps its scenarios in nested folders below the scenario folder, so
// every folder below it counts, however deep.
#include <QString>
#include <vector>

struct FolderNode {
    QString name; // the folder's own name; for the top, the name of the folder walked
    // Its path below the folder walked, each name followed by "\" ("Glider\",
    // "The Planets\Outer flybys\"), as the simulator writes folders; empty for the top.
    QString path;
    int parent = -1;      // the node of the folder that holds it; -1 for the top
    bool readable = true; // false: what it holds could not be listed
};

// The folder (a path text, "\" or the platform's separator between its names) and every
// folder below it: each before the folders it holds, the folders of one folder sorted by name
// without regard to case. A link that leads back to the folder it is in or to one above that,
// and a folder reached through links that was walked already on the way down, are left out:
// following them would go round the same folders without end. Other links are followed. A
// folder that cannot be read is there, with nothing below it.
std::vector<FolderNode> FolderTree(const QString& folder);
