// The main window's start-up: the setting "tyx.cfg" and the folder search window that finds
// the simulator, the two folders that "skelvan.cfg" names, and the catalogs of the
// configuration folder.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/installation/installed_catalogs.h"
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
    const InstallationFolders found =
        FoldersOfInstallation(folders.simulator, ReadSkelvanCfg(bytes.value_or(QByteArray())));
    folders.config = found.config;
    folders.scenario = found.scenario;
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
    InstalledCatalogReader reader(session_->folders().config);
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
    session_->setPlanetarySystems(std::move(systems));
    session_->setClasses(ShipClasses(catalogs), catalogs.stationClasses);
    session_->setStationClassDocks(AllClassDocks(installed));

    environmentTab_->showPlanetarySystems();
    shipTab_->showClasses();
    stationTab_->showClasses();
    if (!installed.unreadable.isEmpty())
        ShowMessage(this, UnreadableFilesText(installed.unreadable), "Warning", MsgButtons::Ok,
                    MsgIcon::Exclamation);
}
