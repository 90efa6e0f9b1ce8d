// The tank table's rules: the cells a row shows, the percentages a cell may hold, the row a
// validation stores, the messages of levels that are none, and the save of a read ship whose
// tanks changed, compared line by line with a save made right after reading.
#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_validation.h"
#include "core/editing/tank_levels.h"
#include "core/scenario/scenario_reader.h"
#include "scenario_columns.h"

#include <QTest>
#include <functional>

namespace {
// "<tank>=<cell>" for each tank.
QStringList Cells(const std::vector<TankText>& tanks) {
    QStringList cells;
    for (const TankText& tank : tanks)
        cells << tank.tank + u'=' + tank.level;
    return cells;
}

// The lines of two saves that differ, "<before> => <after>"; the saves have as many lines.
QStringList ChangedLines(const QByteArray& before, const QByteArray& after) {
    const QList<QByteArray> a = before.split('\n');
    const QList<QByteArray> b = after.split('\n');
    if (a.size() != b.size()) return {"line counts differ"};
    QStringList changed;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) changed << QString::fromLatin1(a[i].trimmed() + " => " + b[i].trimmed());
    return changed;
}

QByteArray ShipFile(const char* tankLine) {
    return Crlf({"BEGIN_ENVIRONMENT", "  System Corvid", "  Date MJD 61000.25", "END_ENVIRONMENT", "",
                 "BEGIN_FOCUS", "  Ship Dunlin", "END_FOCUS", "", "BEGIN_SHIPS", "Dunlin:Kite",
                 "  STATUS Orbiting Skerry", "  RPOS 1837400 0 0", "  RVEL 0 0 1632.9", "  AROT 0 0 0",
                 tankLine, "  XPDR 1204", "END", "END_SHIPS"});
}
} // namespace

class TankLevelsTest : public QObject {
    Q_OBJECT
  private slots:
    void shown_data() {
        QTest::addColumn<QString>("tankLevels");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("two tanks") << "0:1.000000 1:0.25" << QStringList{"0=100 %", "1=25 %"};
        QTest::newRow("tank numbers as read") << "2:0.5  7:0" << QStringList{"2=50 %", "7=0 %"};
        QTest::newRow("digits kept") << "0:0.123456" << QStringList{"0=12.3456 %"};
        QTest::newRow("exponent form") << "0:1e-1" << QStringList{"0=10 %"};
        QTest::newRow("beyond full, shown to be refused") << "0:1.5" << QStringList{"0=150 %"};
        QTest::newRow("no number, shown as read") << "0:full 1:" << QStringList{"0=full", "1="};
        QTest::newRow("no tanks") << "" << QStringList();
    }
    void shown() {
        QFETCH(QString, tankLevels);
        QFETCH(QStringList, cells);
        QCOMPARE(Cells(ShownTanks(tankLevels)), cells);
    }

    void percent_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<double>("percent"); // -1: refused
        QTest::newRow("as shown") << "50 %" << 50.0;
        QTest::newRow("number alone") << "50" << 50.0;
        QTest::newRow("sign against the number") << "50%" << 50.0;
        QTest::newRow("blanks around, exponent form") << " 5e1 % " << 50.0;
        QTest::newRow("full") << "100 %" << 100.0;
        QTest::newRow("empty tank") << "0 %" << 0.0;
        QTest::newRow("a fraction of a percent") << "12.5 %" << 12.5;
        QTest::newRow("beyond full") << "100.5 %" << -1.0;
        QTest::newRow("below empty") << "-1 %" << -1.0;
        QTest::newRow("letters") << "half" << -1.0;
        QTest::newRow("nothing") << "" << -1.0;
        QTest::newRow("two signs") << "50 % %" << -1.0;
        QTest::newRow("two numbers") << "50 60" << -1.0;
    }
    void percent() {
        QFETCH(QString, cell);
        QFETCH(double, percent);
        const std::optional<double> read = TankPercent(cell);
        QCOMPARE(read.value_or(-1.0), percent);
    }

    void stored_data() {
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("edit"); // "<row>=<cell>", or "slider <position>"
        QTest::addColumn<QString>("tankLevels");
        QTest::addColumn<QString>("fuel");
        QTest::newRow("validated as shown: kept as read, blanks and all") << "0:1   1:.25"
                                                                          << ""
                                                                          << "0:1   1:.25"
                                                                          << "1";
        QTest::newRow("second tank typed") << "0:1   1:.25"
                                           << "1=30 %"
                                           << "0:1 1:0.300000"
                                           << "1";
        QTest::newRow("first tank typed: the fuel follows") << "0:1 1:.25"
                                                            << "0=40 %"
                                                            << "0:0.400000 1:.25"
                                                            << "0.400000";
        QTest::newRow("typed as the number shown: the writer keeps the pair") << "0:1 1:.25"
                                                                              << "1=25"
                                                                              << "0:1 1:0.250000"
                                                                              << "1";
        QTest::newRow("slider moved: every tank") << "0:1 1:.25 2:0"
                                                  << "slider 50"
                                                  << "0:0.500000 1:0.500000 2:0.500000"
                                                  << "0.500000";
        QTest::newRow("no tanks: the fuel from its label") << ""
                                                           << "slider 50"
                                                           << ""
                                                           << " .5";
    }
    void stored() {
        QFETCH(QString, read);
        QFETCH(QString, edit);
        QFETCH(QString, tankLevels);
        QFETCH(QString, fuel);
        ShipRow row;
        row.Status = "Orbiting";
        row.TankLevels = read;
        row.Fuel = FirstTankLevelOf(read);
        ShipEditorTexts texts = ShipDisplayTexts(row, ShipPlacement::ByStatus, nullptr);
        if (edit.startsWith("slider"))
            MoveFuelSlider(texts, edit.section(u' ', 1).toInt());
        else if (!edit.isEmpty())
            texts.tankLevels[edit.section(u'=', 0, 0).toUInt()].level = edit.section(u'=', 1);
        const ShipRow stored = StoredShipRow(row, texts);
        QCOMPARE(stored.TankLevels, tankLevels);
        QCOMPARE(stored.Fuel, fuel);
    }

    void validation_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("failed");
        QTest::addColumn<QString>("box");
        const QString tank = "The fuel level of tank %1 is not correct.";
        QTest::newRow("every level right") << QStringList{"100 %", "0", "12.5%"} << QStringList() << "";
        QTest::newRow("beyond full") << QStringList{"100 %", "150 %"} << QStringList{tank.arg(1)}
                                     << tank.arg(1);
        QTest::newRow("two wrong, the last ends the box")
            << QStringList{"full", "50 %", "-5 %"} << QStringList{tank.arg(0), tank.arg(2)}
            << tank.arg(0) + '\r' + tank.arg(2);
    }
    void validation() {
        QFETCH(QStringList, cells);
        QFETCH(QStringList, failed);
        QFETCH(QString, box);
        ShipEditorTexts texts;
        texts.name = "Dunlin";
        for (int i = 0; i < cells.size(); ++i)
            texts.tankLevels.push_back({QString::number(i), cells[i]});
        const ShipValidation validation = ValidateShip(texts, PlanetData(), {});
        QCOMPARE(validation.failed, failed);
        QCOMPARE(validation.Messages, box);
    }

    // A read ship validated with its tanks edited: the save differs from the one made right
    // after reading only in the PRPLEVEL line, and there only in the pairs changed.
    void saved_data() {
        QTest::addColumn<QByteArray>("tankLine");
        QTest::addColumn<QString>("edit"); // "<row>=<cell>", or "slider <position>"
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("one tank changed")
            << QByteArray("  PRPLEVEL 0:1.000000 1:0.250000 2:0.500000") << "1=30 %"
            << QStringList{"PRPLEVEL 0:1.000000 1:0.250000 2:0.500000 => PRPLEVEL 0:1.000000 1:0.300000 "
                           "2:0.500000"};
        QTest::newRow("slider moved, a tank already at its level kept")
            << QByteArray("  PRPLEVEL 0:1 1:0.5 2:.25") << "slider 50"
            << QStringList{"PRPLEVEL 0:1 1:0.5 2:.25 => PRPLEVEL 0:0.500000 1:0.5 2:0.500000"};
        QTest::newRow("unchanged number in another spelling")
            << QByteArray("  PRPLEVEL 0:1 1:.25") << "1=25" << QStringList();
        QTest::newRow("odd spacing and a comment kept")
            << QByteArray("  PRPLEVEL   0:1    1:.25   ; reserve last") << "0=80 %"
            << QStringList{"PRPLEVEL   0:1    1:.25   ; reserve last => PRPLEVEL   0:0.800000    1:.25   ; "
                           "reserve last"};
        QTest::newRow("typed back as it was shown")
            << QByteArray("  PRPLEVEL 0:1 1:.25") << "1=25 %" << QStringList();
    }
    void saved() {
        QFETCH(QByteArray, tankLine);
        QFETCH(QString, edit);
        QFETCH(QStringList, changed);
        ScenarioReadResult read = ReadScenario(ShipFile(tankLine.constData()));
        const QByteArray before = SavedScenarioBytes(read.document, 0, 1);
        QVERIFY(before.contains(tankLine + "\r\n  XPDR 1204\r\n"));
        ShipRow& row = read.document.ShipTable[0];
        ShipEditorTexts texts = ShipDisplayTexts(read.document, row);
        if (edit.startsWith("slider"))
            MoveFuelSlider(texts, edit.section(u' ', 1).toInt());
        else
            texts.tankLevels[edit.section(u'=', 0, 0).toUInt()].level = edit.section(u'=', 1);
        PlanetData skerry;
        skerry.readable = true;
        skerry.MeanRadius = 1000;
        QVERIFY(ValidateShip(texts, skerry, {}).Valid());
        row = StoredShipRow(row, texts);
        QCOMPARE(ChangedLines(before, SavedScenarioBytes(read.document, 0, 1)), changed);
    }
};
QTEST_GUILESS_MAIN(TankLevelsTest)
#include "test_tank_levels.moc"
