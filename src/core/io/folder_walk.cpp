#include "core/io/folder_walk.h"

#include "core/io/file_access.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

std::vector<FileBelow> ListFilesBelow(const QString& folder, const QString& suffix) {
    const QString root = PlatformPath(folder);
    if (root.isEmpty() || !QFileInfo(root).isDir()) return {};
    const QString base = QDir(root).absolutePath();
    // Each path with its case-folded form, so that the sort folds every path once.
    std::vector<std::pair<QString, FileBelow>> found;
    QDirIterator it(base, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(suffix, Qt::CaseInsensitive)) continue;
        const QFileInfo info = it.fileInfo();
        // Regular files only: a named pipe would block the first read.
        if (!info.isFile()) continue;
        QString relative = path.mid(base.size() + (base.endsWith(u'/') ? 0 : 1));
        relative.replace(u'/', u'\\');
        found.emplace_back(relative.toCaseFolded(), FileBelow{relative, path});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.relative < b.second.relative;
    });
    std::vector<FileBelow> files;
    files.reserve(found.size());
    for (auto& entry : found)
        files.push_back(std::move(entry.second));
    return files;
}
