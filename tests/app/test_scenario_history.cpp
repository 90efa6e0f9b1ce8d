// The history of the user's steps on the undo stack, without a window: steps done, undone and
// redone, the typing of a burst as one step, the state last saved.
#include "app/scenario_history.h"

#include <QTest>

namespace {
// A state told apart by its description.
EditorSnapshot State(const QString& description, int ships = 1) {
    EditorSnapshot state;
    state.document.Description = description;
    state.shipCount = ships;
    state.document.ShipTableRedim(ships);
    return state;
}
} // namespace

class ScenarioHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    // A run of operations from a history reset to "A": "x" records the step x leading to the
    // state described "x", "+x" the typing that leads to it, "|" ends the burst of typing, "="
    // records a step that changes nothing, "u" undoes, "r" redoes, "s" marks the state saved.
    void walk_data() {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("shown"); // the description of the state the last undo/redo gave
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QString>("redo");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("modified");
        const auto row = [](const char* name, const char* run, const char* shown, const char* undo,
                            const char* redo, int steps, bool modified) {
            QTest::newRow(name) << run << shown << undo << redo << steps << modified;
        };
        row("loaded", "", "", "", "", 0, false);
        row("a step that changes nothing is none", "=", "", "", "", 0, false);
        row("one step", "b", "", "b", "", 1, true);
        row("undone back to the loaded state", "b u", "A", "", "b", 1, false);
        row("redone", "b u r", "b", "b", "", 1, true);
        row("walk back through three", "b c d u u", "b", "b", "c", 3, true);
        row("a new step drops the undone ones", "b c d u u e", "b", "e", "", 2, true);
        row("saved after a step", "b c s", "", "c", "", 2, false);
        row("undo past the save", "b c s u", "b", "b", "c", 2, true);
        row("redo back to the saved state", "b c s u r", "c", "c", "", 2, false);
        row("undo with nothing to undo does nothing", "u u", "", "", "", 0, false);
        row("redo at the end does nothing", "b r r", "", "b", "", 1, true);
        row("same state as the last step is no step", "b b", "", "b", "", 1, true);
        row("the typing of a burst is one step", "+b +bc", "", "typing", "", 1, true);
        row("typed back to the text loaded is no step", "+b +A", "", "", "", 0, false);
        row("undoing a burst gives back the state before it", "+b +bc u", "A", "", "typing", 1, false);
        row("a burst ends at focus out", "+b | +bc", "", "typing", "", 2, true);
        row("a step ends the burst", "+b c +cd", "", "typing", "", 3, true);
        row("an undo ends the burst", "+b u r +bc", "b", "typing", "", 2, true);
        row("a save ends the burst", "+b s +bc u", "b", "typing", "typing", 2, false);
    }
    void walk() {
        QFETCH(QString, run);
        QFETCH(QString, shown);
        QFETCH(QString, undo);
        QFETCH(QString, redo);
        QFETCH(int, steps);
        QFETCH(bool, modified);
        ScenarioHistory history;
        history.reset(State("A"));
        QUndoStack& stack = history.stack();
        QString last;
        connect(&history, &ScenarioHistory::restored, this,
                [&last](const EditorSnapshot& state) { last = state.document.Description; });
        for (const QString& op : run.split(' ', Qt::SkipEmptyParts)) {
            if (op == "u")
                stack.undo();
            else if (op == "r")
                stack.redo();
            else if (op == "s")
                history.markSaved(history.current());
            else if (op == "|")
                history.endTyping();
            else if (op == "=")
                QVERIFY(!history.record("nothing", history.current()));
            else if (op.startsWith(u'+'))
                history.recordTyping("typing", State(op.mid(1)));
            else
                history.record(op, State(op));
        }
        QCOMPARE(last, shown);
        QCOMPARE(stack.undoText(), undo);
        QCOMPARE(stack.redoText(), redo);
        QCOMPARE(QList<bool>({stack.canUndo(), stack.canRedo()}),
                 QList<bool>({!undo.isEmpty(), !redo.isEmpty()}));
        QCOMPARE(stack.count(), steps);
        QCOMPARE(history.modified(history.current()), modified);
    }

    // An undo shows the rows the user looked at when the step was done, hands back the document
    // exactly as it was before it, and says which step it took back.
    void undoShowsTheRowsOfTheStep() {
        ScenarioHistory history;
        EditorSnapshot loaded = State("A", 3);
        history.reset(loaded);
        history.noteShownRows(1, 2);
        EditorSnapshot after = history.current();
        after.document.ShipTable[2].Fuel = "0.25";
        QVERIFY(history.record("validation of ship S3", after));
        EditorSnapshot back;
        QString status;
        connect(&history, &ScenarioHistory::restored, this,
                [&](const EditorSnapshot& state, const QString& said) {
                    back = state;
                    status = said;
                });
        history.stack().undo();
        QCOMPARE(status, QStringLiteral("Undid validation of ship S3"));
        QCOMPARE(back.currentShip, 2);
        QCOMPARE(back.currentStation, 1);
        QVERIFY(back.document == loaded.document);
        history.stack().redo();
        QCOMPARE(status, QStringLiteral("Redid validation of ship S3"));
        QCOMPARE(back.document.ShipTable[2].Fuel, QStringLiteral("0.25"));
    }
};

QTEST_GUILESS_MAIN(ScenarioHistoryTest)
#include "test_scenario_history.moc"
