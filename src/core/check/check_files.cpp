#include "core/check/check_files.h"

#include "core/io/file_access.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString Joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') || folder.endsWith(QDir::separator()) ? folder + name
                                                                       : folder + QDir::separator() + name;
}

void AddFolder(const QString& folder, const QString& shown, bool recursive,
               std::vector<ScenarioFileEntry>& files) {
    // Regular files only: a folder whose name ends in ".scn" is no scenario.
    const QString platform = PlatformPath(folder);
    for (const QString& name : ListFiles(folder, QStringLiteral("*.scn")))
        files.push_back({Joined(platform, name), Joined(shown, name), true});
    if (!recursive) return;
    const QStringList subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                          QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders)
        AddFolder(Joined(folder, name), Joined(shown, name), recursive, files);
}
} // namespace

std::vector<ScenarioFileEntry> ScenarioFilesToCheck(const QStringList& paths, const QString& workingFolder,
                                                    bool recursive) {
    std::vector<ScenarioFileEntry> files;
    const QDir working(workingFolder);
    for (const QString& path : paths) {
        const QString opened = working.filePath(path);
        if (QFileInfo(opened).isDir())
            AddFolder(opened, path, recursive, files);
        else
            files.push_back(
                {opened, path}); // a file, or a name that is none: the check says it cannot be read
    }
    return files;
}
