#include "core/io/folder_tree.h"

#include "core/io/file_access.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {
bool SamePath(const QString& a, const QString& b) {
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

struct Walk {
    std::vector<FolderNode> nodes;
    // The real paths of the folders walked from the top down to the one being read. A folder
    // reached through a link can hold one of them again, plain or by a link.
    QStringList walked;
};

QString Below(const QString& folder, const QString& name) {
    return (folder.endsWith(u'/') ? folder : folder + u'/') + name;
}

// The folder is the path's own or one that holds it; both are real paths.
bool Holds(const QString& folder, const QString& path) {
    if (SamePath(folder, path)) return true;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
#ifdef Q_OS_WIN
    return path.startsWith(prefix, Qt::CaseInsensitive);
#else
    return path.startsWith(prefix);
#endif
}

// A folder that leads back up: one walked already on the way down, or, for a link, one that
// holds the folder the link is in.
bool LeadsBackUp(const Walk& walk, const QString& real, bool link) {
    if (std::any_of(walk.walked.begin(), walk.walked.end(),
                    [&real](const QString& folder) { return SamePath(folder, real); }))
        return true;
    return link && Holds(real, walk.walked.last());
}

// Adds the folders that the node's folder holds, and theirs, below the node.
void AddBelow(Walk& walk, int node, const QString& platformPath) {
    QDir dir(platformPath);
    // Each folder with its case-folded name, so that the sort folds every name once.
    std::vector<std::pair<QString, QFileInfo>> found;
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted))
        found.emplace_back(info.fileName().toCaseFolded(), info);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.fileName() < b.second.fileName();
    });
    for (const auto& entry : found) {
        const QFileInfo& info = entry.second;
        const QString name = info.fileName();
        // Only a link needs its real path looked up; a plain folder's is its folder's and its
        // name, which spares a system call for each.
        const bool link = info.isSymLink() || info.isJunction();
        const QString real = link ? info.canonicalFilePath() : Below(walk.walked.last(), name);
        if (real.isEmpty() || LeadsBackUp(walk, real, link)) continue;
        FolderNode child;
        child.name = name;
        child.path = walk.nodes[std::size_t(node)].path + name + u'\\';
        child.parent = node;
        child.readable = info.isReadable();
        walk.nodes.push_back(child);
        if (!child.readable) continue;
        const int index = int(walk.nodes.size()) - 1;
        walk.walked.append(real);
        AddBelow(walk, index, info.filePath());
        walk.walked.removeLast();
    }
}
} // namespace

std::vector<FolderNode> FolderTree(const QString& folder) {
    const QString platform = QDir::cleanPath(PlatformPath(folder));
    const QFileInfo top(platform);
    Walk walk;
    FolderNode root;
    root.name = top.fileName().isEmpty() ? QDir::toNativeSeparators(platform) : top.fileName();
    root.readable = top.isDir() && top.isReadable();
    walk.nodes.push_back(root);
    if (!root.readable) return walk.nodes;
    walk.walked.append(top.canonicalFilePath());
    AddBelow(walk, 0, platform);
    return walk.nodes;
}
