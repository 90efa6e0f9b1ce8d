// Takes pictures of the main window with a scenario loaded and of each dialog, for the
// README and for checking by eye that every caption fits. Run it on a 1280x800 screen:
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/app/app_screenshots docs/screenshots
// With SKELVAN_SCREENSHOT_HOLD_MS set, the changes window, the scenario map and the window that
// places a ship beside another stay that long on the screen, for a picture of the whole screen
// (import -window root) beside the program's own.
#include "support/simulator_fixture.h"
#include "widgets/dialogs/about_dialog.h"
#include "widgets/dialogs/delete_dialog.h"
#include "widgets/dialogs/load_dialog.h"
#include "widgets/dialogs/save_as_dialog.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

namespace {
bool Save(QWidget* widget, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const bool saved = widget->grab().save(folder + "/" + name);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(folder + "/" + name));
    return saved;
}

// The window made as large as the screen, with a scenario of its scenario folder opened
// through File > Open.
void OpenOnWholeScreen(TYX& w, DialogScript& dialogs, const QString& scenario) {
    w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.show();
    dialogs.Expect(ObjectNames::LoadFile, [scenario](QDialog* d) {
        ClickEntry(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad), scenario);
        Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
    });
    ChooseMenuItem(w, ObjectNames::Menu12);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = QDir(argc > 1 ? argv[1] : "screenshots").absolutePath();
    QDir().mkpath(folder);
    bool ok = true;
    {
        const SimulatorFixture todaySim(TodayInstallation());
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        TYX w;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        w.setGeometry(screen.adjusted(0, 0, 0, 0));
        w.show();
        QApplication::processEvents();
        ok &= Save(&w, folder, "main_window_start.png");
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            ClickEntry(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad), "Mission.scn");
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
        });
        ChooseMenuItem(w, ObjectNames::Menu12);
        auto* tabs = FindControl<QTabWidget>(w, ObjectNames::SSTab1);
        const char* pictures[] = {"main_window.png", "main_window_stations.png", "main_window_ships.png"};
        for (int i = 0; i < 3; ++i) {
            tabs->setCurrentIndex(i);
            ok &= Save(&w, folder, pictures[i]);
        }
        // The Edit menu after a step, over the ship tab with the status bar: the whole screen, as
        // a grab of the window leaves the open menu out.
        Type(FindControl<QLineEdit>(w, ObjectNames::ShipLandedHeading), "90");
        ClickNamed(w, ObjectNames::Command4);
        Type(FindControl<QLineEdit>(w, ObjectNames::ShipLandedHeading), "120");
        auto* edit = FindControl<QMenu>(w, ObjectNames::MenuEdit);
        w.menuBar()->setActiveAction(edit->menuAction());
        QTest::qWait(200);
        const QPixmap whole = QGuiApplication::primaryScreen()->grabWindow(0);
        const bool grabbed = whole.save(folder + "/main_window_edit_menu.png");
        std::printf("%s %s\n", grabbed ? "wrote" : "FAILED",
                    qPrintable(folder + "/main_window_edit_menu.png"));
        ok &= grabbed;
        edit->hide();
        w.menuBar()->setActiveAction(nullptr);
        ChooseMenuItem(w, ObjectNames::EditUndo);
        tabs->setCurrentIndex(0);

        // The file dialogs on an installation laid out as today's, its scenarios in folders.
        const QString today = QDir::toNativeSeparators(todaySim.ScenarioFolder()) + QDir::separator();
        LoadFileDialog load(
            today, "The Corvid System\\Outer flybys\\", [](const QString&, bool) { return false; }, &w);
        load.show();
        ClickEntry(FindControl<QListWidget>(load, ObjectNames::FilelisttoLoad), "Vesk Pass.scn");
        ok &= Save(&load, folder, "load_dialog.png");
        load.hide();

        SaveAsDialog saveAs(
            today, "Kite Trials\\", [](const QString&) { return false; }, &w);
        saveAs.show();
        ok &= Save(&saveAs, folder, "save_as_dialog.png");
        saveAs.hide();

        DeleteFileDialog deleteFile(today, "Kite Trials\\", &w);
        deleteFile.show();
        ClickEntry(FindControl<QListWidget>(deleteFile, ObjectNames::FileListtoDelete), "Hop to Skerry.scn");
        ok &= Save(&deleteFile, folder, "delete_dialog.png");
        deleteFile.hide();

        AboutDialog about(&w);
        about.show();
        ok &= Save(&about, folder, "about_dialog.png");
        about.hide();

        ChooseMenuItem(w, ObjectNames::Menu21);
        QWidget* help = FindControl<QWidget>(w, ObjectNames::HelpWindow);
        ok &= Save(help, folder, "help_window.png");
        help->hide();

        // What a save would change: Plain.scn, written in an older form than the editor's, with
        // its date moved by a day.
        boxes.Expect("Do you wish to save Mission.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            ClickEntry(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad), "Plain.scn");
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
        });
        ChooseMenuItem(w, ObjectNames::Menu12);
        ExpectKeepShipsOnDateChange(dialogs);
        PickDate(FindControl<QCalendarWidget>(w, ObjectNames::Calendar), QDate(2001, 3, 14));
        dialogs.Expect(ObjectNames::ScenarioChanges, [&](QDialog* d) {
            ok &= Save(d, folder, "changes_window.png");
            const int hold = qEnvironmentVariableIntValue("SKELVAN_SCREENSHOT_HOLD_MS");
            if (hold > 0) QTest::qWait(hold);
            Click(FindControl<QPushButton>(*d, ObjectNames::ScenarioChangesClose));
        });
        ChooseMenuItem(w, ObjectNames::MenuChanges);
    }
    {
        // The docked frame over an installation in today's layout: a glider docked at the
        // station ship Lifter by its DOCKINFO line, with the own port of its dock.
        SimulatorFixture sim(TestDataPath("today"));
        sim.Write("sim/skelvan.cfg",
                  "ConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\Installation\\Docking\\\r\n");
        MessageBoxScript boxes;
        DialogScript dialogs;
        TYX w;
        OpenOnWholeScreen(w, dialogs, "Lifter Stack.scn");
        FindControl<QTabWidget>(w, ObjectNames::SSTab1)->setCurrentIndex(2);
        ok &= PickText(FindControl<QComboBox>(w, ObjectNames::ShipName), "Glider-1");
        ok &= Save(&w, folder, "main_window_docked.png");
    }
    {
        // The equator frame and the start date's question over the test installation's ships
        // around Tarn, tilted as the Earth is: the station on the ISS's orbit in Tarn's equator.
        SimulatorFixture sim(TestDataPath("today"));
        sim.Write("sim/skelvan.cfg",
                  "ConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\Placements\\\r\n");
        MessageBoxScript boxes;
        DialogScript dialogs;
        TYX w;
        OpenOnWholeScreen(w, dialogs, "Element Orbits.scn");
        auto* tabs = FindControl<QTabWidget>(w, ObjectNames::SSTab1);
        tabs->setCurrentIndex(2);
        ok &= PickText(FindControl<QComboBox>(w, ObjectNames::ShipOrbitFrame), "Equator of Tarn");
        ok &= Save(&w, folder, "orbiting_frame_equator.png");
        tabs->setCurrentIndex(0);
        dialogs.Expect(ObjectNames::DateChangeShips, [&](QDialog* d) {
            d->show();
            ok &= Save(d, folder, "date_change_ships.png");
            Click(FindControl<QPushButton>(*d, ObjectNames::DateChangeKeep));
        });
        auto* calendar = FindControl<QCalendarWidget>(w, ObjectNames::Calendar);
        PickDate(calendar, calendar->selectedDate().addDays(3));
    }
    {
        // The scenario map over today's installation: Tarn's orbits seen from above its tilted
        // equator, a station ship with a glider at its port, and the landers at a base and at a
        // surface position.
        SimulatorFixture sim(TestDataPath("today"));
        sim.WriteScenario("Corvid at a Glance.scn", TestDataFile("map/Corvid at a Glance.scn"));
        MessageBoxScript boxes;
        DialogScript dialogs;
        TYX w;
        OpenOnWholeScreen(w, dialogs, "Corvid at a Glance.scn");
        ChooseMenuItem(w, ObjectNames::MenuScenarioMap);
        for (QWidget* map : QApplication::topLevelWidgets()) {
            if (map->objectName() != QLatin1String(ObjectNames::ScenarioMap)) continue;
            map->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
            QApplication::processEvents();
            ok &= Save(map, folder, "scenario_map.png");
            const int hold = qEnvironmentVariableIntValue("SKELVAN_SCREENSHOT_HOLD_MS");
            if (hold > 0) QTest::qWait(hold);
        }
    }
    {
        // The window that puts a ship beside another, over the ship tab: Pipit about to go 2 km
        // behind the station ship Lifter.
        SimulatorFixture sim(TestDataPath("today"));
        sim.Write("sim/skelvan.cfg",
                  "ConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\Placements\\\r\n");
        MessageBoxScript boxes;
        DialogScript dialogs;
        TYX w;
        OpenOnWholeScreen(w, dialogs, "Rendezvous.scn");
        FindControl<QTabWidget>(w, ObjectNames::SSTab1)->setCurrentIndex(2);
        ok &= PickText(FindControl<QComboBox>(w, ObjectNames::ShipName), "Pipit");
        dialogs.Expect(ObjectNames::PlaceBeside, [&](QDialog* d) {
            ok &= ClickEntry(FindControl<QListWidget>(*d, ObjectNames::PlaceBesideShip), "Lifter (Tarn)");
            const int hold = qEnvironmentVariableIntValue("SKELVAN_SCREENSHOT_HOLD_MS");
            if (hold > 0) QTest::qWait(hold);
            Click(FindControl<QPushButton>(*d, ObjectNames::PlaceBesideOK));
        });
        Click(FindControl<QPushButton>(w, ObjectNames::ShipPlaceBeside));
        ok &= Save(&w, folder, "main_window_placed_beside.png");
    }
    return ok ? 0 : 1;
}
