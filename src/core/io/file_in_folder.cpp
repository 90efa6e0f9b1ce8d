#include "core/io/file_in_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool SameFolder(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

bool IsBareName(const QString& path) {
    if (path.contains(u'/')) return false;
#ifdef Q_OS_WIN
    if (path.contains(u'\\') || path.contains(u':')) return false;
#endif
    return true;
}
} // namespace

FileInFolder LocateInFolder(const QString& path, const QString& folder, const QString& workingFolder) {
    FileInFolder found;
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QString absolute =
        IsBareName(path) ? QDir(folder).filePath(path) : QDir(workingFolder).filePath(path);
    const QFileInfo file(absolute);
    if (file.exists()) {
        // Symbolic links and ".." lead where the system takes them, not where the text seems to.
        const QFileInfo real(file.canonicalFilePath());
        found.shownPath = QDir::toNativeSeparators(real.filePath());
        found.name = real.fileName();
        found.inside = SameFolder(real.path(), realFolder);
    } else {
        found.shownPath = QDir::toNativeSeparators(QDir::cleanPath(absolute));
        found.name = file.fileName();
        const bool plainName = !found.name.isEmpty() && found.name != "." && found.name != "..";
        found.inside = plainName && SameFolder(QFileInfo(file.path()).canonicalFilePath(), realFolder);
    }
    if (!found.inside) found.name.clear();
    return found;
}
