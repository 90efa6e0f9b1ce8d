#include "core/editing/edit_history.h"

#include <QTest>

class EditorSnapshotTest : public QObject {
    Q_OBJECT
  private slots:
    // What makes two states the same scenario: the document and the listed rows, not the rows
    // shown nor the list entries.
    void sameScenario_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("same");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("row shown") << "row" << true;
        QTest::newRow("list entry") << "entry" << true;
        QTest::newRow("ship count") << "count" << false;
        QTest::newRow("a ship's value") << "value" << false;
        QTest::newRow("a spare row's value") << "spare" << false;
        QTest::newRow("start minute") << "minute" << false;
    }
    void sameScenario() {
        QFETCH(QString, change);
        QFETCH(bool, same);
        EditorSnapshot before;
        before.shipCount = 2;
        before.document.ShipTableRedim(2);
        EditorSnapshot after = before;
        if (change == "row") after.currentShip = 1;
        if (change == "entry") after.shipNames = QStringList{"New Ship"};
        if (change == "count") after.shipCount = 1;
        if (change == "value") after.document.ShipTable[0].Fuel = "0.5";
        if (change == "spare") after.document.ShipTable[2].Name = "left over";
        if (change == "minute") after.document.StartMinute = 7;
        QCOMPARE(after.sameScenario(before), same);
        QCOMPARE(before.sameScenario(after), same);
    }
};

QTEST_GUILESS_MAIN(EditorSnapshotTest)
#include "test_edit_history.moc"
