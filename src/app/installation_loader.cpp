#include "app/installation_loader.h"

#include "core/editing/editor_session.h"
#include "core/installation/base_catalog.h"
#include "core/installation/installed_catalogs.h"
#include "core/installation/planetary_system_data.h"
#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "widgets/common/busy_pointer.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/dialogs/skelvan_folder_search.h"
#include "widgets/dialogs/start_up_progress.h"

#include <QDir>

namespace {
// Reads the first line of the setting; empty when the file is missing or unreadable.
QString ReadSetting(const QString& startFolder) {
    const auto bytes = ReadWholeFile(startFolder + "tyx.cfg");
    return bytes ? SimulatorFolderFromSetting(*bytes) : QString();
}

bool MakeWorkingFolder(const QString& folder) {
    return !folder.isEmpty() && QDir::setCurrent(PlatformPath(folder));
}

QString WithSeparator(const QString& folder) {
    return folder.endsWith(u'\\') || folder.endsWith(u'/') ? folder : folder + QDir::separator();
}

QString UnreadableFilesText(const QStringList& names) {
    const int shown = 10;
    QString text =
        QStringLiteral("These configuration files could not be read and are left out of the catalogs:");
    for (int i = 0; i < names.size() && i < shown; ++i)
        text += u'\r' + names[i];
    if (names.size() > shown) text += QStringLiteral("\r... and %1 more.").arg(names.size() - shown);
    return text;
}
} // namespace

InstallationLoader::InstallationLoader(EditorSession& session, QWidget* window)
    : QObject(window), session_(session), window_(window) {}

bool InstallationLoader::startUp() {
    SessionFolders folders;
    folders.start = QDir::toNativeSeparators(QDir::currentPath());
    if (!folders.start.endsWith(QDir::separator())) folders.start += QDir::separator();
    session_.setFolders(folders);
    if (!locateSimulator()) return false;
    readSkelvanConfiguration();
    rewriteSetting();
    readCatalogs();
    return true;
}

bool InstallationLoader::locateSimulator() {
    SessionFolders folders = session_.folders();
    folders.simulator = QDir::toNativeSeparators(QDir::currentPath());
    const QString setting = ReadSetting(folders.start);
    if (MakeWorkingFolder(setting) && FileExists(WithSeparator(setting) + "skelvan.cfg")) {
        folders.simulator = setting;
        session_.setFolders(folders);
        return true;
    }
    session_.setFolders(folders);
    SkelvanFolderSearch search(folders.start, window_);
    ExecModal(&search);
    const QString chosen = ReadSetting(folders.start);
    if (!search.Validated() || !MakeWorkingFolder(chosen) ||
        !FileExists(WithSeparator(chosen) + "skelvan.cfg")) {
        ShowMessage(window_,
                    "Skelvan Scenario Editor cannot work without the folder where Skelvan is installed. "
                    "The program ends now; start it again to choose the folder.",
                    "Skelvan folder search", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    folders.simulator = chosen;
    session_.setFolders(folders);
    return true;
}

void InstallationLoader::readSkelvanConfiguration() {
    SessionFolders folders = session_.folders();
    const auto bytes = ReadWholeFile(WithSeparator(folders.simulator) + "skelvan.cfg");
    const InstallationFolders found =
        FoldersOfInstallation(folders.simulator, ReadSkelvanCfg(bytes.value_or(QByteArray())));
    folders.config = found.config;
    folders.scenario = found.scenario;
    session_.setFolders(folders);
}

// A setting that already holds the cleaned line is left as it is: the safe write of a file
// (a new file, synced, renamed over the old) costs more than all the rest of the window's making,
// for bytes that would not change.
void InstallationLoader::rewriteSetting() {
    const QString path = session_.folders().start + "tyx.cfg";
    const QByteArray bytes = SettingFileBytes(session_.folders().simulator);
    if (ReadWholeFile(path) == bytes) return;
    QString error;
    if (!WriteWholeFile(path, bytes, &error))
        ShowMessage(window_, "The setting file \"tyx.cfg\" could not be written: " + error, "Warning",
                    MsgButtons::Ok, MsgIcon::Exclamation);
}

void InstallationLoader::searchSimulatorFolder() {
    SessionFolders folders = session_.folders();
    {
        SkelvanFolderSearch search(folders.start, window_);
        ExecModal(&search);
    }
    const QString setting = ReadSetting(folders.start);
    if (!setting.isEmpty()) {
        folders.simulator = setting;
        session_.setFolders(folders);
    }
    MakeWorkingFolder(folders.simulator);
    ShowMessage(window_, "You must restart the program to take into account the modification.", "Information",
                MsgButtons::Ok, MsgIcon::Information);
}

void InstallationLoader::readCatalogs() {
    InstalledCatalogReader reader(session_.folders().config);
    {
        StartUpProgress progress(reader.FileCount());
        while (reader.ReadNext())
            progress.Advance();
    }
    InstalledCatalogs installed = reader.Finish();
    const ClassCatalogs& catalogs = installed.classes;

    std::vector<PlanetarySystemEntry> systems;
    for (qsizetype i = 0; i < catalogs.planetarySystems.size(); ++i)
        systems.push_back(
            PlanetarySystemEntry{catalogs.planetarySystems[i], catalogs.planetarySystemFiles[i]});
    session_.setPlanetarySystems(std::move(systems));
    session_.setClasses(ShipClasses(catalogs), catalogs.stationClasses);
    session_.setStationClassDocks(AllClassDocks(installed));
    emit catalogsRead();
    if (!installed.unreadable.isEmpty())
        ShowMessage(window_, UnreadableFilesText(installed.unreadable), "Warning", MsgButtons::Ok,
                    MsgIcon::Exclamation);
}

void InstallationLoader::readPlanetarySystem(int entry, bool withBases) {
    const BusyPointer busy;
    readBodies(session_.folders().config + session_.planetarySystems()[std::size_t(entry)].file);
    if (withBases) readBases();
}

void InstallationLoader::readBodies(const QString& systemFile) {
    QStringList bodies;
    if (const auto bytes = ReadWholeFile(systemFile))
        bodies = BodyList(*bytes);
    else
        ShowMessage(window_, "The planetary system file \"" + DisplayPath(systemFile) + "\" cannot be read.",
                    "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
    session_.setBodies(bodies);
    emit bodiesRead(bodies);
}

void InstallationLoader::readBases() {
    const QString folder = session_.folders().config;
    session_.setBases(ReadInstalledBases(
        session_.bodies(), [&folder](const QString& fileName) { return ReadWholeFile(folder + fileName); },
        ConfigFoldersOnDisk(folder)));
    emit basesRead();
}
