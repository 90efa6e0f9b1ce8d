// Undo and redo as the user meets them: an editing run of every kind of step walked back to the
// loaded file and forward again, the text boxes keeping their own undo, the "Not validated"
// labels, and the status bar.
#include "support/simulator_fixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTime>

namespace {
const QByteArray kSystemB = "Name = SystemB\r\nStar1 = SunB\r\nPlanet1 = PlanetA\r\n";

QString UndoText(const TYX& w) {
    return FindControl<QAction>(w, ObjectNames::EditUndo)->text();
}
QString RedoText(const TYX& w) {
    return FindControl<QAction>(w, ObjectNames::EditRedo)->text();
}
QString Status(const TYX& w) {
    return FindControl<QStatusBar>(w, ObjectNames::StatusBar)->currentMessage();
}
bool Shown(const TYX& w, const char* label) {
    return !FindControl<QLabel>(w, label)->isHidden();
}
// The status bar shows the scenario's whole path: the test installation's scenario folder.
bool ShowsFile(const TYX& w, const SimulatorFixture& sim, const QString& name) {
    const QString shown = LabelText(w, ObjectNames::StatusFile);
    return QFileInfo(shown).isAbsolute() &&
           QFileInfo(shown).canonicalFilePath() == QFileInfo(sim.ScenarioPath(name)).canonicalFilePath();
}
} // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT
  private slots:
    // Twelve steps of every kind, undone one by one (by the menu and by the platform's key) back
    // to the file as loaded, then redone to the end.
    void walkBackAndForth() {
        SimulatorFixture sim(AppInstallation());
        sim.Write("sim/Config/SystemB.cfg", kSystemB);
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        LoadScenario(*w, "Mission.scn");
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::EditUndo)->isEnabled());
        QCOMPARE(UndoText(*w), QString("&Undo"));
        ChooseMenuItem(*w, ObjectNames::Menu13);
        const QByteArray loaded = sim.ScenarioBytes("Mission.scn");

        QStringList steps;
        std::vector<ScenarioDocument> states{DocumentOf(*w)};
        const auto stepDone = [&](const QString& step) {
            steps.append(step);
            states.push_back(DocumentOf(*w));
            QCOMPARE(UndoText(*w), "&Undo " + step);
        };
        Paste(FindControl<QPlainTextEdit>(*w, ObjectNames::Description), "Another flight\n  with two lines");
        // The typing is a step at once; its keystrokes go on joining it until the calendar takes
        // the focus, before the date's step.
        QCOMPARE(UndoText(*w), QString("&Undo editing of the description"));
        steps.append("editing of the description");
        states.push_back(DocumentOf(*w));
        {
            // Dart orbits by position and velocity: kept at each pick, as the file has it.
            DialogScript dates;
            ExpectKeepShipsOnDateChange(dates, 3);
            PickDate(FindControl<QCalendarWidget>(*w, ObjectNames::Calendar), QDate(2001, 3, 14));
            stepDone("change of the start date");
            Pick(FindControl<QComboBox>(*w, ObjectNames::Hour), 13);
            stepDone("change of the start hour");
            Pick(FindControl<QComboBox>(*w, ObjectNames::Minute), 30);
            stepDone("change of the start minute");
            VERIFY_SCRIPT_DONE(dates);
        }
        QVERIFY(PickText(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus), "Dart:ShipClassA"));
        ClickNamed(*w, ObjectNames::Command7);
        stepDone("change of the user-controlled ship");

        Type(FindControl<QLineEdit>(*w, ObjectNames::StationSemiMajorAxis), "6900000");
        ClickNamed(*w, ObjectNames::Command1);
        stepDone("validation of station Orbiter");
        QCOMPARE(Status(*w), QString("Validated station Orbiter"));
        ClickNamed(*w, ObjectNames::Command3);
        stepDone("addition of a station");
        boxes.Expect("Are you sure you want to delete the station ?", "Deleting confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        ClickNamed(*w, ObjectNames::Command2);
        stepDone("deletion of station New Station");

        Type(FindControl<QLineEdit>(*w, ObjectNames::ShipLandedHeading), "90");
        ClickNamed(*w, ObjectNames::Command4);
        stepDone("validation of ship Horizon");
        QCOMPARE(Status(*w), QString("Validated ship Horizon"));
        ClickNamed(*w, ObjectNames::Command5);
        stepDone("addition of a ship");
        boxes.Expect("Are you sure you want to delete the ship ?", "Deleting confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        ClickNamed(*w, ObjectNames::Command6);
        stepDone("deletion of ship New Ship");

        boxes.Expect("As soon as you select a planetary system, all the stations and ships are reset !",
                     "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        ClickNamed(*w, ObjectNames::Check2);
        QVERIFY(PickText(FindControl<QComboBox>(*w, ObjectNames::PlanetarySystem), "SystemB"));
        stepDone("change of the planetary system");
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(steps.size(), 12);
        QVERIFY(Shown(*w, ObjectNames::StatusModified));
        const ScenarioDocument edited = DocumentOf(*w);

        // Back to the start; no message box on the way (the script fails on any).
        for (qsizetype i = steps.size(); i > 0; --i) {
            if (i % 2)
                QVERIFY(ChooseMenuItem(*w, ObjectNames::EditUndo));
            else
                QTest::keySequence(w.get(), QKeySequence(QKeySequence::Undo));
            QCOMPARE(Status(*w), "Undid " + steps[i - 1]);
            QVERIFY2(DocumentOf(*w) == states[std::size_t(i - 1)],
                     qPrintable("after undoing " + steps[i - 1]));
            QCOMPARE(RedoText(*w), "&Redo " + steps[i - 1]);
        }
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::EditUndo)->isEnabled());
        QVERIFY(!Shown(*w, ObjectNames::StatusModified));
        // The form shows the rows restored: the planetary system, the first ship as read.
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PlanetarySystem)->currentText(), QString("SystemA"));
        QCOMPARE(LabelText(*w, ObjectNames::ShipFocus), QString("Horizon"));
        QCOMPARE(FindControl<QLineEdit>(*w, ObjectNames::ShipLandedHeading)->text(), QString("45.5"));
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(),
                 QString("A training flight, with a comma\n  around PlanetA ; twice"));
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(sim.ScenarioBytes("Mission.scn"), loaded);

        for (qsizetype i = 1; i <= steps.size(); ++i) {
            if (i % 2)
                QVERIFY(ChooseMenuItem(*w, ObjectNames::EditRedo));
            else
                QTest::keySequence(w.get(), QKeySequence(QKeySequence::Redo));
            QCOMPARE(Status(*w), "Redid " + steps[i - 1]);
            QVERIFY2(DocumentOf(*w) == states[std::size_t(i)], qPrintable("after redoing " + steps[i - 1]));
        }
        QVERIFY(DocumentOf(*w) == edited);
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::EditRedo)->isEnabled());
        VERIFY_SCRIPT_DONE(boxes);
    }
    // A text box with the focus takes the platform's undo key for its own text; the menu item
    // acts on the scenario, taking the typing of the description as a step first.
    void textBoxesKeepTheirOwnUndo() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        LoadScenario(*w, "Mission.scn");
        ClickNamed(*w, ObjectNames::Command5); // one step, so that the window's undo has something to do
        QCOMPARE(UndoText(*w), QString("&Undo addition of a ship"));
        ChooseMenuItem(*w, ObjectNames::EditUndo);

        auto* heading = FindControl<QLineEdit>(*w, ObjectNames::ShipLandedHeading);
        Type(heading, "123");
        QTest::keySequence(heading, QKeySequence(QKeySequence::Undo));
        QCOMPARE(heading->text(), QString("45.5"));
        QCOMPARE(RedoText(*w), QString("&Redo addition of a ship"));
        QCOMPARE(Status(*w), QString("Undid addition of a ship"));

        auto* description = FindControl<QPlainTextEdit>(*w, ObjectNames::Description);
        const QString read = description->toPlainText();
        Paste(description, "Typed over");
        QTest::keySequence(description, QKeySequence(QKeySequence::Undo));
        QCOMPARE(description->toPlainText(), read);
        Paste(description, "Typed again");
        QVERIFY(description->hasFocus());
        // The menu item, with the description still in focus: the typing is undone as one step.
        QVERIFY(ChooseMenuItem(*w, ObjectNames::EditUndo));
        QCOMPARE(Status(*w), QString("Undid editing of the description"));
        QCOMPARE(description->toPlainText(), read);
        QVERIFY(DocumentOf(*w).Description.startsWith("A training flight"));
        QCOMPARE(RedoText(*w), QString("&Redo editing of the description"));
        VERIFY_SCRIPT_DONE(boxes);
    }

    // "Not validated" shows while the form differs from the row it displayed, and hides after a
    // validation, after another entry is shown, and when the value is typed back.
    void pendingLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("validation");
        QTest::addColumn<QString>("list");
        QTest::newRow("ship") << ObjectNames::ShipPending << ObjectNames::ShipLandedHeading << "90"
                              << ObjectNames::Command4 << ObjectNames::ShipName;
        QTest::newRow("station") << ObjectNames::StationPending << ObjectNames::StationSemiMajorAxis
                                 << "6900000" << ObjectNames::Command1 << ObjectNames::StationName;
    }
    void pendingLabels() {
        QFETCH(QString, label);
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, validation);
        QFETCH(QString, list);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        const QByteArray name = label.toLatin1();
        auto* edit = FindControl<QLineEdit>(*w, qPrintable(box));
        const QString read = edit->text();
        QVERIFY(!Shown(*w, name.constData()));
        Type(edit, value);
        QVERIFY(Shown(*w, name.constData()));
        QCOMPARE(FindControl<QLabel>(*w, name.constData())->text(), QString("Not validated"));
        Type(edit, read);
        QVERIFY(!Shown(*w, name.constData()));
        Type(edit, value);
        ClickNamed(*w, qPrintable(validation));
        QVERIFY(!Shown(*w, name.constData()));
        QCOMPARE(edit->text(), value);
        // Typed again, then another entry (or the same one) shown: the values are dropped.
        Type(edit, read);
        QVERIFY(Shown(*w, name.constData()));
        Pick(FindControl<QComboBox>(*w, qPrintable(list)), 0);
        QVERIFY(!Shown(*w, name.constData()));
        QCOMPARE(edit->text(), value);
        // An undo shows the restored row anew.
        Type(edit, "1");
        ChooseMenuItem(*w, ObjectNames::EditUndo);
        QVERIFY(!Shown(*w, name.constData()));
        QCOMPARE(edit->text(), read);
        VERIFY_SCRIPT_DONE(boxes);
    }

    // The status bar names the open file, says "Modified" while the scenario differs from the
    // one last loaded or saved, and tells what the last action did.
    void statusBar() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Mission.scn");
        QCOMPARE(Status(*w), QString("Loaded Mission.scn"));
        QVERIFY2(ShowsFile(*w, sim, "Mission.scn"), qPrintable(LabelText(*w, ObjectNames::StatusFile)));
        QVERIFY(!Shown(*w, ObjectNames::StatusModified));

        Type(FindControl<QLineEdit>(*w, ObjectNames::ShipLandedHeading), "90");
        QVERIFY(!Shown(*w, ObjectNames::StatusModified)); // not validated: the scenario is as loaded
        ClickNamed(*w, ObjectNames::Command4);
        QVERIFY(Shown(*w, ObjectNames::StatusModified));
        QCOMPARE(Status(*w), QString("Validated ship Horizon"));

        const QTime before = QTime::currentTime();
        ChooseMenuItem(*w, ObjectNames::Menu13);
        const QTime after = QTime::currentTime();
        const QString saved = Status(*w);
        QVERIFY2(saved == "Saved Mission.scn at " + before.toString("hh:mm") ||
                     saved == "Saved Mission.scn at " + after.toString("hh:mm"),
                 qPrintable(saved));
        QVERIFY(!Shown(*w, ObjectNames::StatusModified));
        // Undone past the save: modified again; redone: the saved scenario once more.
        ChooseMenuItem(*w, ObjectNames::EditUndo);
        QVERIFY(Shown(*w, ObjectNames::StatusModified));
        ChooseMenuItem(*w, ObjectNames::EditRedo);
        QVERIFY(!Shown(*w, ObjectNames::StatusModified));

        SaveAs(*w, "Copy.scn");
        QVERIFY(QRegularExpression("^Saved Copy\\.scn at \\d\\d:\\d\\d$").match(Status(*w)).hasMatch());
        QVERIFY2(ShowsFile(*w, sim, "Copy.scn"), qPrintable(LabelText(*w, ObjectNames::StatusFile)));
        VERIFY_SCRIPT_DONE(boxes);
    }
};

QTEST_MAIN(UndoRedoTest)
#include "test_undo_redo.moc"
