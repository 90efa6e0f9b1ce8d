// The main window's start-up: the setting "tyx.cfg" and the folder search window that finds
// the simulator, the two folders that "skelvan.cfg" names, and the catalogs of the
// configuration folder.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/installation/class_catalogs.h"
#include "core/installation/dock_catalog.h"
#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/dialogs/skelvan_folder_search.h"
#include "widgets/dialogs/start_up_progress.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QDir>
#include <algorithm>

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

bool TYX::locateSimulator() {
    SessionFolders folders = session_->folders();
    folders.simulator = QDir::toNativeSeparators(QDir::currentPath());
    const QString setting = ReadSetting(folders.start);
    if (MakeWorkingFolder(setting) && FileExists(WithSeparator(setting) + "skelvan.cfg")) {
        folders.simulator = setting;
        session_->setFolders(folders);
        return true;
    }
    session_->setFolders(folders);
    SkelvanFolderSearch search(folders.start, this);
    ExecModal(&search);
    const QString chosen = ReadSetting(folders.start);
    if (!search.Validated() || !MakeWorkingFolder(chosen) ||
        !FileExists(WithSeparator(chosen) + "skelvan.cfg")) {
        ShowMessage(this,
                    "Skelvan Scenario Editor cannot work without the folder where Skelvan is installed. "
                    "The program ends now; start it again to choose the folder.",
                    "Skelvan folder search", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    folders.simulator = chosen;
    session_->setFolders(folders);
    return true;
}

void TYX::readSkelvanConfiguration() {
    SessionFolders folders = session_->folders();
    const auto bytes = ReadWholeFile(WithSeparator(folders.simulator) + "skelvan.cfg");
    const SkelvanFolders named = ReadSkelvanCfg(bytes.value_or(QByteArray()));
    // The values start with the separator ("\Config\"), except for a drive root, which ends in one.
    QString base = folders.simulator;
    if ((base.endsWith(u'\\') || base.endsWith(u'/')) && named.configDir.startsWith(u'\\')) base.chop(1);
    folders.config = base + named.configDir;
    folders.scenario = base + named.scenarioDir;
    session_->setFolders(folders);
}

void TYX::rewriteSetting() {
    QString error;
    if (!WriteWholeFile(session_->folders().start + "tyx.cfg",
                        SettingFileBytes(session_->folders().simulator), &error))
        ShowMessage(this, "The setting file \"tyx.cfg\" could not be written: " + error, "Warning",
                    MsgButtons::Ok, MsgIcon::Exclamation);
}

void TYX::searchSimulatorFolder() {
    SessionFolders folders = session_->folders();
    {
        SkelvanFolderSearch search(folders.start, this);
        ExecModal(&search);
    }
    const QString setting = ReadSetting(folders.start);
    if (!setting.isEmpty()) {
        folders.simulator = setting;
        session_->setFolders(folders);
    }
    MakeWorkingFolder(folders.simulator);
    ShowMessage(this, "You must restart the program to take into account the modification.", "Information",
                MsgButtons::Ok, MsgIcon::Information);
}

void TYX::readCatalogs() {
    const QString folder = session_->folders().config;
    const QStringList files = ListFiles(folder, QStringLiteral("*.cfg"));
    const QString platformFolder = PlatformPath(folder);
    QStringList unreadable;
    CatalogBuilder builder;
    // Each file is read once for the three catalogs; the station class files are kept only
    // until their dock ports are counted.
    QHash<QString, QByteArray> stationClassFiles;
    {
        StartUpProgress progress(files.size());
        for (const QString& name : files) {
            const auto bytes = ReadListedFile(platformFolder, name);
            if (bytes) {
                builder.Add(name, *bytes);
                if (builder.LastWasStationClass()) stationClassFiles.insert(name, *bytes);
            } else {
                unreadable.append(name);
            }
            progress.Advance();
        }
    }
    const ClassCatalogs catalogs = builder.Take();

    std::vector<PlanetarySystemEntry> systems;
    for (qsizetype i = 0; i < catalogs.planetarySystems.size(); ++i)
        systems.push_back(
            PlanetarySystemEntry{catalogs.planetarySystems[i], catalogs.planetarySystemFiles[i]});
    session_->setPlanetarySystems(std::move(systems));
    session_->setClasses(catalogs.spacecraftClasses, catalogs.stationClasses);

    // One dock entry per station class file, named by the file less ".cfg"; a file that cannot
    // be read counts as one without a dock list.
    std::vector<StationClassDock> docks;
    for (const QString& file : catalogs.stationClassFiles) {
        const auto kept = stationClassFiles.constFind(file);
        const auto bytes =
            kept != stationClassFiles.constEnd() ? std::optional(*kept) : ReadWholeFile(folder + file);
        docks.push_back(StationClassDock{file.left(std::max<qsizetype>(file.size() - 4, 0)),
                                         bytes ? DockListCount(*bytes) : -1});
    }
    session_->setStationClassDocks(std::move(docks));

    environmentTab_->showPlanetarySystems();
    shipTab_->showClasses();
    stationTab_->showClasses();
    if (!unreadable.isEmpty())
        ShowMessage(this, UnreadableFilesText(unreadable), "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
}
