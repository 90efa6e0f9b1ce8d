#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "test_files.h"

#include <QDir>
#include <QTest>

// The scenarios shipped with the demo installation are in the editor's own format: read and
// written again they come back byte for byte, apart from the one class-less ship header,
// which the editor writes with its class named.
class DemoScenariosTest : public QObject {
    Q_OBJECT
  private slots:
    void stable_data() {
        QTest::addColumn<QString>("file");
        const QDir dir(DemoPath("Scenarios"));
        const QStringList files = dir.entryList({"*.scn"}, QDir::Files);
        QVERIFY(files.size() >= 3);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << dir.filePath(file);
    }
    void stable() {
        QFETCH(QString, file);
        const std::optional<QByteArray> read = ReadFileBytes(file);
        QVERIFY(read);
        const QByteArray bytes = *read;
        const ScenarioReadResult r = ReadScenario(bytes);
        QVERIFY(r.hasDate && r.hasFocusShip && r.hasSystem);
        QCOMPARE(r.document.SystemName, QString("Sol"));
        QVERIFY(r.shipNames.contains(r.document.FocusShip));
        QVERIFY(!r.document.Description.isEmpty());
        QVERIFY(r.document.Description.contains("\r\n"));
        QByteArray expected = bytes;
        expected.replace("\r\nPetrel\r\n", "\r\nPetrel:Petrel\r\n");
        QCOMPARE(ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size())),
                 expected);
    }

    void classlessShipShowsItsOwnRow() {
        const std::optional<QByteArray> bytes = ReadFileBytes(DemoPath("Scenarios/Lunar Shuttle.scn"));
        QVERIFY(bytes);
        const ScenarioReadResult r = ReadScenario(*bytes);
        QCOMPARE(r.shipNames, QStringList({"Aldrin", "Collins", "Petrel", "Ferry", "Vostok"}));
        const ShipRow& petrel = r.document.ShipTable[2];
        QCOMPARE(petrel.ClassName, QString("Petrel"));
        QCOMPARE(petrel.StatusRef, QString("Moon"));
        QCOMPARE(petrel.OtherLines, QString("  NAVFREQ 0 0"));
        QCOMPARE(r.document.ShipTable[3].DockedStation, QString("Gateway"));
    }
};
QTEST_GUILESS_MAIN(DemoScenariosTest)
#include "test_demo_scenarios.moc"
