// Every input that once crashed, hung or broke a property of a fuzz target is a row here:
// tests/data/fuzz-regressions/<target>/<file>. A crash fails the whole run, a hang the
// test's time limit, a broken property its row.
#include "properties.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
using Check = QString (*)(const QByteArray&);

void AddRows(const char* target) {
    const QDir dir(TestDataPath("fuzz-regressions/") + QLatin1String(target));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QTest::newRow(qPrintable(name)) << file.readAll();
    }
}

void Verify(Check check) {
    if (!QTest::currentDataTag()) QSKIP("this target never broke yet");
    QFETCH(QByteArray, input);
    const QString why = check(input);
    QVERIFY2(why.isEmpty(), qPrintable(why));
}
} // namespace

class FuzzRegressionsTest : public QObject {
    Q_OBJECT
  private slots:
    void textRules_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("text_rules");
    }
    void textRules() { Verify(CheckTextRules); }

    void recordLookup_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("record_lookup");
    }
    void recordLookup() { Verify(CheckRecordLookup); }

    void scenario_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("scenario");
    }
    void scenario() { Verify(CheckScenarioRoundTrip); }

    void planetarySystem_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("planetary_system");
    }
    void planetarySystem() { Verify(CheckPlanetarySystem); }

    void planetData_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("planet_data");
    }
    void planetData() { Verify(CheckPlanetData); }

    void baseCatalog_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("base_catalog");
    }
    void baseCatalog() { Verify(CheckBaseCatalog); }

    void dockCount_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("dock_count");
    }
    void dockCount() { Verify(CheckDockCount); }

    void catalogScan_data() {
        QTest::addColumn<QByteArray>("input");
        AddRows("catalog_scan");
    }
    void catalogScan() { Verify(CheckCatalogScan); }
};
QTEST_GUILESS_MAIN(FuzzRegressionsTest)
#include "test_fuzz_regressions.moc"
