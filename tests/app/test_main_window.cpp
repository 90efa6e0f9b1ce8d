// The main window's frame, its menus and the small windows.
#include "support/simulator_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void frameBeforeLoading() {
        SimulatorFixture sim(AppInstallation());
        QVERIFY(sim.Ok());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QVERIFY(w->StartedUp());
        QCOMPARE(w->windowTitle(), QString("Skelvan Scenario Editor v1.06"));
        QCOMPARE(w->objectName(), QString(ObjectNames::TYX));
        auto* tabs = FindControl<QTabWidget>(*w, ObjectNames::SSTab1);
        auto* picture = FindControl<QLabel>(*w, ObjectNames::Image5);
        auto* fileName = FindControl<QLabel>(*w, ObjectNames::scnfile);
        QVERIFY(tabs->isHidden());
        QVERIFY(!picture->isHidden());
        QVERIFY(!picture->pixmap().isNull());
        QCOMPARE(LabelText(*w, ObjectNames::Label9), QString());
        QVERIFY(fileName->isHidden());
        QCOMPARE(fileName->text(), QString());
        QCOMPARE(fileName->toolTip(), QString("Edited scenario file name"));
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QString("Description, environment and focus"));
        QCOMPARE(tabs->tabText(1), QString("Orbital station list"));
        QCOMPARE(tabs->tabText(2), QString("Ship list"));
        QVERIFY(!w->windowIcon().isNull());
        VERIFY_SCRIPT_DONE(boxes);
    }

    void menus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("open") << ObjectNames::Menu12 << ObjectNames::Menu1 << "&Open" << true;
        QTest::newRow("save") << ObjectNames::Menu13 << ObjectNames::Menu1 << "&Save" << false;
        QTest::newRow("save as") << ObjectNames::Menu14 << ObjectNames::Menu1 << "S&ave as" << false;
        QTest::newRow("show changes")
            << ObjectNames::MenuChanges << ObjectNames::Menu1 << "Show &changes" << false;
        QTest::newRow("delete") << ObjectNames::Menu11 << ObjectNames::Menu1 << "&Delete a scenario file"
                                << true;
        QTest::newRow("exit") << ObjectNames::Menu16 << ObjectNames::Menu1 << "&Exit" << true;
        QTest::newRow("scenario map")
            << ObjectNames::MenuScenarioMap << ObjectNames::MenuView << "Scenario map" << false;
        QTest::newRow("information") << ObjectNames::Menu31 << ObjectNames::Menu30
                                     << "&Planetary system information" << false;
        QTest::newRow("calculator") << ObjectNames::Menu33 << ObjectNames::Menu30 << "&Windows Calculator"
                                    << true;
        QTest::newRow("folder search")
            << ObjectNames::Menu32 << ObjectNames::Menu30 << "&Skelvan Folder Search" << true;
        QTest::newRow("help") << ObjectNames::Menu21 << ObjectNames::Menu2 << "&Help" << true;
        QTest::newRow("about") << ObjectNames::Menu22 << ObjectNames::Menu2 << "&About" << true;
    }
    void menus() {
        QFETCH(QString, name);
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        auto* action = FindControl<QAction>(*w, qPrintable(name));
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), enabled);
        auto* owner = FindControl<QMenu>(*w, qPrintable(menu));
        QVERIFY(owner);
        QVERIFY(owner->actions().contains(action));
    }

    void menuOrder() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        // The menu bar shows the five menus in this order.
        QStringList bar;
        for (QAction* title : w->menuBar()->actions())
            bar.append(title->menu() ? title->menu()->objectName() + " " + title->text() : title->text());
        QCOMPARE(bar, QStringList(
                          {"Menu1 &Files", "MenuEdit &Edit", "MenuView &View", "Menu30 &Tools", "Menu2 &?"}));
        QStringList files;
        // A submenu shows by its menu's name.
        for (QAction* item : FindControl<QMenu>(*w, ObjectNames::Menu1)->actions())
            files.append((item->menu() ? item->menu()->objectName() : item->objectName()) +
                         (item->isSeparator() ? " separator" : ""));
        QCOMPARE(files, QStringList({ObjectNames::Menu12, ObjectNames::MenuRecent, ObjectNames::Menu13,
                                     ObjectNames::Menu14, ObjectNames::MenuChanges, ObjectNames::Menu11,
                                     "Menu15 separator", ObjectNames::Menu16}));
        // The platform's own keys for the file commands.
        QCOMPARE(FindControl<QAction>(*w, ObjectNames::Menu12)->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::Open));
        QCOMPARE(FindControl<QAction>(*w, ObjectNames::Menu13)->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::Save));
        QCOMPARE(FindControl<QAction>(*w, ObjectNames::Menu14)->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::SaveAs));
        QCOMPARE(FindControl<QAction>(*w, ObjectNames::Menu16)->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::Quit));
    }

    void firstTab_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Description") << ObjectNames::Description
                                     << "Contains the scenario description that will be displayed to "
                                        "summarize the scenario at its selection";
        QTest::newRow("PlanetarySystem")
            << ObjectNames::PlanetarySystem
            << "Allows to select a planetary system from the ones installed in the skelvan configuration, "
               "and then "
               "only the planets and moons of the selected palentary system will be available for (coherent "
               "scenario) settings.";
        QTest::newRow("Check2")
            << ObjectNames::Check2
            << "Forbids to change the planetary system to avoid to reset the scenario by mystake";
        QTest::newRow("Calendar") << ObjectNames::Calendar << "Defines the scenario start time date";
        QTest::newRow("Hour") << ObjectNames::Hour << "Defines the scenario start time hour";
        QTest::newRow("Minute") << ObjectNames::Minute << "Defines the scenario start time minutes";
        QTest::newRow("ShipFocus")
            << ObjectNames::ShipFocus
            << "Displays the user-controlled ship. It can be selected from the \"possible "
               "ships\" list, that can be updated at the Ship list tab";
        QTest::newRow("PossibleShipFocus")
            << ObjectNames::PossibleShipFocus << "List of the ships available in the scenario";
        QTest::newRow("Command7")
            << ObjectNames::Command7
            << "Replace the user-controlled ship by the ship displayed at the \"Possible ships\" "
               "combo box";
    }
    void firstTab() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QWidget* page = FindControl<QTabWidget>(*w, ObjectNames::SSTab1)->widget(0);
        auto* control = page->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->toolTip(), toolTip);
    }

    void firstTabCaptions() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QCOMPARE(FindControl<QGroupBox>(*w, ObjectNames::Frame4)->title(),
                 QString("Description of the scenario"));
        QCOMPARE(FindControl<QGroupBox>(*w, ObjectNames::Frame5)->title(), QString("Environment"));
        QCOMPARE(FindControl<QGroupBox>(*w, ObjectNames::Frame2)->title(), QString("Scenario start time"));
        QCOMPARE(FindControl<QCheckBox>(*w, ObjectNames::Check2)->text(), QString("Lock security"));
        QVERIFY(FindControl<QCheckBox>(*w, ObjectNames::Check2)->isChecked());
        QCOMPARE(FindControl<QPushButton>(*w, ObjectNames::Command7)->text(),
                 QString("Change user-controled ship"));
        QStringList labels;
        for (QLabel* label :
             FindControl<QTabWidget>(*w, ObjectNames::SSTab1)->widget(0)->findChildren<QLabel*>())
            labels.append(label->text());
        for (const char* caption : {"Planetary System", "Hour", "User-controlled ship", "Possible ships"})
            QVERIFY2(labels.contains(caption), caption);
        auto* hour = FindControl<QComboBox>(*w, ObjectNames::Hour);
        auto* minute = FindControl<QComboBox>(*w, ObjectNames::Minute);
        QCOMPARE(hour->count(), 24);
        QCOMPARE(hour->itemText(0), QString("0"));
        QCOMPARE(minute->count(), 60);
        QCOMPARE(minute->itemText(59), QString("59"));
    }

    void aboutWindow() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        bool checked = false;
        dialogs.Expect(ObjectNames::About, [&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("About..."));
            QVERIFY(d->isModal());
            QCOMPARE(QApplication::activeModalWidget(), d);
            QStringList texts;
            for (QLabel* label : d->findChildren<QLabel*>())
                texts.append(label->text());
            QVERIFY(texts.contains("Skelvan Scenario Editor"));
            QVERIFY(texts.contains("Version v1.06"));
            QVERIFY(!FindControl<QLabel>(*d, ObjectNames::Picture)->pixmap().isNull());
            auto* ok = FindControl<QPushButton>(*d, ObjectNames::Command2);
            QCOMPARE(ok->text(), QString("OK"));
            Click(ok);
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Accepted));
            checked = true;
        });
        ChooseMenuItem(*w, ObjectNames::Menu22);
        QVERIFY(checked);
        VERIFY_SCRIPT_DONE(dialogs);
        QVERIFY(w->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void helpWindowShowsTheGuide() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        ChooseMenuItem(*w, ObjectNames::Menu21);
        auto* help = FindControl<QWidget>(*w, ObjectNames::HelpWindow);
        QVERIFY(help);
        QVERIFY(help->isVisible());
        const QString text = FindControl<QTextBrowser>(*help, ObjectNames::Guide)->toPlainText();
        for (const char* topic :
             {"Pointing the editor at the simulator", "Loading a scenario", "Editing orbital stations",
              "Editing ships", "Validating your edits", "Saving"})
            QVERIFY2(text.contains(topic), topic);
        // A second call shows the same window again.
        help->close();
        ChooseMenuItem(*w, ObjectNames::Menu21);
        QVERIFY(help->isVisible());
        QCOMPARE(w->findChildren<QWidget*>(ObjectNames::HelpWindow).size(), 1);
        QVERIFY(w->isEnabled());
    }

    void informationWindowStaysModeless() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        // The item is there once a scenario was opened with the Load button.
        LoadScenario(*w, "Plain.scn");
        ChooseMenuItem(*w, ObjectNames::Menu31);
        auto* info = FindControl<QWidget>(*w, ObjectNames::PlanetarySystemInformation);
        QVERIFY(info);
        QVERIFY(info->isVisible());
        QVERIFY(!info->isModal());
        QVERIFY(info->isWindow());
        QVERIFY(w->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

#ifndef Q_OS_WIN
    void calculatorStartsTheFirstFound() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        const QString bin = sim.Root() + "/bin";
        QVERIFY(QDir().mkpath(bin));
        const QString marker = sim.Root() + "/calculator-started";
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
        ChooseMenuItem(*w, ObjectNames::Menu33);
        qputenv("PATH", oldPath);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && ReadTestFile(marker).size() > 0, 10000);
        QCOMPARE(ReadTestFile(marker).trimmed(), QByteArray("kcalc"));
        VERIFY_SCRIPT_DONE(boxes);
    }

    void noCalculatorIsReported() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        const QString empty = sim.Root() + "/empty-bin";
        QVERIFY(QDir().mkpath(empty));
        boxes.ExpectStart("No calculator was found on this computer", "Calculator", MsgButtons::Ok,
                          MsgIcon::Information);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", empty.toLocal8Bit());
        ChooseMenuItem(*w, ObjectNames::Menu33);
        qputenv("PATH", oldPath);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(w->isVisible());
    }
#endif
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
