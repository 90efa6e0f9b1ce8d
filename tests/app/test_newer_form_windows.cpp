// Scenarios in the newer form through the windows, as a user works with them: loaded through
// the load dialog and saved with "&Save", they keep their meaning; each edit made with the
// controls changes only its own lines; the placement note stays hidden; the file dialogs preview
// an HTML description without loading anything.
#include "core/scenario/scenario_comparison.h"
#include "support/simulator_fixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

Q_DECLARE_METATYPE(std::vector<ScenarioDifference>)

namespace {
using Differences = std::vector<ScenarioDifference>;

QString Installation() {
    return TestDataPath("newer-form");
}

QByteArray Original(const QString& name) {
    return ReadTestFile(Installation() + "/Scenarios/" + name);
}

void Save(TYX& w) {
    w.findChild<QAction*>(ObjectNames::Menu13)->trigger();
}

// The page of the main window's tabs that holds a control, brought to the front by a click on
// its tab.
void ShowTabOf(TYX& w, QWidget* control) {
    auto* tabs = FindControl<QTabWidget>(w, ObjectNames::SSTab1);
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->widget(i)->isAncestorOf(control)) continue;
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
        QCOMPARE(tabs->currentIndex(), i);
    }
    QCoreApplication::processEvents();
}

// The fuel slider moved to 50 % with the keyboard.
void FuelToHalf(TYX& w) {
    auto* slider = FindControl<QSlider>(w, ObjectNames::ShipFuelSlider);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(slider, Qt::Key_PageUp);
    QCOMPARE(FindControl<QLabel>(w, ObjectNames::ShipFuel)->text(), QString(" 50 %"));
}

void TypePosition(TYX& w) {
    Type(FindControl<QLineEdit>(w, ObjectNames::ShipOrbitingRposX), "7000000");
    Type(FindControl<QLineEdit>(w, ObjectNames::ShipOrbitingRposY), "0");
    Type(FindControl<QLineEdit>(w, ObjectNames::ShipOrbitingRposZ), "0");
    Type(FindControl<QLineEdit>(w, ObjectNames::ShipOrbitingRvelX), "0");
    Type(FindControl<QLineEdit>(w, ObjectNames::ShipOrbitingRvelY), "7500");
    Type(FindControl<QLineEdit>(w, ObjectNames::ShipOrbitingRvelZ), "0");
}

void ValidateShip(TYX& w) {
    Click(FindControl<QPushButton>(w, ObjectNames::Command4));
}
} // namespace

class NewerFormWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void savedWithoutAnEdit_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("validateEveryShip");
        for (const QString& file : QDir(Installation() + "/Scenarios").entryList({"*.scn"}, QDir::Files)) {
            QTest::newRow(qPrintable(file)) << file << false;
            QTest::newRow(qPrintable(file + ", every ship validated as shown")) << file << true;
        }
    }
    // Loaded and saved: the simulator reads the saved file as it read the original.
    void savedWithoutAnEdit() {
        QFETCH(QString, file);
        QFETCH(bool, validateEveryShip);
        SimulatorFixture sim(Installation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, file);
        if (validateEveryShip) {
            auto* names = FindControl<QComboBox>(*w, ObjectNames::ShipName);
            ShowTabOf(*w, names);
            const QStringList ships = [names] {
                QStringList all;
                for (int i = 0; i < names->count(); ++i)
                    all << names->itemText(i);
                return all;
            }();
            for (const QString& ship : ships) {
                PickWithKeys(names, ship);
                ValidateShip(*w);
            }
        }
        Save(*w);
        QVERIFY2(boxes.ShownTexts().isEmpty(), qPrintable(boxes.ShownTexts().join(" / ")));
        const ScenarioComparison comparison = CompareScenarioTexts(Original(file), sim.ScenarioBytes(file));
        QVERIFY2(comparison.Same(), qPrintable(DifferencesText(comparison)));
        qInfo().noquote() << file << comparison.linesCompared << "lines compared";
    }

    void edits_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<Differences>("expected");
        // 41 minutes past midnight, one day later: 51983 + 41/1440.
        QTest::newRow("date") << "date"
                              << Differences{{"BEGIN_ENVIRONMENT", "  Date MJD 51982.0291634",
                                              "  Date MJD 51983.0284722222"}};
        QTest::newRow("focus") << "focus"
                               << Differences{{"BEGIN_FOCUS", "  Ship Tug-1", "  Ship Tug-2"},
                                              {"BEGIN_CAMERA", "  TARGET Tug-1", "  TARGET Tug-2"}};
        QTest::newRow("fuel line") << "fuel Tug-2"
                                   << Differences{{"SHIP Tug-2", "  FUEL 0.650", "  FUEL .5"}};
        QTest::newRow("fuel per tank")
            << "fuel Wayfarer"
            << Differences{{"SHIP Wayfarer", "  PRPLEVEL 0:0.800000", "  PRPLEVEL 0:0.500000"}};
        QTest::newRow("status") << "orbit Skiff-3"
                                << Differences{{"SHIP Skiff-3", "  STATUS Docked Verdant:Harbor:2",
                                                "  STATUS Orbiting Verdant"},
                                               {"SHIP Skiff-3", "", "  RPOS 7000000 0 0"},
                                               {"SHIP Skiff-3", "", "  RVEL 0 7500 0"}};
        // The ship docked at it keeps its pair: only the place lines change.
        QTest::newRow("a position instead of orbital elements")
            << "position Wayfarer"
            << Differences{{"SHIP Wayfarer",
                            "  ELEMENTS 6878137.00 0.00052 51.640 120.500 45.250 310.125 51982.0000", ""},
                           {"SHIP Wayfarer", "", "  RPOS 7000000 0 0"},
                           {"SHIP Wayfarer", "", "  RVEL 0 7500 0"}};
        QTest::newRow("station") << "station"
                                 << Differences{{"STATION Harbor", "  ELEMENTS 7078137 0.001 28.5 80 10 200",
                                                 "  ELEMENTS 7078137 0.001 30 80 10 200"}};
    }
    // Each edit against a save made right after loading: only its own lines differ.
    void edits() {
        QFETCH(QString, edit);
        QFETCH(Differences, expected);
        const QString file = "Lagrange Yard.scn";
        SimulatorFixture sim(Installation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, file);
        Save(*w);
        const QByteArray before = sim.ScenarioBytes(file);
        const QString ship = edit.section(u' ', 1, 1);
        if (!ship.isEmpty()) {
            ShowTabOf(*w, FindControl<QComboBox>(*w, ObjectNames::ShipName));
            PickWithKeys(FindControl<QComboBox>(*w, ObjectNames::ShipName), ship);
        }
        if (edit == "date") {
            auto* calendar = FindControl<QCalendarWidget>(*w, ObjectNames::Calendar);
            QTableView* days = calendar->findChild<QTableView*>();
            QVERIFY(days);
            days->setFocus();
            QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::Minute)->currentIndex(), 41);
            // Tug-2 orbits by position and velocity: the user keeps them, as the file has them.
            DialogScript dialogs;
            dialogs.Expect(ObjectNames::DateChangeShips, [](QDialog* d) {
                Click(d->findChild<QPushButton*>(ObjectNames::DateChangeKeep));
            });
            QTest::keyClick(days, Qt::Key_Right);
            VERIFY_SCRIPT_DONE(dialogs);
        } else if (edit == "focus") {
            PickWithKeys(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus), "Tug-2:Tug");
            Click(FindControl<QPushButton>(*w, ObjectNames::Command7));
        } else if (edit.startsWith("fuel")) {
            FuelToHalf(*w);
            ValidateShip(*w);
        } else if (edit.startsWith("orbit")) {
            Click(FindControl<QRadioButton>(*w, ObjectNames::OrbitingShipOption));
            PickWithKeys(FindControl<QComboBox>(*w, ObjectNames::OrbitingRef), "Verdant");
            Click(FindControl<QPushButton>(*w, ObjectNames::Command11));
            TypePosition(*w);
            for (const char* box : {ObjectNames::ShipOrbitingArotX, ObjectNames::ShipOrbitingArotY,
                                    ObjectNames::ShipOrbitingArotZ, ObjectNames::ShipOrbitingAngularVelocity})
                Type(FindControl<QLineEdit>(*w, box), "0");
            ValidateShip(*w);
        } else if (edit.startsWith("position")) {
            // The position boxes take a position once the orbit is given by them.
            Click(FindControl<QRadioButton>(*w, ObjectNames::ShipOrbitByState));
            TypePosition(*w);
            ValidateShip(*w);
        } else if (edit == "station") {
            ShowTabOf(*w, FindControl<QLineEdit>(*w, ObjectNames::StationInclination));
            Type(FindControl<QLineEdit>(*w, ObjectNames::StationInclination), "30");
            // A station that turns at its own frequency is still given its angles.
            for (const char* box :
                 {ObjectNames::StationXAngle, ObjectNames::StationYAngle, ObjectNames::StationZAngle})
                Type(FindControl<QLineEdit>(*w, box), "0");
            Click(FindControl<QPushButton>(*w, ObjectNames::Command1));
        }
        Save(*w);
        QVERIFY2(boxes.ShownTexts().isEmpty(), qPrintable(boxes.ShownTexts().join(" / ")));
        const ScenarioComparison comparison = CompareScenarioTexts(before, sim.ScenarioBytes(file));
        QVERIFY2(comparison.differences == expected, qPrintable(DifferencesText(comparison)));
    }

    // The placement note stays among the names, always hidden: the frames show each placement.
    void placementNote_data() {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QString>("emptyBox");
        QTest::newRow("orbital elements") << "Wayfarer" << ObjectNames::ShipOrbitingRposX;
        QTest::newRow("longitude and latitude") << "Tug-1"
                                                << "";
        QTest::newRow("a position") << "Tug-2"
                                    << "";
        QTest::newRow("a pad") << "N"
                               << "";
    }
    void placementNote() {
        QFETCH(QString, ship);
        QFETCH(QString, emptyBox);
        SimulatorFixture sim(Installation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Lagrange Yard.scn");
        ShowTabOf(*w, FindControl<QComboBox>(*w, ObjectNames::ShipName));
        PickWithKeys(FindControl<QComboBox>(*w, ObjectNames::ShipName), ship);
        auto* label = FindControl<QLabel>(*w, ObjectNames::ShipPlacementNote);
        QVERIFY(!label->isVisible());
        QCOMPARE(label->text(), QString());
        if (!emptyBox.isEmpty()) {
            QCOMPARE(FindControl<QLineEdit>(*w, qPrintable(emptyBox))->text(), QString());
            // The orbit panel draws the orbit of the elements.
            QVERIFY(!FindControl<QLabel>(*FindControl<QGroupBox>(*w, ObjectNames::ShipOrbitPanel),
                                         ObjectNames::OrbitNote)
                         ->isVisible());
        }
        if (ship == "Tug-1") {
            QCOMPARE(FindControl<QLabel>(*w, ObjectNames::ShipLandedBase)->text(), QString());
            QCOMPARE(FindControl<QLineEdit>(*w, ObjectNames::ShipLandedHeading)->text(), QString("271.50"));
        }
    }

    // A file with only an HTML description previews it as formatted text, in both dialogs;
    // it never becomes the scenario's description.
    void htmlDescriptionPreview_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("menu");
        QTest::newRow("load") << ObjectNames::LoadFile << ObjectNames::Label3 << ObjectNames::Menu12;
        QTest::newRow("delete") << ObjectNames::DeleteFile << ObjectNames::FileDeleteDescription
                                << ObjectNames::Menu11;
    }
    void htmlDescriptionPreview() {
        QFETCH(QString, dialog);
        QFETCH(QString, label);
        QFETCH(QString, menu);
        SimulatorFixture sim(Installation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        bool checked = false;
        dialogs.Expect(dialog, [&](QDialog* d) {
            auto* list = d->findChild<QListWidget*>();
            auto* preview = d->findChild<QLabel*>(label);
            QVERIFY(ClickEntry(list, "Lagrange Yard.scn"));
            QCOMPARE(preview->textFormat(), Qt::RichText);
            QVERIFY2(preview->text().startsWith("<h1>") &&
                         preview->text().contains("Night run to the Lagrange yard"),
                     qPrintable(preview->text()));
            QVERIFY(preview->text().contains("<b>Kestrel Point</b>"));
            for (const char* outside : {"img", "gauge.png", "href", "Notes"})
                QVERIFY2(!preview->text().contains(outside), outside);
            // A plain description is shown as it is, never as markup.
            QVERIFY(ClickEntry(list, "Scrap Tally.scn"));
            QCOMPARE(preview->textFormat(), Qt::PlainText);
            QCOMPARE(preview->text(), QString("Scrap count at the Pale depot."));
            d->reject();
            checked = true;
        });
        w->findChild<QAction*>(menu)->trigger();
        QVERIFY(checked);
        VERIFY_SCRIPT_DONE(dialogs);
    }

    void htmlDescriptionIsNoDescription() {
        SimulatorFixture sim(Installation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QString preview;
        LoadScenario(*w, "Lagrange Yard.scn", &preview);
        QVERIFY(preview.contains("Night run"));
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(), QString());
        QCOMPARE(DocumentOf(*w).Description, QString());
        Save(*w);
        const QByteArray saved = sim.ScenarioBytes("Lagrange Yard.scn");
        // The file had no plain description: the save adds an empty one, before the HTML.
        QVERIFY(saved.startsWith("BEGIN_DESC\r\n\r\nEND_DESC\r\n\r\nBEGIN_HYPERDESC\r\n<h1>Night run"));
        QCOMPARE(saved.count("<h1>Night run"), 1);
    }
};
QTEST_MAIN(NewerFormWindowTest)
#include "test_newer_form_windows.moc"
