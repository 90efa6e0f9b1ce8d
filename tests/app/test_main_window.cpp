// The main window's frame, its menus, the save prompt, the exit and the small windows.
#include "app_fixture.h"
#include "test_registry.h"
#include "widgets/dialogs/about_dialog.h"
#include "widgets/dialogs/help_window.h"
#include "widgets/dialogs/planetary_system_information.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

namespace {
// "&Save" only needs one entry in the ship list.
void EnsureOneShip(TYX& w) {
    if (w.ShipName->count() == 0) w.ShipName->addItem("Horizon");
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void frameBeforeLoading() {
        SimulatorFixture sim;
        QVERIFY(sim.ok());
        MessageScript boxes;
        auto w = sim.makeWindow();
        QVERIFY(w->StartedUp());
        QCOMPARE(w->windowTitle(), QString("Skelvan Scenario Editor v1.06"));
        QCOMPARE(w->objectName(), QString("TYX"));
        QVERIFY(w->SSTab1->isHidden());
        QVERIFY(!w->Image5->isHidden());
        QVERIFY(!w->Image5->pixmap().isNull());
        QCOMPARE(w->Label9->text(), QString());
        QVERIFY(w->scnfile->isHidden());
        QCOMPARE(w->scnfile->text(), QString());
        QCOMPARE(w->scnfile->toolTip(), QString("Edited scenario file name"));
        QCOMPARE(w->SSTab1->count(), 3);
        QCOMPARE(w->SSTab1->tabText(0), QString("Description, environment and focus"));
        QCOMPARE(w->SSTab1->tabText(1), QString("Orbital station list"));
        QCOMPARE(w->SSTab1->tabText(2), QString("Ship list"));
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(boxes.done());
    }

    void menus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("open") << "Menu12"
                              << "Menu1"
                              << "&Open" << true;
        QTest::newRow("save") << "Menu13"
                              << "Menu1"
                              << "&Save" << false;
        QTest::newRow("save as") << "Menu14"
                                 << "Menu1"
                                 << "S&ave as" << false;
        QTest::newRow("delete") << "Menu11"
                                << "Menu1"
                                << "&Delete a scenario file" << true;
        QTest::newRow("exit") << "Menu16"
                              << "Menu1"
                              << "&Exit" << true;
        QTest::newRow("information") << "Menu31"
                                     << "Menu30"
                                     << "&Planetary system information" << false;
        QTest::newRow("calculator") << "Menu33"
                                    << "Menu30"
                                    << "&Windows Calculator" << true;
        QTest::newRow("folder search") << "Menu32"
                                       << "Menu30"
                                       << "&Skelvan Folder Search" << true;
        QTest::newRow("help") << "Menu21"
                              << "Menu2"
                              << "&Help" << true;
        QTest::newRow("about") << "Menu22"
                               << "Menu2"
                               << "&About" << true;
    }
    void menus() {
        QFETCH(QString, name);
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        auto* action = w->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), enabled);
        auto* owner = w->findChild<QMenu*>(menu);
        QVERIFY(owner);
        QVERIFY(owner->actions().contains(action));
    }

    void menuOrder() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        QCOMPARE(w->Menu1->title(), QString("&Files"));
        QCOMPARE(w->Menu30->title(), QString("&Tools"));
        QCOMPARE(w->Menu2->title(), QString("&?"));
        const QList<QAction*> files = w->Menu1->actions();
        QCOMPARE(files.size(), 6);
        QCOMPARE(files[0], w->Menu12);
        QCOMPARE(files[1], w->Menu13);
        QCOMPARE(files[2], w->Menu14);
        QCOMPARE(files[3], w->Menu11);
        QVERIFY(files[4]->isSeparator());
        QCOMPARE(files[4]->objectName(), QString("Menu15"));
        QCOMPARE(files[5], w->Menu16);
        // The platform's own keys for the file commands.
        QCOMPARE(w->Menu12->shortcuts(), QKeySequence::keyBindings(QKeySequence::Open));
        QCOMPARE(w->Menu13->shortcuts(), QKeySequence::keyBindings(QKeySequence::Save));
        QCOMPARE(w->Menu14->shortcuts(), QKeySequence::keyBindings(QKeySequence::SaveAs));
        QCOMPARE(w->Menu16->shortcuts(), QKeySequence::keyBindings(QKeySequence::Quit));
    }

    void firstTab_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Description") << "Description"
                                     << "Contains the scenario description that will be displayed to "
                                        "summarize the scenario at its selection";
        QTest::newRow("PlanetarySystem")
            << "PlanetarySystem"
            << "Allows to select a planetary system from the ones installed in the skelvan configuration, "
               "and then "
               "only the planets and moons of the selected palentary system will be available for (coherent "
               "scenario) settings.";
        QTest::newRow("Check2")
            << "Check2"
            << "Forbids to change the planetary system to avoid to reset the scenario by mystake";
        QTest::newRow("Calendar") << "Calendar"
                                  << "Defines the scenario start time date";
        QTest::newRow("Hour") << "Hour"
                              << "Defines the scenario start time hour";
        QTest::newRow("Minute") << "Minute"
                                << "Defines the scenario start time minutes";
        QTest::newRow("ShipFocus")
            << "ShipFocus"
            << "Displays the user-controlled ship. It can be selected from the \"possible "
               "ships\" list, that can be updated at the Ship list tab";
        QTest::newRow("PossibleShipFocus") << "PossibleShipFocus"
                                           << "List of the ships available in the scenario";
        QTest::newRow("Command7")
            << "Command7"
            << "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" "
               "combo box";
    }
    void firstTab() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        QWidget* page = w->SSTab1->widget(0);
        auto* control = page->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->toolTip(), toolTip);
    }

    void firstTabCaptions() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        QCOMPARE(w->Frame4->title(), QString("Description of the scenario"));
        QCOMPARE(w->Frame5->title(), QString("Environment"));
        QCOMPARE(w->Frame2->title(), QString("Scenario start time"));
        QCOMPARE(w->Check2->text(), QString("Lock security"));
        QVERIFY(w->Check2->isChecked());
        QCOMPARE(w->Command7->text(), QString("Change user-controled ship"));
        QStringList labels;
        for (QLabel* label : w->SSTab1->widget(0)->findChildren<QLabel*>())
            labels.append(label->text());
        for (const char* caption : {"Planetary System", "Hour", "User-controlled ship", "Possible ships"})
            QVERIFY2(labels.contains(caption), caption);
        QCOMPARE(w->Hour->count(), 24);
        QCOMPARE(w->Hour->itemText(0), QString("0"));
        QCOMPARE(w->Minute->count(), 60);
        QCOMPARE(w->Minute->itemText(59), QString("59"));
    }

    void aboutWindow() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        bool checked = false;
        dialogs.expect("About", [&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("About..."));
            QVERIFY(d->isModal());
            QCOMPARE(QApplication::activeModalWidget(), d);
            QStringList texts;
            for (QLabel* label : d->findChildren<QLabel*>())
                texts.append(label->text());
            QVERIFY(texts.contains("Skelvan Scenario Editor"));
            QVERIFY(texts.contains("Version v1.06"));
            QVERIFY(!d->findChild<QLabel*>("Picture")->pixmap().isNull());
            auto* ok = d->findChild<QPushButton*>("Command2");
            QCOMPARE(ok->text(), QString("OK"));
            ok->click();
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Accepted));
            checked = true;
        });
        w->Menu22->trigger();
        QVERIFY(checked);
        QVERIFY(dialogs.done());
        QVERIFY(w->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void helpWindowShowsTheGuide() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        w->Menu21->trigger();
        auto* help = w->findChild<UserGuideWindow*>("HelpWindow");
        QVERIFY(help);
        QVERIFY(help->isVisible());
        const QString text = help->Guide->toPlainText();
        for (const char* topic :
             {"Pointing the editor at the simulator", "Loading a scenario", "Editing orbital stations",
              "Editing ships", "Validating your edits", "Saving"})
            QVERIFY2(text.contains(topic), topic);
        // A second call shows the same window again.
        w->Menu21->trigger();
        QCOMPARE(w->findChildren<UserGuideWindow*>().size(), 1);
        QVERIFY(w->isEnabled());
    }

    void informationWindowStaysModeless() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        w->Menu31->setEnabled(true);
        w->Menu31->trigger();
        auto* info = w->findChild<PlanetarySystemInformation*>("PlanetarySystemInformation");
        QVERIFY(info);
        QVERIFY(info->isVisible());
        QVERIFY(!info->isModal());
        QVERIFY(w->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

#ifndef Q_OS_WIN
    void calculatorStartsTheFirstFound() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        const QString bin = sim.tempPath() + "/bin";
        QVERIFY(QDir().mkpath(bin));
        const QString marker = sim.tempPath() + "/calculator-started";
        // Only kcalc and xcalc exist here: kcalc comes first in the order of preference.
        for (const QString& name : {QString("kcalc"), QString("xcalc")}) {
            QFile script(bin + "/" + name);
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho " + name.toLocal8Bit() + " > '" + marker.toLocal8Bit() + "'\n");
            script.close();
            QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit());
        w->Menu33->trigger();
        qputenv("PATH", oldPath);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && ReadTestFile(marker).size() > 0, 10000);
        QCOMPARE(ReadTestFile(marker).trimmed(), QByteArray("kcalc"));
        QVERIFY(boxes.done());
    }

    void noCalculatorIsReported() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        const QString empty = sim.tempPath() + "/empty-bin";
        QVERIFY(QDir().mkpath(empty));
        boxes.expectStart("No calculator was found on this computer", "Calculator", MsgButtons::Ok,
                          MsgIcon::Information);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", empty.toLocal8Bit());
        w->Menu33->trigger();
        qputenv("PATH", oldPath);
        QVERIFY(boxes.done());
        QVERIFY(w->isVisible());
    }
#endif

    void exitCancelledLeavesEverything() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        boxes.expect("Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel);
        w->Menu16->trigger();
        QVERIFY(boxes.done());
        QVERIFY(w->isVisible());
    }

    void exitWithoutScenarioAsksOnce() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        // The start-up made the simulator's folder the working folder.
        QCOMPARE(QDir::currentPath(), sim.simulatorFolder());
        boxes.expect("Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        w->Menu16->trigger();
        QVERIFY(boxes.done());
        QVERIFY(!w->isVisible());
        // Closing returns to the start folder.
        QCOMPARE(QDir::currentPath(), sim.tempPath() + "/start");
    }

    void exitOffersToSave_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancel on the prompt") << false;
        QTest::newRow("save under a new name") << true;
    }
    void exitOffersToSave() {
        QFETCH(bool, save);
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        QCOMPARE(w->scnfile->text(), QString("Mission.scn"));
        boxes.expect("Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                     MsgButtons::OkCancel, MsgIcon::None, MsgResult::Ok);
        boxes.expect("Do you wish to save Mission.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, save ? MsgResult::Ok : MsgResult::Cancel);
        if (save) {
            dialogs.expect("SaveAs", SaveAsTyped("Leaving"));
        }
        w->Menu16->trigger();
        QVERIFY(boxes.done());
        QVERIFY(dialogs.done());
        QVERIFY(!w->isVisible());
        QCOMPARE(QFile::exists(sim.scenarioPath("Leaving.scn")), save);
    }

    void closeBoxAsksNothing() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QVERIFY(boxes.shown.isEmpty());
    }

    void openWithoutScenarioHasNoPrompt() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        dialogs.expect("LoadFile", [](QDialog* d) { d->findChild<QPushButton*>("Command2")->click(); });
        w->Menu12->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.shown.isEmpty());
    }

    void openOffersToSaveFirst_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancel goes straight to the load dialog") << false;
        QTest::newRow("OK shows the save-as dialog first") << true;
    }
    void openOffersToSaveFirst() {
        QFETCH(bool, save);
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        LoadScenario(*w, "NoShips.scn");
        const QByteArray before = sim.scenarioBytes("NoShips.scn");
        boxes.expect("Do you wish to save NoShips.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, save ? MsgResult::Ok : MsgResult::Cancel);
        // From the prompt a scenario without ships is saved as well.
        if (save) {
            dialogs.expect("SaveAs", SaveAsTyped("Kept"));
        }
        dialogs.expect("LoadFile", [](QDialog* d) { d->findChild<QPushButton*>("Command2")->click(); });
        w->Menu12->trigger();
        QVERIFY(boxes.done());
        QVERIFY(dialogs.done());
        QCOMPARE(QFile::exists(sim.scenarioPath("Kept.scn")), save);
        QCOMPARE(w->scnfile->text(), QString(save ? "Kept.scn" : "NoShips.scn"));
        QCOMPARE(sim.scenarioBytes("NoShips.scn"), before);
    }

    void saveRefusedWithoutShips_data() {
        QTest::addColumn<QString>("menu");
        QTest::newRow("save") << "Menu13";
        QTest::newRow("save as") << "Menu14";
    }
    void saveRefusedWithoutShips() {
        QFETCH(QString, menu);
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        LoadScenario(*w, "NoShips.scn");
        const QByteArray before = sim.scenarioBytes("NoShips.scn");
        boxes.expect("You must have at least one ship in the scenario !", "Forbidden action", MsgButtons::Ok,
                     MsgIcon::Exclamation);
        w->findChild<QAction*>(menu)->trigger();
        QVERIFY(boxes.done());
        QVERIFY(dialogs.done());
        QCOMPARE(sim.scenarioBytes("NoShips.scn"), before);
        QCOMPARE(w->scnfile->text(), QString("NoShips.scn"));
        QCOMPARE(QDir(sim.scenarioFolder()).entryList(QDir::Files).size(), 6);
    }

    void saveOverwritesWithoutAsking() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Plain.scn");
        EnsureOneShip(*w);
        sim.writeScenario("Plain.scn", "stale\r\n");
        w->Menu13->trigger();
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(sim.scenarioBytes("Plain.scn") != QByteArray("stale\r\n"));
        QCOMPARE(w->scnfile->text(), QString("Plain.scn"));
    }

    void failedSaveIsReported() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Plain.scn");
        EnsureOneShip(*w);
        const QByteArray before = sim.scenarioBytes("Plain.scn");
        // The scenario folder has gone since the file was loaded.
        w->ScnDir->setText(w->ScnDir->text() + "Gone\\");
        boxes.expectStart("The scenario could not be saved to ", "Saving failed", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        w->Menu13->trigger();
        QVERIFY(boxes.done());
        QVERIFY(boxes.shown.value(0).contains("Gone"));
        QCOMPARE(w->scnfile->text(), QString("Plain.scn"));
        QCOMPARE(sim.scenarioBytes("Plain.scn"), before);
    }

    void snapshotTakesTheControls() {
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Plain.scn");
        w->Description->setPlainText("First line, with a comma\n  second ; line");
        w->PlanetarySystem->addItem("SystemB");
        w->PlanetarySystem->setCurrentIndex(w->PlanetarySystem->count() - 1);
        w->Calendar->setSelectedDate(QDate(2001, 3, 13));
        w->Hour->setCurrentIndex(12);
        w->Minute->setCurrentIndex(30);
        w->ShipFocus->setText("Dart");
        const ScenarioDocument doc = w->DocumentSnapshot();
        QCOMPARE(doc.Description, QString("First line, with a comma\r\n  second ; line"));
        QCOMPARE(doc.SystemName, QString("SystemB"));
        // 13 March 2001 is day 36963 counted from 30 December 1899.
        QCOMPARE(doc.StartDate, 36963.0);
        QCOMPARE(doc.StartHour, 12);
        QCOMPARE(doc.StartMinute, 30);
        QCOMPARE(doc.FocusShip, QString("Dart"));
    }
};

SKELVAN_TEST(MainWindowTest);
#include "test_main_window.moc"
