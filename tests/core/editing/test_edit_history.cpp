#include "core/editing/edit_history.h"

#include <QTest>

namespace {
// A state told apart by its description; "=" keeps the current one (a step that changed nothing).
EditorSnapshot State(const QString& description, int ships = 1) {
    EditorSnapshot state;
    state.document.Description = description;
    state.shipCount = ships;
    state.document.ShipTableRedim(ships);
    return state;
}
} // namespace

class EditHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    // A run of operations from a history reset to "A": "x" records the step x leading to the
    // state described "x", "=" records a step that changes nothing, "u" undoes, "r" redoes,
    // "s" marks the state saved.
    void walk_data() {
        QTest::addColumn<QString>("run");
        QTest::addColumn<int>("steps");
        // The description of the state the last undo or redo gave, the step undo and the step redo
        // would take, separated by "/".
        QTest::addColumn<QString>("shownUndoRedo");
        QTest::addColumn<bool>("modified");
        QTest::newRow("loaded") << "" << 0 << "//" << false;
        QTest::newRow("a step that changes nothing is none") << "=" << 0 << "//" << false;
        QTest::newRow("one step") << "b" << 1 << "/b/" << true;
        QTest::newRow("undone back to the loaded state") << "b u" << 1 << "A//b" << false;
        QTest::newRow("redone") << "b u r" << 1 << "b/b/" << true;
        QTest::newRow("walk back through three") << "b c d u u" << 3 << "b/b/c" << true;
        QTest::newRow("a new step drops the undone ones") << "b c d u u e" << 2 << "b/e/" << true;
        QTest::newRow("saved after a step") << "b c s" << 2 << "/c/" << false;
        QTest::newRow("undo past the save") << "b c s u" << 2 << "b/b/c" << true;
        QTest::newRow("redo back to the saved state") << "b c s u r" << 2 << "c/c/" << false;
        QTest::newRow("undo with nothing to undo does nothing") << "u u" << 0 << "//" << false;
        QTest::newRow("redo at the end does nothing") << "b r r" << 1 << "/b/" << true;
        QTest::newRow("same state as the last step is no step") << "b b" << 1 << "/b/" << true;
    }
    void walk() {
        QFETCH(QString, run);
        QFETCH(int, steps);
        QFETCH(QString, shownUndoRedo);
        const QString shown = shownUndoRedo.section(u'/', 0, 0);
        const QString undo = shownUndoRedo.section(u'/', 1, 1);
        const QString redo = shownUndoRedo.section(u'/', 2, 2);
        QFETCH(bool, modified);
        EditHistory history;
        history.reset(State("A"));
        QString last;
        for (const QString& op : run.split(' ', Qt::SkipEmptyParts)) {
            if (op == "u") {
                if (history.canUndo()) last = history.undo().document.Description;
            } else if (op == "r") {
                if (history.canRedo()) last = history.redo().document.Description;
            } else if (op == "s") {
                history.markSaved(history.current());
            } else if (op == "=") {
                QVERIFY(!history.record("nothing", history.current()));
            } else {
                history.record(op, State(op));
            }
        }
        QCOMPARE(last, shown);
        QCOMPARE(history.undoStep(), undo);
        QCOMPARE(history.redoStep(), redo);
        QCOMPARE(history.canUndo(), !undo.isEmpty());
        QCOMPARE(history.canRedo(), !redo.isEmpty());
        QCOMPARE(history.stepCount(), std::size_t(steps));
        QCOMPARE(history.modified(history.current()), modified);
    }

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
        const EditorSnapshot before = State("A", 2);
        EditorSnapshot after = before;
        if (change == "row") after.currentShip = 1;
        if (change == "entry") after.shipNames = QStringList{"New Ship"};
        if (change == "count") after.shipCount = 1;
        if (change == "value") after.document.ShipTable[0].Fuel = "0.5";
        if (change == "spare") after.document.ShipTable[2].Name = "left over";
        if (change == "minute") after.document.StartMinute = 7;
        QCOMPARE(after.sameScenario(before), same);
        EditHistory history;
        history.reset(before);
        QCOMPARE(history.record("step", after), !same);
    }

    // An undo shows the rows the user looked at when the step was done, and hands back the
    // document exactly as it was before it.
    void undoShowsTheRowsOfTheStep() {
        EditHistory history;
        EditorSnapshot loaded = State("A", 3);
        history.reset(loaded);
        history.noteShownRows(1, 2);
        EditorSnapshot after = history.current();
        after.document.ShipTable[2].Fuel = "0.25";
        QVERIFY(history.record("validation of ship S3", after));
        const EditorSnapshot& back = history.undo();
        QCOMPARE(back.currentShip, 2);
        QCOMPARE(back.currentStation, 1);
        QVERIFY(back.document == loaded.document);
        QCOMPARE(history.redo().document.ShipTable[2].Fuel, QStringLiteral("0.25"));
    }
};

QTEST_GUILESS_MAIN(EditHistoryTest)
#include "test_edit_history.moc"
