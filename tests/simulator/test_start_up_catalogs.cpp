// The main window's start-up catalogs, the lock and the change of planetary system, driven
// offscreen as a user drives them on a test installation.
#include "support/simulator_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

namespace {
const QString kWarning = "As soon as you select a planetary system, all the stations and ships are reset !";

QString Installation() {
    return TestDataPath("simulator/sim");
}

// A scenario of the planetary system, with the blocks given (each line ends in CR LF).
QByteArray Scenario(const QByteArray& system, const QByteArray& stations = QByteArray(),
                    const QByteArray& ships = QByteArray(), const QByteArray& description = QByteArray(),
                    const QByteArray& focus = QByteArray()) {
    QByteArray file = "BEGIN_DESC\r\n" + description + "END_DESC\r\n\r\n";
    file += "BEGIN_ENVIRONMENT\r\n  System " + system + "\r\n  Date MJD 51981.5\r\nEND_ENVIRONMENT\r\n\r\n";
    if (!focus.isEmpty()) file += "BEGIN_FOCUS\r\n  Ship " + focus + "\r\nEND_FOCUS\r\n\r\n";
    if (!stations.isEmpty()) file += "BEGIN_STATIONS\r\n" + stations + "END_STATIONS\r\n\r\n";
    if (!ships.isEmpty()) file += "BEGIN_SHIPS\r\n" + ships + "END_SHIPS\r\n";
    return file;
}

QByteArray Station(const QByteArray& name, const QByteArray& className, const QByteArray& body) {
    return name + ":" + className + "\r\n  REF " + body +
           "\r\n  EL_MJD 51981.5\r\n  ELEMENTS 7000000 0 0 0 0 0\r\n  AROT 0 0 0\r\nEND\r\n";
}

QByteArray Ship(const QByteArray& name, const QByteArray& body) {
    return name + ":Kite\r\n  STATUS Orbiting " + body +
           "\r\n  RPOS 7000000 0 0\r\n  RVEL 0 7500 0\r\nEND\r\n";
}

// A scenario of Gamma, a system without bodies, with a station, two ships and a description.
QByteArray OldScenario() {
    return Scenario("Gamma", Station("Old station", "Dock2", "Ash"),
                    Ship("Old ship", "Ash") + Ship("Other ship", "Ash"), "An old scenario\r\n", "Old ship");
}

QComboBox* Systems(const TYX& w) {
    return FindControl<QComboBox>(w, ObjectNames::PlanetarySystem);
}

// The information window, made by the main window once a system was read.
QWidget* Information(const TYX& w) {
    return FindControl<QWidget>(w, ObjectNames::PlanetarySystemInformation);
}

QString InformationText(const TYX& w, const char* name) {
    QWidget* window = Information(w);
    return window ? LabelText(*window, name) : QString();
}

QComboBox* InformationBodies(const TYX& w) {
    return FindControl<QComboBox>(*Information(w), ObjectNames::Planet);
}

// The system list's entries as "name (file)".
QStringList SystemEntries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i) + " (" + box->itemData(i).toString() + ")");
    return entries;
}

// The lines of a tree without the marks of the open items.
QStringList TreeShape(const QTreeWidget* tree) {
    QStringList lines = TreeItemLines(tree);
    for (QString& line : lines)
        if (line.endsWith(" +")) line.chop(2);
    return lines;
}

// Clears the lock as the user does: the warning, then the list can be used.
void Unlock(TYX& w, MessageBoxScript& boxes) {
    boxes.Expect(kWarning, "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
    ClickNamed(w, ObjectNames::Check2);
    VERIFY_SCRIPT_DONE(boxes);
    QVERIFY(Systems(w)->isEnabled());
}
} // namespace

class StartUpCatalogsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void catalogsAfterStartUp() {
        SimulatorFixture sim(Installation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QVERIFY(w->StartedUp());
        // Each entry carries its system file.
        QCOMPARE(SystemEntries(Systems(*w)), (QStringList{"Alpha (Alpha.cfg)", "Beta (Beta.cfg)",
                                                          "Gamma (Gamma.cfg)", "Hybrid (Hybrid.cfg)"}));
        QCOMPARE(Systems(*w)->currentIndex(), -1); // no system before a scenario is read
        auto* spacecraft = FindControl<QComboBox>(*w, ObjectNames::Spacecraft);
        QCOMPARE(spacecraft->count(), 10);
        QCOMPARE(spacecraft->itemText(5), QString("ght"));
        // One station class per dock list: Double.cfg has two.
        auto* stationClasses = FindControl<QComboBox>(*w, ObjectNames::StationClass);
        QCOMPARE(Items(stationClasses), (QStringList{"Dock2", "Double", "Double"}));
        QCOMPARE(stationClasses->currentIndex(), 0);
        QVERIFY(FindControl<QCheckBox>(*w, ObjectNames::Check2)->isChecked());
        QVERIFY(!Systems(*w)->isEnabled());
        // The station class files were kept for their dock ports: stations of both classes
        // show them once a scenario is read (two lists and the one between them for Double).
        sim.WriteScenario(
            "Docks.scn", Scenario("Alpha", Station("One", "Dock2", "Ash") + Station("Two", "Double", "Ash")));
        LoadScenario(*w, "Docks.scn");
        QCOMPARE(TreeShape(FindControl<QTreeWidget>(*w, ObjectNames::ShipDockedTree)),
                 (QStringList{"[Ash] 1", "  [One] 3", "    [Dock  1] 6", "    [Dock  2] 6", "  [Two] 3",
                              "    [Dock  1] 6", "    [Dock  2] 6", "    [Dock  3] 6", "[Birch] 1",
                              "  [   Cone] 2", "[Dune] 1"}));
        VERIFY_SCRIPT_DONE(boxes);
    }

    // The spacecraft classes come from the class records of the files listed, each file's
    // records repeated as often as the file holds them.
    void findDataReadsTheListedFiles() {
        SimulatorFixture sim;
        for (const char* name : {"Twin.cfg", "Kite.cfg"})
            QVERIFY(QFile::copy(Installation() + "/Config/" + name, sim.ConfigFolder() + "/" + name));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::Spacecraft)),
                 (QStringList{"Kite", "Twin A", "Twin B", "Twin A", "Twin B"}));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationClass)->count(), 0);
    }

    void lockWarnsOnlyWhenCleared() {
        SimulatorFixture sim(Installation());
        sim.WriteScenario("Old.scn", OldScenario());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Old.scn");
        auto* lock = FindControl<QCheckBox>(*w, ObjectNames::Check2);
        for (int round = 0; round < 2; ++round) {
            boxes.Expect(kWarning, "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
            Click(lock);
            QVERIFY(!lock->isChecked());
            QVERIFY(Systems(*w)->isEnabled());
            VERIFY_SCRIPT_DONE(boxes);
            Click(lock); // setting the lock again says nothing
            QVERIFY(lock->isChecked());
            QVERIFY(!Systems(*w)->isEnabled());
        }
        QCOMPARE(boxes.shown.size(), qsizetype(2));
    }

    void userChoiceChangesTheSystem() {
        SimulatorFixture sim(Installation());
        // A scenario in the window, to be emptied.
        sim.WriteScenario("Old.scn", OldScenario());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Old.scn");
        QCOMPARE(LabelText(*w, ObjectNames::ShipFocus), QString("Old ship"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus)->count(), 2);

        Unlock(*w, boxes);
        QVERIFY(PickText(Systems(*w), "Alpha"));
        QCOMPARE(Systems(*w)->currentText(), QString("Alpha"));
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::StationRef)),
                 (QStringList{"Ash", "Birch", "   Cone", "Dune"}));
        const ScenarioDocument& document = DocumentOf(*w);
        QCOMPARE(document.StationTable.size(), std::size_t(1));
        QCOMPARE(document.StationTable[0].Name, QString());
        QCOMPARE(document.ShipTable.size(), std::size_t(1));
        QCOMPARE(document.ShipTable[0].Name, QString());
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(), QString());
        QCOMPARE(LabelText(*w, ObjectNames::ShipFocus), QString());
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::PossibleShipFocus)->count(), 0);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationName)->count(), 0);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count(), 0);
        QCOMPARE(LabelText(*w, ObjectNames::StationIndex), QString("0"));
        QCOMPARE(LabelText(*w, ObjectNames::ShipIndex), QString("0"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::OrbitingRef)->itemText(2), QString("   Cone"));
        // The information window is filled, not shown, and shows the third body, a moon read
        // from its own file under its name without the blanks.
        QVERIFY(!Information(*w)->isVisible());
        QCOMPARE(InformationBodies(*w)->count(), 4);
        QCOMPARE(InformationBodies(*w)->currentIndex(), 2);
        QCOMPARE(InformationText(*w, ObjectNames::PlanetSideralRotationPeriod), QString("23h56min4sec"));

        // Another choice runs on the system just chosen, not on the one chosen before.
        QVERIFY(PickText(Systems(*w), "Beta"));
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::StationRef)), (QStringList{"Ember", "Frost"}));
        QCOMPARE(InformationBodies(*w)->currentIndex(), 0); // fewer than three bodies: the first
        QCOMPARE(InformationText(*w, ObjectNames::PlanetAtmosphereLimit), QString("50,000 m"));
        VERIFY_SCRIPT_DONE(boxes);
    }

    // While the lock is set the list takes no pick.
    void lockedListChangesNothing() {
        SimulatorFixture sim(Installation());
        sim.WriteScenario("Old.scn", Scenario("Beta", Station("Old station", "Dock2", "Ember")));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Old.scn");
        Pick(Systems(*w), Systems(*w)->findText("Alpha"));
        QCOMPARE(Systems(*w)->currentText(), QString("Beta"));
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::StationRef)), (QStringList{"Ember", "Frost"}));
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::StationName)), QStringList{"Old station"});
    }

    // Reading a scenario names the system of its file in the list: the scenario must stay.
    void choiceFromCodeChangesNothing() {
        SimulatorFixture sim(Installation());
        sim.WriteScenario("Old.scn", OldScenario());
        sim.WriteScenario("Beta.scn",
                          Scenario("Beta", QByteArray(), Ship("First", "Ember") + Ship("Second", "Frost")));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Old.scn");
        Unlock(*w, boxes);
        boxes.Expect("Do you wish to save Old.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        LoadScenario(*w, "Beta.scn");
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(Systems(*w)->currentText(), QString("Beta"));
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::ShipName)), (QStringList{"First", "Second"}));
        QCOMPARE(DocumentOf(*w).ShipTable.size(), std::size_t(3));
        QCOMPARE(DocumentOf(*w).ShipTable[1].Name, QString("Second"));
    }

    // A scenario of a system no file gave adds an entry without a file; picking it changes nothing.
    void entryWithoutFileChangesNothing() {
        SimulatorFixture sim(Installation());
        sim.WriteScenario("Unknown.scn",
                          Scenario("Unknown", QByteArray(), Ship("First", "Ash") + Ship("Second", "Ash")));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        // The path in the platform's form, whatever separators the folder setting holds.
        boxes.Expect("The planetary system file \"" +
                         QDir::toNativeSeparators(sim.ConfigFolder() + "/Unknown.cfg") + "\" cannot be read.",
                     "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        LoadScenario(*w, "Unknown.scn");
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(Systems(*w)->currentText(), QString("Unknown"));
        QCOMPARE(Systems(*w)->currentData().toString(), QString());
        Unlock(*w, boxes);
        QVERIFY(PickText(Systems(*w), "Unknown"));
        QCOMPARE(DocumentOf(*w).ShipTable.size(), std::size_t(3));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count(), 2);
        // The entries after it still open their own files.
        QVERIFY(PickText(Systems(*w), "Alpha"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationRef)->itemText(0), QString("Ash"));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count(), 0);
    }

    void unreadableFileIsSkippedAndReported() {
        SimulatorFixture sim(Installation());
        // A file that opens but whose reading fails: this process's memory seen from offset 0.
        if (!QFile::exists("/proc/self/mem")) QSKIP("needs a file whose reading fails");
        QVERIFY(QFile::link("/proc/self/mem", sim.ConfigFolder() + "/Broken.cfg"));
        MessageBoxScript boxes;
        boxes.Expect(
            "These configuration files could not be read and are left out of the catalogs:\rBroken.cfg",
            "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        auto w = sim.MakeWindow();
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(SystemEntries(Systems(*w)), (QStringList{"Alpha (Alpha.cfg)", "Beta (Beta.cfg)",
                                                          "Gamma (Gamma.cfg)", "Hybrid (Hybrid.cfg)"}));
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationClass)->count(), 3);
    }

    // The system file went away after the start: picking the system says so and lists no body.
    void unreadableSystemFileIsReported() {
        SimulatorFixture sim(Installation());
        sim.WriteScenario("Old.scn", Scenario("Beta", Station("Old station", "Dock2", "Ember")));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        LoadScenario(*w, "Old.scn");
        QVERIFY(QFile::remove(sim.ConfigFolder() + "/Alpha.cfg"));
        Unlock(*w, boxes);
        boxes.Expect("The planetary system file \"" +
                         QDir::toNativeSeparators(sim.ConfigFolder() + "/Alpha.cfg") + "\" cannot be read.",
                     "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        QVERIFY(PickText(Systems(*w), "Alpha"));
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(FindControl<QComboBox>(*w, ObjectNames::StationRef)->count(), 0);
        QCOMPARE(InformationBodies(*w)->count(), 0);
        QCOMPARE(InformationText(*w, ObjectNames::PlanetMass), QString());
    }

    void demoInstallation() {
        SimulatorFixture sim(DemoPath(QString()));
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        QCOMPARE(SystemEntries(Systems(*w)), (QStringList{"Corvus (Corvus.cfg)", "Sol (Sol.cfg)"}));
        QCOMPARE(Items(FindControl<QComboBox>(*w, ObjectNames::StationClass)),
                 (QStringList{"Carousel", "Lantern", "Trellis"}));
        LoadScenario(*w, "Earth Orbit Rendezvous.scn");
        ChooseMenuItem(*w, ObjectNames::Menu31);
        QVERIFY(Information(*w)->isVisible());
        QCOMPARE(InformationBodies(*w)->currentText(), QString("Earth"));
        QCOMPARE(InformationText(*w, ObjectNames::PlanetMeanRadius), QString("6,371,000 m"));
        QCOMPARE(InformationText(*w, ObjectNames::PlanetSideralRotationPeriod), QString("23h56min4sec"));
        VERIFY_SCRIPT_DONE(boxes);
    }
};

QTEST_MAIN(StartUpCatalogsTest)
#include "test_start_up_catalogs.moc"
