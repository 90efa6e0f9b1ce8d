#include "core/check/check_files.h"

#include "core/io/file_access.h"
#include "core/io/folder_tree.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString Joined(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') || folder.endsWith(QDir::separator()) ? folder + name
                                                                       : folder + QDir::separator() + name;
}

void AddFiles(const QString& folder, const QString& shown, std::vector<ScenarioFileEntry>& files) {
    // Regular files only: a folder whose name ends in ".scn" is no scenario.
    const QString platform = PlatformPath(folder);
    for (const QString& name : ListFiles(folder, QStringLiteral("*.scn")))
        files.push_back({Joined(platform, name), Joined(shown, name), true});
}

void AddFolder(const QString& folder, const QString& shown, bool recursive,
               std::vector<ScenarioFileEntry>& files) {
    if (!recursive) {
        // A folder that cannot be read is named as such: its files were not checked.
        if (QFileInfo(folder).isReadable())
            AddFiles(folder, shown, files);
        else
            files.push_back({folder, shown});
        return;
    }
    // The same folders the scenario dialogs show, links back up left out; each folder's files
    // before the folders it holds.
    const std::vector<FolderNode> tree = FolderTree(folder);
    QStringList opened; // for each node, the path to open and the path shown
    QStringList named;
    for (const FolderNode& node : tree) {
        const bool top = node.parent < 0;
        opened.append(top ? folder : Joined(opened[node.parent], node.name));
        named.append(top ? shown : Joined(named[node.parent], node.name));
        if (node.readable)
            AddFiles(opened.last(), named.last(), files);
        else
            files.push_back({opened.last(), named.last()});
    }
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
