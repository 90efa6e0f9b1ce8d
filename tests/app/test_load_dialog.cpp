// The load dialog, driven as a user would: its controls, the preview, and the three ways to load.
#include "app_fixture.h"
#include "test_registry.h"
#include "widgets/dialogs/load_dialog.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {
enum class LoadWay { Button, DoubleClick, Enter };

void LoadBy(QDialog* d, const QString& name, LoadWay way) {
    auto* list = d->findChild<QListWidget*>("FilelisttoLoad");
    switch (way) {
    case LoadWay::Button:
        QVERIFY(ClickEntry(list, name));
        d->findChild<QPushButton*>("Command1")->click();
        break;
    case LoadWay::DoubleClick:
        QVERIFY(DoubleClickEntry(list, name));
        break;
    case LoadWay::Enter:
        QVERIFY(ClickEntry(list, name));
        list->setFocus();
        PressEnter(list);
        break;
    }
}
} // namespace

Q_DECLARE_METATYPE(LoadWay)

class LoadDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void controls() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        bool checked = false;
        dialogs.expect("LoadFile", [&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Load a scenery"));
            QVERIFY(d->isModal());
            QCOMPARE(QApplication::activeModalWidget(), d);
            auto* list = d->findChild<QListWidget*>("FilelisttoLoad");
            QCOMPARE(list->toolTip(),
                     QString("List of the scenario files installed in the Skelvan configuration"));
            QCOMPARE(d->findChild<QLabel*>("Label2")->text(), QString("Scenario file to load"));
            QCOMPARE(d->findChild<QLabel*>("Label1")->text(), QString("Scenario description"));
            auto* preview = d->findChild<QLabel*>("Label3");
            QCOMPARE(preview->text(), QString());
            QCOMPARE(preview->toolTip(), QString("Selected scenario description"));
            auto* load = d->findChild<QPushButton*>("Command1");
            QCOMPARE(load->text(), QString("Load"));
            QCOMPARE(load->toolTip(), QString("Load the selected scenario"));
            auto* cancel = d->findChild<QPushButton*>("Command2");
            QCOMPARE(cancel->text(), QString("Cancel"));
            QCOMPARE(
                cancel->toolTip(),
                QString("Return the the main Skelvan Scenario Editor without loading the seleted scenario"));
            // Only the ".scn" files of the scenario folder, none selected.
            QCOMPARE(Entries(list), QStringList({"(Current state).scn", "(Quicksave state).scn",
                                                 "Mission.scn", "NoShips.scn", "Plain.scn"}));
            QVERIFY(list->selectedItems().isEmpty());
            cancel->click();
            QVERIFY(!d->isVisible());
            checked = true;
        });
        w->Menu12->trigger();
        QVERIFY(checked);
        QVERIFY(dialogs.done());
        // Cancel changes nothing.
        QCOMPARE(w->scnfile->text(), QString());
        QVERIFY(w->SSTab1->isHidden());
        QVERIFY(!w->Menu13->isEnabled());
        QVERIFY(boxes.shown.isEmpty());
    }

    void loadWays_data() {
        QTest::addColumn<LoadWay>("way");
        QTest::addColumn<bool>("informationEnabled");
        QTest::newRow("Load button") << LoadWay::Button << true;
        QTest::newRow("double click") << LoadWay::DoubleClick << false;
        QTest::newRow("Enter key") << LoadWay::Enter << false;
    }
    void loadWays() {
        QFETCH(LoadWay, way);
        QFETCH(bool, informationEnabled);
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        dialogs.expect("LoadFile", [&](QDialog* d) {
            LoadBy(d, "Mission.scn", way);
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Accepted));
        });
        w->Menu12->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(w->scnfile->text(), QString("Mission.scn"));
        QVERIFY(!w->scnfile->isHidden());
        QCOMPARE(w->Label9->text(), QString("Scenario file"));
        QVERIFY(w->Image5->isHidden());
        QVERIFY(!w->SSTab1->isHidden());
        QVERIFY(w->Menu13->isEnabled());
        QVERIFY(w->Menu14->isEnabled());
        QCOMPARE(w->Menu31->isEnabled(), informationEnabled);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void informationStaysEnabledOnceUnlocked() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        dialogs.expect("LoadFile", [](QDialog* d) { LoadBy(d, "Plain.scn", LoadWay::Button); });
        w->Menu12->trigger();
        QVERIFY(w->Menu31->isEnabled());
        boxes.expect("Do you wish to save Plain.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        dialogs.expect("LoadFile", [](QDialog* d) { LoadBy(d, "Mission.scn", LoadWay::DoubleClick); });
        w->Menu12->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.done());
        // Loading replaces the file name; nothing disables the items again.
        QCOMPARE(w->scnfile->text(), QString("Mission.scn"));
        QVERIFY(w->Menu31->isEnabled());
        QVERIFY(w->Menu13->isEnabled());
    }

    void nothingSelectedLoadsNothing_data() {
        QTest::addColumn<LoadWay>("way");
        QTest::newRow("Load button") << LoadWay::Button;
        QTest::newRow("Enter key") << LoadWay::Enter;
    }
    void nothingSelectedLoadsNothing() {
        QFETCH(LoadWay, way);
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        dialogs.expect("LoadFile", [&](QDialog* d) {
            auto* list = d->findChild<QListWidget*>("FilelisttoLoad");
            list->setFocus();
            if (way == LoadWay::Button)
                d->findChild<QPushButton*>("Command1")->click();
            else
                PressEnter(list);
            QVERIFY(d->isVisible());
            QCOMPARE(d->findChild<QLabel*>("Label3")->text(), QString());
            d->reject();
        });
        w->Menu12->trigger();
        QVERIFY(dialogs.done());
        QCOMPARE(w->scnfile->text(), QString());
        QVERIFY(w->SSTab1->isHidden());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void vanishedFileIsReported() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        dialogs.expect("LoadFile", [&](QDialog* d) {
            auto* list = d->findChild<QListWidget*>("FilelisttoLoad");
            QVERIFY(ClickEntry(list, "Plain.scn"));
            QVERIFY(QFile::remove(sim.scenarioPath("Plain.scn")));
            boxes.expect("The scenario file Plain.scn could not be read.", "Load a scenery", MsgButtons::Ok,
                         MsgIcon::Exclamation);
            d->findChild<QPushButton*>("Command1")->click();
            QVERIFY(d->isVisible());
            d->reject();
        });
        w->Menu12->trigger();
        QVERIFY(boxes.done());
        QCOMPARE(w->scnfile->text(), QString());
        QVERIFY(!w->Menu13->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void previewOfAFileWithoutDescriptionIsEmpty() {
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        dialogs.expect("LoadFile", [&](QDialog* d) {
            auto* list = d->findChild<QListWidget*>("FilelisttoLoad");
            auto* preview = d->findChild<QLabel*>("Label3");
            QVERIFY(ClickEntry(list, "Plain.scn"));
            QCOMPARE(preview->text(), QString());
            QVERIFY(ClickEntry(list, "NoShips.scn"));
            QCOMPARE(preview->text(), QString("Nothing to fly"));
            // Keyboard moves preview too.
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->selectedItems().value(0)->text(), QString("Plain.scn"));
            QCOMPARE(preview->text(), QString());
            d->reject();
        });
        w->Menu12->trigger();
        QVERIFY(dialogs.done());
        QVERIFY(boxes.shown.isEmpty());
    }
};

SKELVAN_TEST(LoadDialogTest);
#include "test_load_dialog.moc"
