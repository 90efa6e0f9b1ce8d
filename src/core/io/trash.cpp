#include "core/io/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <unistd.h>
#define SKELVAN_DESKTOP_TRASH 1
#endif

namespace {
#ifdef SKELVAN_DESKTOP_TRASH
// The user's data folder, as the desktop's base directory rules name it.
QString DataHome() {
    const QString set = qEnvironmentVariable("XDG_DATA_HOME");
    if (!set.isEmpty() && QDir::isAbsolutePath(set)) return QDir::cleanPath(set);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.local/share"));
}
#endif
} // namespace

QStringList TrashFolders(const QString& platformPath) {
    QStringList folders;
#ifdef SKELVAN_DESKTOP_TRASH
    const QString dataHome = DataHome();
    const QString fileVolume = QStorageInfo(QFileInfo(platformPath).absolutePath()).rootPath();
    // The home trash serves the files of the volume it is on; only an existing data folder may
    // hold it, so that no folder appears where the user keeps none.
    if (QFileInfo(dataHome).isDir() && QStorageInfo(dataHome).rootPath() == fileVolume)
        folders.append(dataHome + QStringLiteral("/Trash/files"));
    const QString uid = QString::number(getuid());
    for (const QString& volumeTrash :
         {fileVolume + QStringLiteral("/.Trash-") + uid, fileVolume + QStringLiteral("/.Trash/") + uid}) {
        if (QFileInfo(volumeTrash).isDir())
            folders.append(QDir::cleanPath(volumeTrash + QStringLiteral("/files")));
    }
#else
    Q_UNUSED(platformPath);
#endif
    return folders;
}

RemovalResult RemoveToTrash(const QString& platformPath) {
    RemovalResult result;
    QFile file(platformPath);
#ifdef SKELVAN_DESKTOP_TRASH
    const QStringList trashes = TrashFolders(platformPath);
    if (!trashes.isEmpty() && file.moveToTrash()) {
        const QString movedTo = QFileInfo(file.fileName()).absolutePath();
        for (const QString& trash : trashes) {
            if (QFileInfo(movedTo).canonicalFilePath() == QFileInfo(trash).canonicalFilePath()) {
                result.removed = result.inTrash = true;
                return result;
            }
        }
        // It went somewhere that is no trash of the user's: it comes back where it was.
        const QString strayPath = file.fileName();
        if (!QFile::rename(strayPath, platformPath)) {
            result.error =
                QStringLiteral("It was moved to %1 instead of the trash and could not be moved back")
                    .arg(QDir::toNativeSeparators(strayPath));
            return result;
        }
        result.error = QStringLiteral("The trash put it in %1; it was moved back")
                           .arg(QDir::toNativeSeparators(QFileInfo(strayPath).absolutePath()));
        return result;
    }
#else
    if (file.moveToTrash()) {
        result.removed = result.inTrash = true;
        return result;
    }
#endif
    if (file.remove()) {
        result.removed = true;
        return result;
    }
    result.error = file.errorString();
    return result;
}
