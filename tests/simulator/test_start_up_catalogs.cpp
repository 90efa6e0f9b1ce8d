// The main window's start-up catalogs, the lock and the change of planetary system, driven
// offscreen on a test installation.
#include "app/tyx.h"
#include "test_registry.h"
#include "tyx_fixture.h"
#include "widgets/dialogs/planetary_system_information.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {
const QString kWarning = "As soon as you select a planetary system, all the stations and ships are reset !";

int IndexOf(QComboBox* box, const QString& text) {
    return box->findText(text, Qt::MatchExactly);
}

// A user's choice in the list: keyboard steps from the entry shown to the wanted one.
void UserChooses(QComboBox* box, int index) {
    QSignalBlocker block(box);
    box->setCurrentIndex(index == 0 ? 1 : index - 1);
    block.unblock();
    QTest::keyClick(box, index == 0 ? Qt::Key_Up : Qt::Key_Down);
}
} // namespace

class StartUpCatalogsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void catalogsAfterStartUp() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        QVERIFY(w.StartedUp());
        QStringList systems;
        QStringList files;
        for (int i = 0; i < w.PlanetarySystem->count(); ++i) {
            systems.append(w.PlanetarySystem->itemText(i));
            files.append(w.PlanetarySystem->itemData(i).toString());
        }
        QCOMPARE(systems, (QStringList{"Alpha", "Beta", "Gamma", "Hybrid"}));
        QCOMPARE(files, (QStringList{"Alpha.cfg", "Beta.cfg", "Gamma.cfg", "Hybrid.cfg"}));
        QCOMPARE(w.PlanetarySystemFile, files);
        QCOMPARE(w.PlanetarySystem->currentIndex(), -1); // no system before a scenario is read
        // The station class files stay in Buffer for the dock ports, in the order of StationClass.
        QCOMPARE(w.Buffer, (QStringList{"Dock2.cfg", "Double.cfg", "Double.cfg"}));
        QCOMPARE(w.NBuffer, (QStringList{"Dock2Mesh", "DoubleMesh", "DoubleMesh"}));
        QCOMPARE(w.BufferList.size(), 19);
        if (w.Spacecraft) {
            QCOMPARE(w.Spacecraft->count(), 10);
            QCOMPARE(w.Spacecraft->itemText(5), QString("ght"));
        }
        if (w.StationClass) {
            QCOMPARE(w.StationClass->count(), 3);
            QCOMPARE(w.StationClass->currentIndex(), 0);
            QCOMPARE(w.StationClass->currentText(), QString("Dock2"));
        }
        QVERIFY(w.Check2->isChecked());
        QVERIFY(!w.PlanetarySystem->isEnabled());
        QVERIFY(boxes.AllShown());
    }

    void findDataReadsTheListedFiles() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        w.BufferList = QStringList{"Twin.cfg", "Kite.cfg", "Missing.cfg"};
        w.FindData("ClassName", "ClassName");
        QCOMPARE(w.Buffer, (QStringList{"Twin.cfg", "Twin.cfg", "Kite.cfg"}));
        QCOMPARE(w.NBuffer, (QStringList{"Twin A", "Twin B", "Twin A", "Twin B", "Kite"}));
    }

    void lockWarnsOnlyWhenCleared() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        for (int round = 0; round < 2; ++round) {
            boxes.Expect(kWarning, "Warning", MsgIcon::Exclamation);
            w.Check2->click();
            QVERIFY(!w.Check2->isChecked());
            QVERIFY(w.PlanetarySystem->isEnabled());
            QVERIFY(boxes.AllShown());
            w.Check2->click(); // setting the lock again says nothing
            QVERIFY(w.Check2->isChecked());
            QVERIFY(!w.PlanetarySystem->isEnabled());
        }
        QCOMPARE(boxes.shown.size(), 2);
    }

    void userChoiceChangesTheSystem() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        // A scenario in the window, to be emptied.
        w.Document.StationTableRedim(2);
        w.Document.StationTable[1].Name = "Old station";
        w.Document.ShipTableRedim(3);
        w.Document.ShipTable[2].Name = "Old ship";
        w.Description->setPlainText("An old scenario");
        w.ShipFocus->setText("Old ship");
        w.PossibleShipFocus->addItems({"Old ship", "Other ship"});

        boxes.Expect(kWarning, "Warning", MsgIcon::Exclamation);
        w.Check2->click();
        UserChooses(w.PlanetarySystem, IndexOf(w.PlanetarySystem, "Alpha"));
        QCOMPARE(w.PlanetarySystem->currentText(), QString("Alpha"));
        QCOMPARE(w.Buffer, (QStringList{"Ash", "Birch", "   Cone", "Dune"}));
        QCOMPARE(w.Document.StationTable.size(), std::size_t(1));
        QCOMPARE(w.Document.StationTable[0].Name, QString());
        QCOMPARE(w.Document.ShipTable.size(), std::size_t(1));
        QCOMPARE(w.Document.ShipTable[0].Name, QString());
        QCOMPARE(w.Description->toPlainText(), QString());
        QCOMPARE(w.ShipFocus->text(), QString());
        QCOMPARE(w.PossibleShipFocus->count(), 0);
        if (w.StationIndex) QCOMPARE(w.StationIndex->text(), QString("0"));
        if (w.ShipIndex) QCOMPARE(w.ShipIndex->text(), QString("0"));
        if (w.StationRef) QCOMPARE(w.StationRef->count(), 4);
        if (w.OrbitingRef) QCOMPARE(w.OrbitingRef->itemText(2), QString("   Cone"));
        // The information window is filled, not shown, and shows the third body, a moon read
        // from its own file under its name without the blanks.
        PlanetarySystemInformation* info = w.InformationWindow();
        QVERIFY(!info->isVisible());
        QCOMPARE(info->Planet->count(), 4);
        QCOMPARE(info->Planet->currentIndex(), 2);
        QCOMPARE(info->PlanetSideralRotationPeriod->text(), QString("23h56min4sec"));

        // Another choice runs on the system just chosen, not on the one chosen before.
        UserChooses(w.PlanetarySystem, IndexOf(w.PlanetarySystem, "Beta"));
        QCOMPARE(w.Buffer, (QStringList{"Ember", "Frost"}));
        QCOMPARE(info->Planet->currentIndex(), 0); // fewer than three bodies: the first
        QCOMPARE(info->PlanetAtmosphereLimit->text(), QString("50,000 m"));
        QVERIFY(boxes.AllShown());
    }

    void lockedListChangesNothing() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        w.Buffer = QStringList{"untouched"};
        w.PlanetarySystem->setEnabled(true); // even if the list could be reached
        UserChooses(w.PlanetarySystem, IndexOf(w.PlanetarySystem, "Alpha"));
        QCOMPARE(w.Buffer, QStringList{"untouched"});
    }

    void choiceFromCodeChangesNothing() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        boxes.Expect(kWarning, "Warning", MsgIcon::Exclamation);
        w.Check2->click();
        w.Document.ShipTableRedim(2);
        // The scenario reader names the system of its file: the scenario must stay.
        w.PlanetarySystem->setCurrentIndex(IndexOf(w.PlanetarySystem, "Beta"));
        QCOMPARE(w.Document.ShipTable.size(), std::size_t(3));
    }

    void entryWithoutFileChangesNothing() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        boxes.Expect(kWarning, "Warning", MsgIcon::Exclamation);
        w.Check2->click();
        w.PlanetarySystem->insertItem(0, "Unknown"); // a name that no system file gave
        w.Document.ShipTableRedim(2);
        UserChooses(w.PlanetarySystem, 0);
        QCOMPARE(w.Document.ShipTable.size(), std::size_t(3));
        // The entries after it still open their own files.
        UserChooses(w.PlanetarySystem, IndexOf(w.PlanetarySystem, "Alpha"));
        QCOMPARE(w.Buffer.first(), QString("Ash"));
    }

    void unreadableFileIsSkippedAndReported() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"), false);
        // A file that opens but whose reading fails: this process's memory seen from offset 0.
        if (!QFile::exists("/proc/self/mem")) QSKIP("needs a file whose reading fails");
        QVERIFY(QFile::link("/proc/self/mem", run.ConfigFolder() + "Broken.cfg"));
        boxes.Expect(
            "These configuration files could not be read and are left out of the catalogs:\rBroken.cfg",
            "Warning", MsgIcon::Exclamation);
        run.Start();
        QVERIFY(boxes.AllShown());
        QCOMPARE(run.window->PlanetarySystemFile,
                 (QStringList{"Alpha.cfg", "Beta.cfg", "Gamma.cfg", "Hybrid.cfg"}));
        QCOMPARE(run.window->Buffer.size(), 3);
    }

    void unreadableSystemFileIsReported() {
        ScriptedBoxes boxes;
        TyxInTemp run(TestData("sim"));
        TYX& w = *run.window;
        const QString path = w.CfgDir->text() + "Nowhere.cfg";
        boxes.Expect("The planetary system file \"" + path + "\" cannot be read.", "Warning",
                     MsgIcon::Exclamation);
        w.Buffer = QStringList{"stale"};
        w.ExtractPlanet(path);
        QVERIFY(boxes.AllShown());
        QVERIFY(w.Buffer.isEmpty());
        QCOMPARE(w.InformationWindow()->Planet->count(), 0);
        QCOMPARE(w.InformationWindow()->PlanetMass->text(), QString());
    }

    void demoInstallation() {
        ScriptedBoxes boxes;
        TyxInTemp run(QStringLiteral(SKELVAN_DEMO_DIR));
        TYX& w = *run.window;
        QCOMPARE(w.PlanetarySystemFile, (QStringList{"Corvus.cfg", "Sol.cfg"}));
        QCOMPARE(w.Buffer, (QStringList{"Carousel.cfg", "Lantern.cfg", "Trellis.cfg"}));
        w.ExtractPlanet(w.CfgDir->text() + "Sol.cfg");
        PlanetarySystemInformation* info = w.InformationWindow();
        QCOMPARE(info->Planet->currentText(), QString("Earth"));
        QCOMPARE(info->PlanetMeanRadius->text(), QString("6,371,000 m"));
        QCOMPARE(info->PlanetSideralRotationPeriod->text(), QString("23h56min4sec"));
        QVERIFY(boxes.AllShown());
    }
};
SKELVAN_TEST(StartUpCatalogsTest);
#include "test_start_up_catalogs.moc"
