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

FolderListing ListFolder(const QString& folder, const QString& suffix) {
    FolderListing listing;
    const QString root = PlatformPath(folder);
    if (root.isEmpty() || !QFileInfo(root).isDir()) return listing;
    std::vector<std::pair<QString, QString>> files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = it.fileName();
        if (info.isDir())
            listing.folders.append(name);
        else if (info.isFile() && name.endsWith(suffix, Qt::CaseInsensitive))
            files.emplace_back(name.toCaseFolded(), name);
    }
    std::sort(files.begin(), files.end());
    listing.files.reserve(qsizetype(files.size()));
    for (auto& entry : files)
        listing.files.append(std::move(entry.second));
    return listing;
}

QString NameIgnoringCase(const QStringList& names, const QString& name) {
    if (names.contains(name)) return name;
    for (const QString& each : names)
        if (each.compare(name, Qt::CaseInsensitive) == 0) return each;
    return QString();
}

FolderIndex::FolderIndex(const QString& folder) : root_(PlatformPath(folder)) {
    if (root_.isEmpty() || !QFileInfo(root_).isDir()) return;
    QDirIterator it(root_, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        const QString key = name.toCaseFolded();
        // The name as written wins over one in other letter case, as a path as written does.
        if (!folders_.contains(key) || name == folders_.value(key)) folders_.insert(key, name);
    }
}

QString FolderIndex::Find(const QString& relative) const {
    QString path = relative;
    path.replace(u'\\', u'/');
    const qsizetype slash = path.indexOf(u'/');
    const QString first = slash < 0 ? path : path.left(slash);
    const auto found = folders_.constFind(first.toCaseFolded());
    if (first.isEmpty() || found == folders_.constEnd()) return QString();
    // The exact name first, as on a platform that tells letter cases apart.
    const QString name = QFileInfo(QDir(root_).filePath(first)).isDir() ? first : *found;
    const QString rest = slash < 0 ? QString() : path.mid(slash + 1);
    const QString resolved =
        PlatformPath(QDir(root_).filePath(name) + (rest.isEmpty() ? QString() : u'/' + rest));
    return QFileInfo(resolved).isDir() ? resolved : QString();
}
