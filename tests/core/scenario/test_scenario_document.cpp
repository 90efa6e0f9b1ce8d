#include "core/scenario/scenario_document.h"

#include <QTest>

class ScenarioDocumentTest : public QObject {
    Q_OBJECT
  private slots:
    void blankingKeepsNameAndOtherLines() {
        ScenarioDocument d;
        d.ShipTableRedim(0);
        ShipRow& row = d.ShipTable[0];
        row.Name = "A";
        row.OtherLines = "  XPDR 0";
        row.ClassName = "Kestrel";
        row.Status = "Landed";
        row.Base = "Canaveral";
        row.Fuel = "0.5";
        d.ShipTableBlanking(0);
        QCOMPARE(row.Name, QString("A"));
        QCOMPARE(row.OtherLines, QString("  XPDR 0"));
        QCOMPARE(row.Heading, QString("Toto"));
        QCOMPARE(row.Fuel, QString("0"));
        QCOMPARE(row.ClassName, QString());
        QCOMPARE(row.Status, QString());
        QCOMPARE(row.Base, QString());
        for (const QString* zero :
             {&row.RposX, &row.RposY, &row.RposZ, &row.RvelX, &row.RvelY, &row.RvelZ, &row.ArotX, &row.ArotY,
              &row.ArotZ, &row.Vrot, &row.MainEngine, &row.HoverEngine})
            QCOMPARE(*zero, QString("0"));
        for (const QString* empty : {&row.StatusRef, &row.DockedStation, &row.DockedPort, &row.Pad})
            QCOMPARE(*empty, QString());
    }

    void redimPreserveKeepsAndDrops() {
        ScenarioDocument d;
        d.StationTableRedim(3);
        QCOMPARE(d.StationTable.size(), std::size_t(4));
        for (int i = 0; i < 4; ++i)
            d.StationTable[std::size_t(i)].Name = QString::number(i);
        d.StationTableRedimPreserve(1);
        QCOMPARE(d.StationTable.size(), std::size_t(2));
        QCOMPARE(d.StationTable[0].Name, QString("0"));
        QCOMPARE(d.StationTable[1].Name, QString("1"));
        d.StationTableRedimPreserve(3);
        QCOMPARE(d.StationTable[1].Name, QString("1"));
        QCOMPARE(d.StationTable[2].Name, QString());
        QCOMPARE(d.StationTable[3].ClassRotation, false);
    }

    void redimEmptiesEveryRow() {
        ScenarioDocument d;
        d.StationTableRedim(2);
        d.StationTable[0].Name = "X";
        d.StationTable[0].ClassRotation = true;
        d.StationTable[0].EpochDate = 100;
        d.StationTableRedim(0);
        QCOMPARE(d.StationTable.size(), std::size_t(1));
        QCOMPARE(d.StationTable[0].Name, QString());
        QCOMPARE(d.StationTable[0].ClassRotation, false);
        QCOMPARE(d.StationTable[0].EpochDate, 0.0);

        d.ShipTableRedim(3);
        d.ShipTable[1].Heading = "Toto";
        d.ShipTableRedimPreserve(1);
        QCOMPARE(d.ShipTable.size(), std::size_t(2));
        QCOMPARE(d.ShipTable[1].Heading, QString("Toto"));
        d.ShipTableRedim(1);
        QCOMPARE(d.ShipTable[1].Heading, QString());
    }
};
QTEST_GUILESS_MAIN(ScenarioDocumentTest)
#include "test_scenario_document.moc"
