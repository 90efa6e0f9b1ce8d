#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "core/text/text_rules.h"
#include "scenario_columns.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray Write(const ScenarioReadResult& r) {
    return ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
}

// The values a file carries for a row: what the writer writes for its status, numbers
// compared as numbers where the writer converts them.
QStringList Written(const StationRow& r) {
    QStringList v{Trim(r.Name),
                  Trim(r.ClassName),
                  Trim(r.Ref),
                  QString::number(r.EpochDate),
                  r.EpochHour,
                  r.EpochMinute,
                  Trim(r.SemiMajorAxis),
                  Trim(r.Excentricity),
                  Trim(r.Inclination),
                  Trim(r.AscendingNodeLongitude),
                  Trim(r.PeriapsisLongitude),
                  Trim(r.MeanLongitude)};
    if (r.ClassRotation)
        v << "AROT" << Trim(r.ArotX) << Trim(r.ArotY) << Trim(r.ArotZ);
    else
        v << "ZROT" << Trim(r.ZrotFrequency);
    return v;
}

QStringList Written(const ShipRow& r) {
    QStringList v{Trim(r.Name), Trim(r.ClassName), Trim(r.Status), r.OtherLines};
    const QString status = UCase(Trim(r.Status));
    if (status == "LANDED")
        v << Trim(r.StatusRef) << Trim(r.Base) << Trim(r.Pad) << Trim(r.Heading) << Trim(r.Fuel);
    if (status == "ORBITING")
        v << Trim(r.StatusRef) << Trim(r.Fuel) << Trim(r.RposX) << Trim(r.RposY) << Trim(r.RposZ)
          << Trim(r.RvelX) << Trim(r.RvelY) << Trim(r.RvelZ) << Trim(r.ArotX) << Trim(r.ArotY)
          << Trim(r.ArotZ) << QString::number(LeadingNumber(r.Vrot))
          << QString::number(LeadingNumber(r.MainEngine)) << QString::number(LeadingNumber(r.HoverEngine));
    if (status == "DOCKED")
        v << Trim(r.StatusRef) << Trim(r.DockedStation) << Trim(r.DockedPort) << Trim(r.Fuel);
    return v;
}

void CompareDocuments(const ScenarioReadResult& a, const ScenarioReadResult& b) {
    QCOMPARE(b.document.Description, a.document.Description);
    QCOMPARE(b.document.SystemName, Trim(a.document.SystemName));
    QCOMPARE(b.document.FocusShip, Trim(a.document.FocusShip));
    QCOMPARE(b.document.StartDate, a.document.StartDate);
    QCOMPARE(b.document.StartHour, a.document.StartHour);
    QCOMPARE(b.document.StartMinute, a.document.StartMinute);
    QCOMPARE(b.stationNames.size(), a.stationNames.size());
    for (qsizetype k = 0; k < a.stationNames.size(); ++k)
        QCOMPARE(Written(b.document.StationTable[std::size_t(k)]),
                 Written(a.document.StationTable[std::size_t(k)]));
    QCOMPARE(b.shipNames.size(), a.shipNames.size());
    for (qsizetype k = 0; k < a.shipNames.size(); ++k)
        QCOMPARE(Written(b.document.ShipTable[std::size_t(k)]),
                 Written(a.document.ShipTable[std::size_t(k)]));
}

// One ship or station in an otherwise fixed document, for the line-level cases.
ScenarioDocument OneOfEach(const StationRow& station, const ShipRow& ship) {
    ScenarioDocument d;
    d.StationTable = {station, StationRow{}};
    d.ShipTable = {ship, ShipRow{}};
    return d;
}

QByteArrayList LinesOf(const QByteArray& bytes) {
    return bytes.split('\n');
}
} // namespace

class ScenarioWriterTest : public QObject {
    Q_OBJECT
  private slots:
    // Read a file, write it: exactly the expected bytes; read what was written: the same
    // document; write again: the same bytes.
    void files_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stations and all statuses") << "basic.scn"
                                                   << "basic.expected.scn";
        QTest::newRow("class-less, indented and commented ships") << "classless.scn"
                                                                  << "classless.expected.scn";
        QTest::newRow("written file is stable") << "basic.expected.scn"
                                                << "basic.expected.scn";
        QTest::newRow("8-bit code page byte for byte") << "codepage.scn"
                                                       << "codepage.scn";
    }
    void files() {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const ScenarioReadResult first = ReadScenario(DataFile(input));
        const QByteArray written = Write(first);
        QCOMPARE(written, DataFile(expected));
        const ScenarioReadResult second = ReadScenario(written);
        CompareDocuments(first, second);
        QCOMPARE(Write(second), written);
    }

    void lines_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("absent");
        QTest::newRow("vrot zero") << "Vrot"
                                   << "0" << QByteArray("  VROT  0\r") << QByteArray();
        QTest::newRow("vrot half") << "Vrot"
                                   << "0.5" << QByteArray("  VROT  .5\r") << QByteArray();
        QTest::newRow("vrot negative") << "Vrot"
                                       << "-0.25" << QByteArray("  VROT -.25\r") << QByteArray();
        QTest::newRow("vrot not a number") << "Vrot"
                                           << "abc" << QByteArray("  VROT  0\r") << QByteArray();
        QTest::newRow("main engine tiny")
            << "MainEngine"
            << "0.00001" << QByteArray("  ENGINE_MAIN  1E-05\r") << QByteArray();
        QTest::newRow("hover engine")
            << "HoverEngine"
            << " 1 " << QByteArray("  ENGINE_HOVR  1\r") << QByteArray("  HOVER_MAIN");
        QTest::newRow("status letter case kept")
            << "Status"
            << "ORBITING" << QByteArray("  STATUS ORBITING Earth\r") << QByteArray("  BASE");
        QTest::newRow("landed") << "Status"
                                << "LANDED" << QByteArray("  STATUS LANDED Earth\r") << QByteArray("  RPOS");
        QTest::newRow("docked") << "Status"
                                << "Docked" << QByteArray("  STATUS Docked Earth:Beacon:1\r")
                                << QByteArray("  HEADING");
        QTest::newRow("unknown status: no status, no fuel")
            << "Status"
            << "Drifting" << QByteArray("Gull:Heron\r") << QByteArray("  FUEL");
        QTest::newRow("empty status: header, lines, END")
            << "Status"
            << "" << QByteArray("  XPDR 0\r") << QByteArray("  STATUS");
        QTest::newRow("trimmed ref") << "Ref"
                                     << " Earth " << QByteArray("  REF Earth\r") << QByteArray();
        QTest::newRow("class rotation")
            << "ClassRotation"
            << "True" << QByteArray("  AROT 0 0 0\r") << QByteArray("  ZROT_FREQUENCY");
        QTest::newRow("own rotation")
            << "ClassRotation"
            << "False" << QByteArray("  ZROT_FREQUENCY 0.0016\r") << QByteArray("  AROT 0 0 0");
        QTest::newRow("epoch 13 March 2001 12:00") << "EpochMinute"
                                                   << "0" << QByteArray("  EL_MJD 51981.5\r") << QByteArray();
    }
    void lines() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, absent);
        StationRow station;
        station.Name = "Beacon";
        station.ClassName = "Lantern";
        station.Ref = "Earth";
        station.ArotX = station.ArotY = station.ArotZ = "0";
        station.ZrotFrequency = "0.0016";
        station.ClassRotation = true;
        station.EpochDate = 36963; // 13 March 2001
        station.EpochHour = "12";
        station.EpochMinute = "0";
        ShipRow ship;
        ship.Name = "Gull";
        ship.ClassName = "Heron";
        ship.Status = "Orbiting";
        ship.StatusRef = "Earth";
        ship.Base = "Canaveral";
        ship.Pad = "1";
        ship.DockedStation = "Beacon";
        ship.DockedPort = "1";
        ship.Heading = "0";
        ship.Fuel = "1";
        ship.RposX = ship.RposY = ship.RposZ = "1";
        ship.OtherLines = "  XPDR 0";
        if (column == "ClassRotation")
            station.ClassRotation = value == "True";
        else if (column == "Ref")
            station.Ref = value;
        else if (column == "EpochMinute")
            station.EpochMinute = value;
        else if (column == "Vrot")
            ship.Vrot = value;
        else if (column == "MainEngine")
            ship.MainEngine = value;
        else if (column == "HoverEngine")
            ship.HoverEngine = value;
        else if (column == "Status")
            ship.Status = value;
        const QByteArray bytes = ScenarioFileBytes(OneOfEach(station, ship), 1, 1);
        const QByteArrayList lines = LinesOf(bytes);
        QVERIFY2(lines.contains(line), bytes.constData());
        if (!absent.isEmpty()) QVERIFY2(!bytes.contains("\n" + absent), bytes.constData());
        QVERIFY(bytes.endsWith("END_SHIPS\r\n"));
        QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    }

    void emptyStatusWritesHeaderLinesEnd() {
        ShipRow ship;
        ship.Name = "Gull";
        ship.ClassName = "Heron";
        ship.Fuel = "1";
        ship.OtherLines = "  XPDR 0\r\n  NAVFREQ 0 0";
        const QByteArray bytes = ScenarioFileBytes(OneOfEach(StationRow{}, ship), 0, 1);
        QVERIFY(bytes.endsWith(
            "\r\n\r\nBEGIN_SHIPS\r\nGull:Heron\r\n  XPDR 0\r\n  NAVFREQ 0 0\r\nEND\r\nEND_SHIPS\r\n"));
    }

    void noStationsNoShips() {
        ScenarioDocument d;
        d.StationTableRedim(0);
        d.ShipTableRedim(0);
        const QByteArray bytes = ScenarioFileBytes(d, 0, 0);
        QVERIFY(!bytes.contains("STATIONS"));
        QVERIFY(!bytes.contains("SHIPS"));
        QVERIFY(bytes.startsWith("BEGIN_DESC\r\n\r\nEND_DESC\r\n\r\n"));
        QVERIFY(bytes.endsWith("  Type Launch\r\nEND_MFD\r\n\r\n\r\n"));
        // Counts larger than the tables write only the rows there are.
        QCOMPARE(ScenarioFileBytes(d, 5, 5).count("\r\nEND\r\n"), 2);
    }

    void description_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("empty") << "" << QByteArray("BEGIN_DESC\r\n\r\nEND_DESC\r\n");
        QTest::newRow("CR LF lines") << "a, b\r\n ; c"
                                     << QByteArray("BEGIN_DESC\r\na, b\r\n ; c\r\nEND_DESC\r\n");
        QTest::newRow("LF from the text box") << "a\nb" << QByteArray("BEGIN_DESC\r\na\r\nb\r\nEND_DESC\r\n");
        QTest::newRow("final line break is a final empty line")
            << "a\r\n"
            << QByteArray("BEGIN_DESC\r\na\r\n\r\nEND_DESC\r\n");
    }
    void description() {
        QFETCH(QString, description);
        QFETCH(QByteArray, block);
        ScenarioDocument d;
        d.Description = description;
        const QByteArray bytes = ScenarioFileBytes(d, 0, 0);
        QVERIFY2(bytes.startsWith(block), bytes.constData());
        QString expected = description;
        expected.replace("\r\n", "\n").replace("\n", "\r\n");
        QCOMPARE(ScenarioDescription(bytes), expected);
    }

    // Files made by dropping, doubling or swapping lines of good ones: once written, reading and
    // writing again changes nothing.
    void savingIsStable() {
        const QByteArrayList lines =
            DataFile("classless.scn").split('\n') + DataFile("basic.scn").split('\n');
        quint32 seed = 99;
        const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes;
            for (const QByteArray& line : lines) {
                const quint32 pick = next() % 6;
                if (pick == 0) continue;
                if (pick == 2 && !bytes.isEmpty()) {
                    // the line goes before the one written last
                    const qsizetype cut = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
                    bytes.insert(cut, line + '\n');
                    continue;
                }
                bytes += line + '\n';
                if (pick == 1) bytes += line + '\n';
            }
            const QByteArray once = Write(ReadScenario(bytes));
            const QByteArray twice = Write(ReadScenario(once));
            if (once != twice) {
                qWarning().noquote() << "input:\n" << bytes << "\nonce:\n" << once << "\ntwice:\n" << twice;
                QFAIL("not stable");
            }
        }
    }

    void saveReplacesOnlyWhenComplete() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const ScenarioReadResult r = ReadScenario(DataFile("basic.scn"));
        const QString path = dir.filePath("Saved.scn");
        QString error;
        const QByteArray bytes = ScenarioFileBytes(r.document, 2, 3);
        QVERIFY(WriteWholeFile(path, bytes, &error));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), DataFile("basic.expected.scn"));
        saved.close();

        // A missing folder and a folder in the way fail with a reason, and change nothing.
        QVERIFY(!WriteWholeFile(dir.filePath("missing/Saved.scn"), bytes, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QDir(dir.path()).mkdir("Folder.scn"));
        error.clear();
        QVERIFY(!WriteWholeFile(dir.filePath("Folder.scn"), bytes, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("Folder.scn")).isDir());
    }

    void failedSaveKeepsOldFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("Old.scn");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents\r\n");
        old.close();
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(dir.path()).isWritable() || QFile(dir.filePath("probe")).open(QIODevice::WriteOnly)) {
            QFile::setPermissions(dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
        QString error;
        const bool saved = WriteWholeFile(
            path, ScenarioFileBytes(ReadScenario(DataFile("basic.scn")).document, 2, 3), &error);
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old contents\r\n"));
    }
};
QTEST_GUILESS_MAIN(ScenarioWriterTest)
#include "test_scenario_writer.moc"
