#include "core/installation/settings.h"

#include <QTest>

class SettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void simulatorFolder_data() {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QString>("folder");
        QTest::newRow("path and comment") << QByteArray("D:\\Sim ; my install\r\n") << "D:\\Sim";
        QTest::newRow("later lines ignored") << QByteArray("/opt/sim\r\n/other\r\n") << "/opt/sim";
        QTest::newRow("LF only") << QByteArray("/opt/sim\n") << "/opt/sim";
        QTest::newRow("no line end") << QByteArray("/opt/sim") << "/opt/sim";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("trailing tab removed") << QByteArray("/opt/sim\t\r\n") << "/opt/sim";
    }
    void simulatorFolder() {
        QFETCH(QByteArray, setting);
        QFETCH(QString, folder);
        QCOMPARE(SimulatorFolderFromSetting(setting), folder);
    }

    void settingFileIsOneLine() {
        QCOMPARE(SettingFileBytes("D:\\Sim"), QByteArray("D:\\Sim\r\n"));
        QCOMPARE(SimulatorFolderFromSetting(SettingFileBytes("/opt/Sim")), QString("/opt/Sim"));
    }

    void skelvanCfg_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("configDir");
        QTest::addColumn<QString>("scenarioDir");
        QTest::newRow("standard") << QByteArray(
                                         "; c\r\nConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n")
                                  << "\\Config\\"
                                  << "\\Scenarios\\";
        QTest::newRow("later record wins")
            << QByteArray("ScenarioDir = .\\A\\\r\nScenarioDir = .\\B\\\r\nConfigDir = .\\C\\\r\n") << "\\C\\"
            << "\\B\\";
        QTest::newRow("comma gives two records")
            << QByteArray("ConfigDir = .\\C\\, ScenarioDir = .\\S\\\r\n") << "\\C\\"
            << "\\S\\";
        QTest::newRow("comment after value")
            << QByteArray("ConfigDir = .\\Cfg\\ ; folder\r\nScenarioDir = .\\S\\\r\n") << "\\Cfg\\"
            << "\\S\\";
        QTest::newRow("key case counts")
            << QByteArray("configdir = .\\X\\\r\nScenarioDir = .\\S\\\r\n") << "\\Config\\"
            << "\\S\\";
        QTest::newRow("missing records use the standard folders")
            << QByteArray("MeshDir = .\\Meshes\\\r\n") << "\\Config\\"
            << "\\Scenarios\\";
    }
    void skelvanCfg() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, configDir);
        QFETCH(QString, scenarioDir);
        const SkelvanFolders folders = ReadSkelvanCfg(bytes);
        QCOMPARE(folders.configDir, configDir);
        QCOMPARE(folders.scenarioDir, scenarioDir);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
