// The part of the main window's start-up that finds the simulator: the setting "tyx.cfg",
// the folder search window, and the two folders that "skelvan.cfg" names.
#include "app/tyx.h"
#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/dialogs/skelvan_folder_search.h"

#include <QDir>
#include <QLabel>

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
} // namespace

void TYX::SkelvanFolderLocation() {
    SimulatorFolder = QDir::toNativeSeparators(QDir::currentPath());
    const QString setting = ReadSetting(StartFolder);
    bool found = MakeWorkingFolder(setting) && FileExists(WithSeparator(setting) + "skelvan.cfg");
    if (found) {
        SimulatorFolder = setting;
        return;
    }
    SkelvanFolderSearch search(StartFolder, this);
    ExecModal(&search);
    const QString chosen = ReadSetting(StartFolder);
    found =
        search.Validated() && MakeWorkingFolder(chosen) && FileExists(WithSeparator(chosen) + "skelvan.cfg");
    if (!found) {
        ShowMessage(this,
                    "Skelvan Scenario Editor cannot work without the folder where Skelvan is installed. "
                    "The program ends now; start it again to choose the folder.",
                    "Skelvan folder search", MsgButtons::Ok, MsgIcon::Exclamation);
        startedUp_ = false;
        return;
    }
    SimulatorFolder = chosen;
}

void TYX::ReadSkelvanConfiguration() {
    const auto bytes = ReadWholeFile(WithSeparator(SimulatorFolder) + "skelvan.cfg");
    const SkelvanFolders folders = ReadSkelvanCfg(bytes.value_or(QByteArray()));
    // The values start with the separator ("\Config\"), except for a drive root, which ends in one.
    QString base = SimulatorFolder;
    if ((base.endsWith(u'\\') || base.endsWith(u'/')) && folders.configDir.startsWith(u'\\')) base.chop(1);
    CfgDir->setText(base + folders.configDir);
    ScnDir->setText(base + folders.scenarioDir);
}

void TYX::RewriteSetting() {
    QString error;
    if (!WriteWholeFile(StartFolder + "tyx.cfg", SettingFileBytes(SimulatorFolder), &error))
        ShowMessage(this, "The setting file \"tyx.cfg\" could not be written: " + error, "Warning",
                    MsgButtons::Ok, MsgIcon::Exclamation);
}

void TYX::Menu32Click() {
    {
        SkelvanFolderSearch search(StartFolder, this);
        ExecModal(&search);
    }
    const QString setting = ReadSetting(StartFolder);
    if (!setting.isEmpty()) SimulatorFolder = setting;
    MakeWorkingFolder(SimulatorFolder);
    ShowMessage(this, "You must restart the program to take into account the modification.", "Information",
                MsgButtons::Ok, MsgIcon::Information);
}
