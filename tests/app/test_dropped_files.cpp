// A file dropped on the main window: only one scenario file of the scenario folder, or of a
// folder below it, is taken, and it opens as "&Open" would, once the drop has returned to the
// program it came from.
#include "opening_checks.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

class DroppedFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyOneScenarioOfTheFolderIsTaken_data() {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("actions"); // what the source allows
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("opened"); // its name within the scenario folder, when taken
        const int copyOrMove = Qt::CopyAction | Qt::MoveAction;
        QTest::newRow("a scenario of the folder")
            << QStringList{"sim/Scenarios/Alpha.scn"} << copyOrMove << true << "Alpha.scn";
        QTest::newRow("extension in capitals")
            << QStringList{"sim/Scenarios/Gamma.SCN"} << copyOrMove << true << "Gamma.SCN";
        QTest::newRow("a link to a source that only links")
            << QStringList{"sim/Scenarios/Alpha.scn"} << int(Qt::LinkAction) << true << "Alpha.scn";
        QTest::newRow("a source that only moves")
            << QStringList{"sim/Scenarios/Alpha.scn"} << int(Qt::MoveAction) << false << QString();
        QTest::newRow("two scenarios") << QStringList{"sim/Scenarios/Alpha.scn", "sim/Scenarios/Beta.scn"}
                                       << copyOrMove << false << QString();
        QTest::newRow("not a scenario")
            << QStringList{"sim/Scenarios/Notes.txt"} << copyOrMove << false << QString();
        QTest::newRow("outside the folder") << QStringList{"Outside.scn"} << copyOrMove << false << QString();
        QTest::newRow("in a folder below")
            << QStringList{"sim/Scenarios/Sub/Alpha.scn"} << copyOrMove << true << "Sub\\Alpha.scn";
        QTest::newRow("link leading outside")
            << QStringList{"sim/Scenarios/Escape.scn"} << copyOrMove << false << QString();
        QTest::newRow("missing file")
            << QStringList{"sim/Scenarios/Missing.scn"} << copyOrMove << false << QString();
        QTest::newRow("folder named like a scenario")
            << QStringList{"sim/Scenarios/Folder.scn"} << copyOrMove << false << QString();
        QTest::newRow("file on another machine")
            << QStringList{"https://example.org/Alpha.scn"} << copyOrMove << false << QString();
        QTest::newRow("no file at all") << QStringList{} << copyOrMove << false << QString();
    }
    void onlyOneScenarioOfTheFolderIsTaken() {
        QFETCH(QStringList, paths);
        QFETCH(int, actions);
        QFETCH(bool, taken);
        QFETCH(QString, opened);
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        WriteDescribedScenario(sim, "Beta.scn");
        WriteDescribedScenario(sim, "Gamma.SCN");
        sim.Write("Outside.scn", ScenarioDescribed("Outside"));
        sim.Write("sim/Scenarios/Sub/Alpha.scn", ScenarioDescribed("Sub\\Alpha"));
        QVERIFY(QDir(sim.ScenarioFolder()).mkdir("Folder.scn"));
        if (!QFile::link(sim.Root() + "/Outside.scn", sim.ScenarioPath("Escape.scn")))
            QSKIP("this file system makes no symbolic links");
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QVERIFY(w->acceptDrops());
        std::unique_ptr<QMimeData> data(DraggedFiles(sim, paths));
        const auto possible = Qt::DropActions(actions);
        // Entering and moving over the window give the same answer; a refusal shows the no-drop
        // pointer.
        QDragEnterEvent enter(Middle(*w), possible, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &enter);
        QCOMPARE(enter.isAccepted(), taken);
        QDragMoveEvent move(Middle(*w) + QPoint(5, 5), possible, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &move);
        QCOMPARE(move.isAccepted(), taken);
        if (taken) {
            // The file is read, never moved away from its source.
            QVERIFY(enter.dropAction() != Qt::MoveAction);
            QVERIFY(move.dropAction() != Qt::MoveAction);
        }
        QDropEvent drop(Middle(*w), possible, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &drop);
        QCOMPARE(drop.isAccepted(), taken);
        QTest::qWait(0);
        QCoreApplication::processEvents();
        if (taken)
            VERIFY_OPENED_AS_LOAD_BUTTON(*w, opened);
        else
            QVERIFY(FindControl<QLabel>(*w, ObjectNames::scnfile)->isHidden());
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }

    // The drop returns at once; the save prompt and the load come after it.
    void droppedFileOpensAfterTheDropReturns_data() {
        QTest::addColumn<bool>("scenarioOpen");
        QTest::addColumn<bool>("save");
        QTest::newRow("nothing open") << false << false;
        QTest::newRow("open scenario, prompt cancelled") << true << false;
        QTest::newRow("open scenario saved under a new name") << true << true;
    }
    void droppedFileOpensAfterTheDropReturns() {
        QFETCH(bool, scenarioOpen);
        QFETCH(bool, save);
        SimulatorFixture sim(AppInstallation());
        WriteDescribedScenario(sim, "Alpha.scn");
        WriteDescribedScenario(sim, "Beta.scn");
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        if (scenarioOpen) LoadScenario(*w, "Beta.scn");
        std::unique_ptr<QMimeData> data(DraggedFiles(sim, {"sim/Scenarios/Alpha.scn"}));
        if (scenarioOpen)
            boxes.Expect("Do you wish to save Beta.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                         MsgIcon::None, save ? MsgResult::Ok : MsgResult::Cancel);
        if (save) dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped("Kept"));
        QVERIFY(Drop(*w, *data));
        // Nothing has happened yet when the drop returns.
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(dialogs.shown, QStringList());
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString(scenarioOpen ? "Beta.scn" : ""));
        QTRY_COMPARE(LabelText(*w, ObjectNames::scnfile), QString("Alpha.scn"));
        VERIFY_SCRIPT_DONE(boxes);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_OPENED_AS_LOAD_BUTTON(*w, "Alpha.scn");
        QCOMPARE(QFile::exists(sim.ScenarioPath("Kept.scn")), save);
    }
};

QTEST_MAIN(DroppedFilesTest)
#include "test_dropped_files.moc"
