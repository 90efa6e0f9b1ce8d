// Keeps the user's own settings out of every test program that carries this file. Before any
// test runs, QStandardPaths goes into its test mode (its folders below ~/.qttest instead of the
// user's), and the settings of this process are written to a folder of their own in there, so
// that test programs running side by side do not clear or fill each other's lists. The folder
// goes when the program ends.
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
QString& IsolatedSettingsFolder() {
    static QString folder;
    return folder;
}

void RemoveIsolatedSettings() {
    if (!IsolatedSettingsFolder().isEmpty()) QDir(IsolatedSettingsFolder()).removeRecursively();
}

void IsolateSettings() {
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/skelvan-tests-%1").arg(QCoreApplication::applicationPid());
    IsolatedSettingsFolder() = folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    qAddPostRoutine(RemoveIsolatedSettings);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(IsolateSettings)
