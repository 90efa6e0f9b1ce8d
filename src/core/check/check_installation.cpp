#include "core/check/check_installation.h"

#include "core/installation/settings.h"
#include "core/io/file_access.h"

#include <QDir>
#include <QFileInfo>

InstallationSearch FindCheckInstallation(const QString& simulatorOption, const QString& workingFolder) {
    InstallationSearch search;
    QString folder = simulatorOption;
    if (folder.isEmpty()) {
        const QString setting = QDir(workingFolder).filePath(QStringLiteral("tyx.cfg"));
        const auto bytes = ReadWholeFile(setting);
        if (bytes) folder = SimulatorFolderFromSetting(*bytes);
        if (folder.isEmpty()) {
            search.error =
                QStringLiteral("No simulator installation: name its folder with --simulator, or run the "
                               "check from a folder whose \"tyx.cfg\" names it.");
            return search;
        }
    }
    // The setting may be written with "\" as the simulator writes folders.
    const QString absolute = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(PlatformPath(folder)));
    const QString simulator = absolute.endsWith(u'/') ? absolute : absolute + u'/';
    if (!FileExists(simulator + QStringLiteral("skelvan.cfg"))) {
        search.error = QStringLiteral("The folder \"%1\" holds no \"skelvan.cfg\": it is not a simulator "
                                      "installation.")
                           .arg(QDir::toNativeSeparators(absolute));
        return search;
    }
    const auto named = ReadWholeFile(simulator + QStringLiteral("skelvan.cfg"));
    const InstallationFolders folders =
        FoldersOfInstallation(simulator, ReadSkelvanCfg(named.value_or(QByteArray())));
    if (!QFileInfo(PlatformPath(folders.config)).isDir()) {
        search.error = QStringLiteral("The configuration folder \"%1\" of the installation cannot be read.")
                           .arg(DisplayPath(folders.config));
        return search;
    }
    CheckInstallation installation;
    installation.simulatorFolder = simulator;
    installation.configFolder = folders.config;
    installation.scenarioFolder = folders.scenario;
    installation.catalogs = ReadInstalledCatalogs(folders.config);
    search.installation = std::move(installation);
    return search;
}
