// The tank table's rules: the cells a row shows, the row a validation stores, and the levels it
// refuses.
#include "core/editing/ship_display.h"
#include "core/editing/ship_validation.h"
#include "core/editing/tank_levels.h"

#include <QTest>

namespace {
// "<tank>=<cell>" for each tank.
QStringList Cells(const std::vector<TankText>& tanks) {
    QStringList cells;
    for (const TankText& tank : tanks)
        cells << tank.tank + u'=' + tank.level;
    return cells;
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

    void stored_data() {
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("edit"); // "<row>=<cell>", or "slider <position>"
        QTest::addColumn<QString>("tankLevels");
        QTest::addColumn<QString>("fuel");
        QTest::newRow("as shown: kept as read") << "0:1   1:.25"
                                                << ""
                                                << "0:1   1:.25"
                                                << "1";
        QTest::newRow("second tank typed") << "0:1   1:.25"
                                           << "1=30 %"
                                           << "0:1 1:0.300000"
                                           << "1";
        QTest::newRow("first tank: the fuel follows") << "0:1 1:.25"
                                                      << "0=40 %"
                                                      << "0:0.400000 1:.25"
                                                      << "0.400000";
        QTest::newRow("the number shown, typed") << "0:1 1:.25"
                                                 << "1=25"
                                                 << "0:1 1:0.250000"
                                                 << "1";
        QTest::newRow("slider: every tank") << "0:1 1:.25 2:0"
                                            << "slider 50"
                                            << "0:0.500000 1:0.500000 2:0.500000"
                                            << "0.500000";
        QTest::newRow("no tanks: the fuel of the label") << ""
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

    // Each level that is none has its message, in the table's order; the last ends the box.
    void validation_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QList<int>>("refused"); // the rows, which are the tanks' numbers
        QTest::newRow("every spelling of a level")
            << QStringList{"100 %", "0", "12.5%", " 5e1 % ", "0 %"} << QList<int>();
        QTest::newRow("beyond full, below empty, no number, two signs, two numbers, nothing")
            << QStringList{"100.5 %", "-1 %", "half", "50 % %", "50 60", ""} << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("among levels right") << QStringList{"full", "50 %", "-5 %"} << QList<int>{0, 2};
    }
    void validation() {
        QFETCH(QStringList, cells);
        QFETCH(QList<int>, refused);
        ShipEditorTexts texts;
        texts.name = "Dunlin";
        for (int i = 0; i < cells.size(); ++i)
            texts.tankLevels.push_back({QString::number(i), cells[i]});
        QStringList failed;
        for (int tank : refused)
            failed << QString("The fuel level of tank %1 is not correct.").arg(tank);
        const ShipValidation validation = ValidateShip(texts, PlanetData(), {});
        QCOMPARE(validation.failed, failed);
        QCOMPARE(validation.Messages, failed.join(u'\r'));
    }
};
QTEST_GUILESS_MAIN(TankLevelsTest)
#include "test_tank_levels.moc"
