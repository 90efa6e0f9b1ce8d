#include "core/io/file_in_folder.h"

#include "core/io/file_access.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
Qt::CaseSensitivity PathCase() {
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

bool SamePlace(const QString& a, const QString& b) {
    return !a.isEmpty() && a.compare(b, PathCase()) == 0;
}

bool IsBareName(const QString& path) {
    if (path.contains(u'/')) return false;
#ifdef Q_OS_WIN
    if (path.contains(u'\\') || path.contains(u':')) return false;
#endif
    return true;
}

// A relative text whose every part, between "\" or "/", is a plain name.
bool IsNameWithin(const QString& path) {
    if (path.isEmpty() || QDir::isAbsolutePath(QDir::fromNativeSeparators(path))) return false;
    const QStringList parts = QString(path).replace(u'\\', u'/').split(u'/');
    for (const QString& part : parts) {
        if (part.isEmpty() || part == u"." || part == u"..") return false;
#ifdef Q_OS_WIN
        if (part.contains(u':')) return false;
#endif
    }
    return true;
}

// The path below the real folder, "\" between its names; empty when it is not below it.
QString NameBelow(const QString& realPath, const QString& realFolder) {
    if (realFolder.isEmpty()) return QString();
    const QString prefix = realFolder.endsWith(u'/') ? realFolder : realFolder + u'/';
    if (realPath.size() <= prefix.size() || !realPath.startsWith(prefix, PathCase())) return QString();
    return realPath.mid(prefix.size()).replace(u'/', u'\\');
}

// A file or folder that exists, judged by where it really leads.
FileInFolder Existing(const QString& path, const QString& realFolder) {
    FileInFolder found;
    const QString real = QFileInfo(path).canonicalFilePath();
    found.shownPath = QDir::toNativeSeparators(real);
    found.name = NameBelow(real, realFolder);
    found.inside = !found.name.isEmpty();
    return found;
}

// A file that does not exist, judged by the nearest folder on its way that does; the parts
// after that folder are names the file would be given.
FileInFolder Missing(const QString& path, const QString& realFolder) {
    FileInFolder found;
    const QString cleaned = QDir::cleanPath(path);
    found.shownPath = QDir::toNativeSeparators(cleaned);
    QString existing = QFileInfo(cleaned).path();
    QString rest = QFileInfo(cleaned).fileName();
    while (!QFileInfo(existing).isDir()) {
        const QFileInfo up(existing);
        if (up.path() == existing) return found; // nothing on the way exists
        rest = up.fileName() + u'/' + rest;
        existing = up.path();
    }
    const QString realExisting = QFileInfo(existing).canonicalFilePath();
    const bool atTop = SamePlace(realExisting, realFolder);
    const QString below = atTop ? QString() : NameBelow(realExisting, realFolder);
    if ((!atTop && below.isEmpty()) || !IsNameWithin(rest)) return found;
    found.name = (atTop ? QString() : below + u'\\') + rest.replace(u'/', u'\\');
    found.inside = true;
    return found;
}
} // namespace

FileInFolder LocateInFolder(const QString& path, const QString& folder, const QString& workingFolder) {
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QString fromWorking = QDir(workingFolder).filePath(path);
    if (!IsBareName(path) && QFileInfo::exists(fromWorking)) return Existing(fromWorking, realFolder);
    if (IsBareName(path) || IsNameWithin(path)) {
        // "\" separates folders here on every platform, as in the simulator's own paths.
        const QString within = PlatformPath(QDir(folder).filePath(path));
        return QFileInfo::exists(within) ? Existing(within, realFolder) : Missing(within, realFolder);
    }
    return Missing(fromWorking, realFolder);
}
