#include "core/io/file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

namespace {
QString Separators(const QString& path) {
    QString p = path;
    if (QDir::separator() != u'\\') p.replace(u'\\', u'/');
    return QDir::fromNativeSeparators(p);
}

// Finds, in an existing folder, the entry whose name equals name without regard to case.
QString CaseMatch(const QString& folder, const QString& name) {
    QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    }
    return QString();
}

} // namespace

QString DisplayPath(const QString& path) {
    return QDir::toNativeSeparators(Separators(path));
}

QString PlatformPath(const QString& path) {
    const QString p = Separators(path);
    if (p.isEmpty() || QFileInfo::exists(p)) return p;
    // Walk the components and repair the letter case of those that do not exist as written.
    const bool absolute = p.startsWith(u'/');
    QStringList parts = p.split(u'/');
    QString built;
    int first = 0;
    if (absolute) {
        built = QStringLiteral("/");
        first = 1;
    } else if (parts.size() > 0 && parts[0].size() == 2 && parts[0].at(1) == u':') {
        built = parts[0] + u'/';
        first = 1;
    }
    for (int i = first; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString next;
        if (part.isEmpty() || part == u"." || part == u"..") {
            next = part;
        } else {
            const QString candidate = built + part;
            if (QFileInfo::exists(candidate)) {
                next = part;
            } else {
                const QString match = CaseMatch(built, part);
                if (match.isEmpty())
                    return p; // nothing better to offer: the caller fails on the path as written
                next = match;
            }
        }
        built += next;
        if (i + 1 < parts.size() && !built.endsWith(u'/')) built += u'/';
    }
    return built;
}

bool FileExists(const QString& path) {
    QFileInfo info(PlatformPath(path));
    return info.exists() && info.isFile();
}

namespace {
// A read that fails part way is a file that cannot be read, not a shorter file.
std::optional<QByteArray> ReadOpened(QFile& file) {
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}
} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    // The name as written is tried first: it is the usual case, and costs no folder search.
    // Only a regular file is opened: a named pipe would block the open.
    QFile file(Separators(path));
    if (!QFileInfo(file).isFile()) {
        file.setFileName(PlatformPath(path));
        if (!QFileInfo(file).isFile()) return std::nullopt;
    }
    return ReadOpened(file);
}

std::optional<QByteArray> ReadListedFile(const QString& platformFolder, const QString& name) {
    // The listing holds regular files only, so the open cannot meet a named pipe.
    const bool bare = platformFolder.isEmpty() || platformFolder.endsWith(u'/');
    return ReadListedPath(bare ? platformFolder + name : platformFolder + u'/' + name);
}

std::optional<QByteArray> ReadListedPath(const QString& platformPath) {
    QFile file(platformPath);
    return ReadOpened(file);
}

namespace {
// Qt reports a write that the system cut short (a full disk, a file size limit) as "Unknown
// error", which tells the user nothing; the system's own reason does.
QString WriteFailure(const QFileDevice& file, int systemError) {
    const QString reason = file.errorString();
    if (!reason.isEmpty() && reason != QLatin1String("Unknown error")) return reason;
    if (systemError != 0) return QString::fromLocal8Bit(std::strerror(systemError));
    return QStringLiteral("The file could not be written whole (the disk may be full)");
}
} // namespace

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    const QString target = PlatformPath(path);
    QString failure;
    if (QFileInfo(target).isDir()) {
        failure = QStringLiteral("A folder of that name is in the way");
    } else {
        QSaveFile file(target);
        errno = 0;
        // Unbuffered, so that write() reports what reached the file. Buffered, a file smaller
        // than the device's write buffer reaches it only when commit() flushes, and commit()
        // does not notice that flush failing (a full disk): it would replace the old file with
        // a cut one and report success. The bytes are all in memory, so the buffer saves nothing.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            failure = WriteFailure(file, errno);
        } else if (errno = 0, file.write(bytes) != bytes.size()) {
            failure = WriteFailure(file, errno);
            file.cancelWriting();
        } else if (errno = 0, !file.commit()) {
            failure = WriteFailure(file, errno);
        }
    }
    if (failure.isEmpty()) return true;
    if (error) *error = failure;
    return false;
}

QStringList ListFiles(const QString& folder, const QString& pattern) {
    QDir dir(PlatformPath(folder));
    if (!dir.exists()) return {};
    // A pattern of the form "*.cfg" is a suffix: compared as such, it costs a configuration
    // folder of thousands of files no expression match per name.
    const QStringView suffix = QStringView(pattern).mid(1);
    const bool bySuffix = pattern.startsWith(u'*') && !suffix.contains(u'*') && !suffix.contains(u'?') &&
                          !suffix.contains(u'[');
    const QRegularExpression re(bySuffix ? QString()
                                         : QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    // Each name with its case-folded form, so that the sort folds every name once rather than
    // at every comparison.
    std::vector<std::pair<QString, QString>> found;
    // Regular files only: a named pipe, a socket or a dangling link listed here would be
    // offered to the user as a scenario and could block the first read. Unsorted: the names
    // are sorted below, in the order the lists show.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Unsorted)) {
        const bool matches =
            bySuffix ? name.endsWith(suffix, Qt::CaseInsensitive) : re.match(name).hasMatch();
        if (matches) found.emplace_back(name.toCaseFolded(), name);
    }
    std::sort(found.begin(), found.end());
    QStringList names;
    names.reserve(qsizetype(found.size()));
    for (auto& entry : found)
        names.append(std::move(entry.second));
    return names;
}
