#include "core/io/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <sys/stat.h>
#include <unistd.h>
#define SKELVAN_DESKTOP_TRASH 1
#endif

namespace {
#ifdef SKELVAN_DESKTOP_TRASH
bool Sticky(const QString& path) {
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && (status.st_mode & S_ISVTX) != 0;
}

// The trash Qt takes on a volume other than the home's: the administrator's .Trash/<uid> when
// .Trash is a sticky folder and no link, else .Trash-<uid>. Qt makes the one it takes when it
// is missing, and may fall back on the home trash when it cannot; only one that is there
// already is taken here.
QString VolumeTrash(const QString& volumeRoot) {
    const QDir root(volumeRoot);
    const QString uid = QString::number(::getuid());
    const QString admin = root.filePath(QStringLiteral(".Trash"));
    const QFileInfo adminInfo(admin);
    const QString chosen = adminInfo.isDir() && !adminInfo.isSymLink() && Sticky(admin)
                               ? admin + u'/' + uid
                               : root.filePath(QStringLiteral(".Trash-") + uid);
    return QFileInfo(chosen).isDir() ? chosen : QString();
}
#endif
} // namespace

QString TrashFolder(const QString& platformPath) {
#ifdef SKELVAN_DESKTOP_TRASH
    // The same choice as Qt's move to the trash makes, from the same sources: the volume of
    // the file against the home's, and the data folder as QStandardPaths names it.
    const QStorageInfo volume(QFileInfo(platformPath).absoluteFilePath());
    if (!volume.isValid()) return QString();
    if (volume != QStorageInfo(QDir::home())) return VolumeTrash(volume.rootPath());
    // Without the data folder, Qt would make its trash folders in the working folder; a data
    // folder given as a relative path would put them there too.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome) || !QFileInfo(dataHome).isDir())
        return QString();
    return QDir(dataHome).filePath(QStringLiteral("Trash"));
#else
    Q_UNUSED(platformPath);
    return QString();
#endif
}

RemovalResult SettleTrashedFile(const QString& platformPath, const QString& movedTo,
                                const QString& trashFolder) {
    RemovalResult result;
    const QFileInfo moved(movedTo);
    const QString files = QFileInfo(QDir(trashFolder).filePath(QStringLiteral("files"))).canonicalFilePath();
    if (!files.isEmpty() && moved.exists() && QFileInfo(moved.absolutePath()).canonicalFilePath() == files) {
        result.removed = result.inTrash = true;
        return result;
    }
    // It went somewhere that is not the trash expected: it comes back where it was.
    if (!QFile::rename(movedTo, platformPath)) {
        result.error = QStringLiteral("It was moved to %1 instead of the trash and could not be moved back")
                           .arg(QDir::toNativeSeparators(moved.absoluteFilePath()));
        return result;
    }
    // The note that a trash keeps beside its files/ would otherwise name a file it no longer has.
    const QDir strayFolder = moved.absoluteDir();
    if (strayFolder.dirName() == QLatin1String("files"))
        QFile::remove(QDir(strayFolder.filePath(QStringLiteral("../info")))
                          .filePath(moved.fileName() + QStringLiteral(".trashinfo")));
    result.error = QStringLiteral("The trash put it in %1; it was moved back")
                       .arg(QDir::toNativeSeparators(moved.absolutePath()));
    return result;
}

RemovalResult RemoveToTrash(const QString& platformPath) {
    RemovalResult result;
    QFile file(platformPath);
#ifdef SKELVAN_DESKTOP_TRASH
    const QString trash = TrashFolder(platformPath);
    if (!trash.isEmpty() && file.moveToTrash())
        return SettleTrashedFile(platformPath, file.fileName(), trash);
#else
    if (file.moveToTrash()) {
        result.removed = result.inTrash = true;
        return result;
    }
#endif
    // No trash, or one that would not take the file: the user asked for the file to go.
    if (file.remove()) {
        result.removed = true;
        return result;
    }
    result.error = file.errorString();
    return result;
}
