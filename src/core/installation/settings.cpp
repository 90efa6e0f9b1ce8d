#include "core/installation/settings.h"

#include "core/text/codepage.h"
#include "core/text/record_lookup.h"
#include "core/text/text_rules.h"

QString SimulatorFolderFromSetting(const QByteArray& setting) {
    const QStringList lines = SplitLines(DecodeText(setting));
    return lines.isEmpty() ? QString() : ClearComments(lines.first());
}

QByteArray SettingFileBytes(const QString& simulatorFolder) {
    return EncodeText(simulatorFolder + "\r\n");
}

SkelvanFolders ReadSkelvanCfg(const QByteArray& bytes) {
    SkelvanFolders folders;
    for (const QString& raw : ReadConfigRecord(bytes)) {
        const QString record = ClearComments(raw);
        if (record.left(9) == u"ConfigDir") {
            folders.configDir = record.mid(13);
            folders.hasConfigDir = true;
        }
        if (record.left(11) == u"ScenarioDir") {
            folders.scenarioDir = record.mid(15);
            folders.hasScenarioDir = true;
        }
    }
    // Without a record the simulator uses its standard folders; appending nothing would give
    // paths that run the folder name and the file name together.
    if (!folders.hasConfigDir) folders.configDir = kDefaultConfigDir;
    if (!folders.hasScenarioDir) folders.scenarioDir = kDefaultScenarioDir;
    return folders;
}

InstallationFolders FoldersOfInstallation(const QString& simulatorFolder, const SkelvanFolders& named) {
    QString base = simulatorFolder;
    if ((base.endsWith(u'\\') || base.endsWith(u'/')) && named.configDir.startsWith(u'\\')) base.chop(1);
    return InstallationFolders{base + named.configDir, base + named.scenarioDir};
}
