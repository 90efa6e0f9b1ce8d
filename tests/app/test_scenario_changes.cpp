// "Show changes" as the user meets it: what a save would write against the file on disk, line
// by line, after loading, editing, and with the file gone or unreadable.
#include "support/refused_storage.h"
#include "support/simulator_fixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTextBlock>

namespace {
// What the window showed.
struct ShownChanges {
    QString title;
    QString summary;
    QStringList lines;    // the view, line by line
    QStringList changed;  // removed and added lines as "-12 text" (old number) or "+12 text" (new number)
    bool coloured = true; // every removed line on a red background, every added one on green
};

// Chooses "Show changes" and reads its window; false when no such window opened.
bool ShowChanges(TYX& w, ShownChanges& shown) {
    shown = ShownChanges();
    DialogScript dialogs;
    dialogs.Expect(ObjectNames::ScenarioChanges, [&](QDialog* d) {
        shown.title = d->windowTitle();
        shown.summary = FindControl<QLabel>(*d, ObjectNames::ScenarioChangesSummary)->text();
        auto* view = FindControl<QPlainTextEdit>(*d, ObjectNames::ScenarioChangesView);
        QVERIFY(view->isReadOnly());
        // A changed line shows one number (the other file has no such line) and its mark.
        static const QRegularExpression changedLine("^ *(\\d+) +([-+]) (.*)$");
        for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
            if (view->document()->isEmpty()) break;
            const QString text = block.text();
            shown.lines << text;
            const QRegularExpressionMatch match = changedLine.match(text);
            if (!match.hasMatch()) continue;
            shown.changed << match.captured(2) + match.captured(1) + u' ' + match.captured(3);
            const QColor background = block.blockFormat().background().color();
            const bool red = background.red() > background.green();
            if (red != (match.captured(2) == "-")) shown.coloured = false;
        }
        Click(FindControl<QPushButton>(*d, ObjectNames::ScenarioChangesClose));
    });
    ChooseMenuItem(w, ObjectNames::MenuChanges);
    return dialogs.Done();
}

QList<QByteArray> FileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

// The number (from 1) of the first line that starts with the text, and the line.
std::pair<int, QString> LineStarting(const QByteArray& bytes, const QByteArray& start) {
    const QList<QByteArray> lines = FileLines(bytes);
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start)) return {i + 1, QString::fromLatin1(lines[i])};
    return {0, QString()};
}

// Mission.scn loaded, saved through "&Save" and loaded again: a file in the editor's own form,
// its first ship landed.
std::unique_ptr<TYX> MissionInOwnForm(SimulatorFixture& sim, MessageBoxScript& boxes) {
    auto w = sim.MakeWindow();
    LoadScenario(*w, "Mission.scn");
    ChooseMenuItem(*w, ObjectNames::Menu13);
    boxes.Expect("Do you wish to save Mission.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                 MsgIcon::None, MsgResult::Cancel);
    LoadScenario(*w, "Mission.scn");
    return w;
}
} // namespace

class ScenarioChangesTest : public QObject {
    Q_OBJECT
  private slots:
    void disabledUntilAScenarioIsLoaded() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript noDialog; // a window opened by the disabled item would fail the test
        auto w = sim.MakeWindow();
        auto* item = FindControl<QAction>(*w, ObjectNames::MenuChanges);
        QVERIFY(!item->isEnabled());
        QCOMPARE(item->text(), QString("Show &changes"));
        QVERIFY(ChooseMenuItem(*w, ObjectNames::MenuChanges));
        QCOMPARE(noDialog.shown, QStringList());
        LoadScenario(*w, "Plain.scn");
        QVERIFY(item->isEnabled());
    }

    void noChangesInTheEditorsOwnForm_data() {
        QTest::addColumn<bool>("loadAgain");
        QTest::newRow("right after a save") << false;
        QTest::newRow("the saved file loaded again") << true;
    }
    void noChangesInTheEditorsOwnForm() {
        QFETCH(bool, loadAgain);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Plain.scn");
        ChooseMenuItem(*w, ObjectNames::Menu13);
        if (loadAgain) {
            boxes.Expect("Do you wish to save Plain.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                         MsgIcon::None, MsgResult::Cancel);
            LoadScenario(*w, "Plain.scn");
        }
        ShownChanges shown;
        QVERIFY(ShowChanges(*w, shown));
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(shown.title, QString("Changes of Plain.scn"));
        QVERIFY2(shown.summary.startsWith("No changes"), qPrintable(shown.summary));
        QCOMPARE(shown.lines, QStringList());
    }

    // A file of the simulator's older form gains, among others, the description the editor
    // always writes first.
    void aFileOfAnotherFormShowsWhatASaveAdds() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Plain.scn");
        ShownChanges shown;
        QVERIFY(ShowChanges(*w, shown));
        QVERIFY2(shown.summary.startsWith("A save would remove"), qPrintable(shown.summary));
        QVERIFY(!shown.changed.isEmpty());
        QCOMPARE(shown.changed.first(), QString("+1 BEGIN_DESC"));
        // The file's first lines follow the description: the first hunk starts at line 1 of both.
        QVERIFY2(shown.lines.first().startsWith("On disk: lines 1 to "), qPrintable(shown.lines.first()));
        QVERIFY2(shown.lines.first().contains(";  saved: lines 1 to "), qPrintable(shown.lines.first()));
        QVERIFY(shown.coloured);
        // Showing changes saves nothing.
        QCOMPARE(sim.ScenarioBytes("Plain.scn"), ReadTestFile(AppInstallation() + "/Scenarios/Plain.scn"));
    }

    void editsShowAsRemovedAndAddedLines_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QByteArray>("lineStart");
        QTest::addColumn<QString>("written");
        // 14 March 2001 at the scenario's 12:00 is MJD 51982.5.
        QTest::newRow("date") << "date" << QByteArray("  Date MJD ") << "  Date MJD 51982.5";
        QTest::newRow("ship fuel") << "fuel" << QByteArray("  FUEL ") << "  FUEL .5";
    }
    void editsShowAsRemovedAndAddedLines() {
        QFETCH(QString, edit);
        QFETCH(QByteArray, lineStart);
        QFETCH(QString, written);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = MissionInOwnForm(sim, boxes);
        const auto [number, before] = LineStarting(sim.ScenarioBytes("Mission.scn"), lineStart);
        QVERIFY(number > 3);
        if (edit == "date") {
            // Dart orbits by position and velocity: kept as the file has it.
            DialogScript dates;
            ExpectKeepShipsOnDateChange(dates);
            PickDate(FindControl<QCalendarWidget>(*w, ObjectNames::Calendar), QDate(2001, 3, 14));
            VERIFY_SCRIPT_DONE(dates);
        } else {
            auto* slider = FindControl<QSlider>(*w, ObjectNames::ShipFuelSlider);
            QVERIFY(Reveal(slider));
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_Home);
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(slider, Qt::Key_PageUp);
            QCOMPARE(FindControl<QLabel>(*w, ObjectNames::ShipFuel)->text(), QString(" 50 %"));
            ClickNamed(*w, ObjectNames::Command4);
        }
        ShownChanges shown;
        QVERIFY(ShowChanges(*w, shown));
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(
            shown.summary.left(60),
            QString("A save would remove 1 line of the file on disk and add 1 line, in 1 place.").left(60));
        QCOMPARE(shown.changed, (QStringList{"-" + QString::number(number) + u' ' + before,
                                             "+" + QString::number(number) + u' ' + written}));
        QCOMPARE(shown.lines.first(),
                 QString("On disk: lines %1 to %2;  saved: lines %1 to %2").arg(number - 3).arg(number + 3));
        QVERIFY(shown.coloured);
        // A save writes what the window showed.
        ChooseMenuItem(*w, ObjectNames::Menu13);
        QCOMPARE(LineStarting(sim.ScenarioBytes("Mission.scn"), lineStart), std::make_pair(number, written));
        QVERIFY(ShowChanges(*w, shown));
        QVERIFY2(shown.summary.startsWith("No changes"), qPrintable(shown.summary));
    }

    // A file whose lines end in LF alone: a save ends each with CR LF, so every line changes, and
    // the line on disk is marked with its ending, the only thing that tells the two apart.
    void lineEndsAloneAreChanges() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = MissionInOwnForm(sim, boxes);
        const QByteArray saved = sim.ScenarioBytes("Mission.scn");
        sim.WriteScenario("Mission.scn", QByteArray(saved).replace("\r\n", "\n"));
        ShownChanges shown;
        QVERIFY(ShowChanges(*w, shown));
        VERIFY_SCRIPT_DONE(boxes);
        const QList<QByteArray> lines = FileLines(saved);
        const QString count = QString::number(lines.size());
        QCOMPARE(shown.summary.section(u'\n', 0, 0), "A save would remove " + count +
                                                         " lines of the file on disk and add " + count +
                                                         " lines, in 1 place.");
        QStringList expected;
        for (int i = 0; i < lines.size(); ++i)
            expected << "-" + QString::number(i + 1) + u' ' + QString::fromLatin1(lines[i]) + "  [LF]";
        for (int i = 0; i < lines.size(); ++i)
            expected << "+" + QString::number(i + 1) + u' ' + QString::fromLatin1(lines[i]);
        QCOMPARE(shown.changed, expected);
        QVERIFY(shown.coloured);
    }

    // Without a file to compare with, every line a save would write shows as added.
    void everyLineAddedWithoutAFile_data() {
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<QString>("summaryStart");
        QTest::newRow("file deleted") << false << "The file is not on disk";
        QTest::newRow("file unreadable") << true << "The file on disk could not be read";
    }
    void everyLineAddedWithoutAFile() {
        QFETCH(bool, unreadable);
        QFETCH(QString, summaryStart);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = MissionInOwnForm(sim, boxes);
        const QList<QByteArray> saved = FileLines(sim.ScenarioBytes("Mission.scn"));
        QVERIFY(saved.size() > 10);
        ShownChanges shown;
        if (!unreadable) {
            QVERIFY(QFile::remove(sim.ScenarioPath("Mission.scn")));
            QVERIFY(ShowChanges(*w, shown));
        } else {
#ifndef Q_OS_UNIX
            QSKIP("an unreadable file is made with POSIX permissions and user ids");
#else
            for (const QString& folder : {sim.Root(), sim.SimulatorFolder(), sim.ScenarioFolder()})
                OpenToEveryone(folder);
            QVERIFY(QFile::setPermissions(sim.ScenarioPath("Mission.scn"), {}));
            OrdinaryUser user;
            if (!user.ok()) QSKIP("root cannot take an ordinary user's ids here");
            QVERIFY(ShowChanges(*w, shown));
#endif
        }
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY2(shown.summary.startsWith(summaryStart), qPrintable(shown.summary));
        QCOMPARE(shown.lines.first(), QString("On disk: none;  saved: lines 1 to %1").arg(saved.size()));
        QStringList expected;
        for (int i = 0; i < saved.size(); ++i)
            expected << "+" + QString::number(i + 1) + u' ' + QString::fromLatin1(saved[i]);
        QCOMPARE(shown.changed, expected);
        QCOMPARE(shown.lines.size(), saved.size() + 1);
        QVERIFY(shown.coloured);
    }
};

QTEST_MAIN(ScenarioChangesTest)
#include "test_scenario_changes.moc"
