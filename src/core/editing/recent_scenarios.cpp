#include "core/editing/recent_scenarios.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <utility>
#include <vector>

namespace {
const char* const kList = "recentScenarios";
const char* const kFolder = "folder";
const char* const kFiles = "files";
const char* const kOrganization = "Skelvan";
const char* const kApplication = "skelvan-scenario-editor";

using FolderFiles = std::pair<QString, QStringList>;

// Every folder's list, the most recently used folder first.
std::vector<FolderFiles> ReadAll() {
    QSettings settings(QSettings::UserScope, kOrganization, kApplication);
    std::vector<FolderFiles> all;
    const int count = settings.beginReadArray(kList);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        all.emplace_back(settings.value(kFolder).toString(), settings.value(kFiles).toStringList());
    }
    settings.endArray();
    return all;
}

void WriteAll(const std::vector<FolderFiles>& all) {
    QSettings settings(QSettings::UserScope, kOrganization, kApplication);
    settings.remove(kList);
    settings.beginWriteArray(kList, int(all.size()));
    for (int i = 0; i < int(all.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(kFolder, all[std::size_t(i)].first);
        settings.setValue(kFiles, all[std::size_t(i)].second);
    }
    settings.endArray();
}

// A folder reached through a link, or written with "." or "..", is still the same folder.
QString FolderKey(const QString& folder) {
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : real;
}
} // namespace

RecentScenarios::RecentScenarios(const QString& scenarioFolder) : folder_(FolderKey(scenarioFolder)) {}

QStringList RecentScenarios::names() const {
    for (const FolderFiles& entry : ReadAll()) {
        if (entry.first == folder_) return entry.second.mid(0, MaxFiles);
    }
    return {};
}

void RecentScenarios::add(const QString& name) {
    if (name.isEmpty()) return;
    std::vector<FolderFiles> all = ReadAll();
    QStringList files;
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it->first != folder_) continue;
        files = it->second;
        all.erase(it);
        break;
    }
    files.removeAll(name);
    files.prepend(name);
    all.insert(all.begin(), FolderFiles(folder_, files.mid(0, MaxFiles)));
    if (all.size() > std::size_t(MaxFolders)) all.resize(std::size_t(MaxFolders));
    WriteAll(all);
}

void RecentScenarios::ForgetAll() {
    QSettings settings(QSettings::UserScope, kOrganization, kApplication);
    settings.remove(kList);
}
