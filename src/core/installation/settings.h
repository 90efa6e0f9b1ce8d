#pragma once
// The editor's one setting, the simulator folder in "tyx.cfg", and the two folders that
// the simulator's "skelvan.cfg" names.
#include <QByteArray>
#include <QString>

// The simulator folder of a "tyx.cfg": its first line without comment and line-end debris.
QString SimulatorFolderFromSetting(const QByteArray& setting);
// "tyx.cfg" as written: the one line, ended by CR LF.
QByteArray SettingFileBytes(const QString& simulatorFolder);

struct SkelvanFolders {
    QString configDir;   // the value of the last "ConfigDir" record
    QString scenarioDir; // the value of the last "ScenarioDir" record
    bool hasConfigDir = false;
    bool hasScenarioDir = false;
};
// Reads the ConfigDir and ScenarioDir records of "skelvan.cfg". A missing record falls back to
// the simulator's own default folder ("\Config\" or "\Scenarios\").
SkelvanFolders ReadSkelvanCfg(const QByteArray& bytes);

// The configuration and scenario folders: the simulator folder text followed by the values of
// "skelvan.cfg", which start with the separator ("\Config\") except after a drive root,
// which ends in one.
struct InstallationFolders {
    QString config;
    QString scenario;
};
InstallationFolders FoldersOfInstallation(const QString& simulatorFolder, const SkelvanFolders& named);

inline const QString kDefaultConfigDir = QStringLiteral("\\Config\\");
inline const QString kDefaultScenarioDir = QStringLiteral("\\Scenarios\\");
