// The load dialog, driven as a user would: its controls, the preview, and the three ways to load.
#include "support/simulator_fixture.h"

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
    auto* list = FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad);
    switch (way) {
    case LoadWay::Button:
        QVERIFY(ClickEntry(list, name));
        Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
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
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        bool checked = false;
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Load a scenery"));
            QVERIFY(d->isModal());
            QCOMPARE(QApplication::activeModalWidget(), d);
            auto* list = FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad);
            QCOMPARE(list->toolTip(),
                     QString("List of the scenario files installed in the Skelvan configuration"));
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::Label2)->text(), QString("Scenario file to load"));
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::Label1)->text(), QString("Scenario description"));
            auto* preview = FindControl<QLabel>(*d, ObjectNames::Label3);
            QCOMPARE(preview->text(), QString());
            QCOMPARE(preview->toolTip(), QString("Selected scenario description"));
            auto* load = FindControl<QPushButton>(*d, ObjectNames::Command1);
            QCOMPARE(load->text(), QString("Load"));
            QCOMPARE(load->toolTip(), QString("Load the selected scenario"));
            auto* cancel = FindControl<QPushButton>(*d, ObjectNames::Command2);
            QCOMPARE(cancel->text(), QString("Cancel"));
            QCOMPARE(
                cancel->toolTip(),
                QString("Return the the main Skelvan Scenario Editor without loading the seleted scenario"));
            // Only the ".scn" files of the scenario folder, none selected.
            QCOMPARE(Entries(list), QStringList({"(Current state).scn", "(Quicksave state).scn",
                                                 "Mission.scn", "NoShips.scn", "Plain.scn"}));
            QVERIFY(list->selectedItems().isEmpty());
            Click(cancel);
            QVERIFY(!d->isVisible());
            checked = true;
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        QVERIFY(checked);
        VERIFY_SCRIPT_DONE(dialogs);
        // Cancel changes nothing.
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString());
        QVERIFY(FindControl<QTabWidget>(*w, ObjectNames::SSTab1)->isHidden());
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::Menu13)->isEnabled());
        QCOMPARE(boxes.ShownTexts(), QStringList());
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
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            LoadBy(d, "Mission.scn", way);
            QVERIFY(!d->isVisible());
            QCOMPARE(d->result(), int(QDialog::Accepted));
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Mission.scn"));
        QVERIFY(!FindControl<QLabel>(*w, ObjectNames::scnfile)->isHidden());
        QCOMPARE(LabelText(*w, ObjectNames::Label9), QString("Scenario file"));
        QVERIFY(FindControl<QLabel>(*w, ObjectNames::Image5)->isHidden());
        QVERIFY(!FindControl<QTabWidget>(*w, ObjectNames::SSTab1)->isHidden());
        QVERIFY(FindControl<QAction>(*w, ObjectNames::Menu13)->isEnabled());
        QVERIFY(FindControl<QAction>(*w, ObjectNames::Menu14)->isEnabled());
        QCOMPARE(FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled(), informationEnabled);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void informationStaysEnabledOnceUnlocked() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [](QDialog* d) { LoadBy(d, "Plain.scn", LoadWay::Button); });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        QVERIFY(FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled());
        boxes.Expect("Do you wish to save Plain.scn ?", "Skelvan Scenario Editor", MsgButtons::OkCancel,
                     MsgIcon::None, MsgResult::Cancel);
        dialogs.Expect(ObjectNames::LoadFile,
                       [](QDialog* d) { LoadBy(d, "Mission.scn", LoadWay::DoubleClick); });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        // Loading replaces the file name; nothing disables the items again.
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Mission.scn"));
        QVERIFY(FindControl<QAction>(*w, ObjectNames::Menu31)->isEnabled());
        QVERIFY(FindControl<QAction>(*w, ObjectNames::Menu13)->isEnabled());
    }

    void nothingSelectedLoadsNothing_data() {
        QTest::addColumn<LoadWay>("way");
        QTest::newRow("Load button") << LoadWay::Button;
        QTest::newRow("Enter key") << LoadWay::Enter;
    }
    void nothingSelectedLoadsNothing() {
        QFETCH(LoadWay, way);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            auto* list = FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad);
            list->setFocus();
            if (way == LoadWay::Button)
                Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
            else
                PressEnter(list);
            QVERIFY(d->isVisible());
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::Label3)->text(), QString());
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString());
        QVERIFY(FindControl<QTabWidget>(*w, ObjectNames::SSTab1)->isHidden());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void vanishedFileIsReported() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            auto* list = FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad);
            QVERIFY(ClickEntry(list, "Plain.scn"));
            QVERIFY(QFile::remove(sim.ScenarioPath("Plain.scn")));
            boxes.Expect("The scenario file Plain.scn could not be read.", "Load a scenery", MsgButtons::Ok,
                         MsgIcon::Exclamation);
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
            QVERIFY(d->isVisible());
            d->reject();
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(boxes);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString());
        QVERIFY(!FindControl<QAction>(*w, ObjectNames::Menu13)->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A file that changes between its preview and the load is loaded as it is now: the
    // description shown is the one of the file loaded, and the one a save keeps.
    void fileChangedAfterItsPreviewLoadsAsItIsNow() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        const QByteArray original = sim.ScenarioBytes("NoShips.scn");
        QByteArray changed = original;
        changed.replace("Nothing to fly", "Something else now");
        QVERIFY(changed != original);
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            QVERIFY(ClickEntry(FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad), "NoShips.scn"));
            QCOMPARE(FindControl<QLabel>(*d, ObjectNames::Label3)->text(), QString("Nothing to fly"));
            sim.WriteScenario("NoShips.scn", changed);
            Click(FindControl<QPushButton>(*d, ObjectNames::Command1));
        });
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(FindControl<QPlainTextEdit>(*w, ObjectNames::Description)->toPlainText(),
                 QString("Something else now"));
    }

    void previewOfAFileWithoutDescriptionIsEmpty() {
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        auto w = sim.MakeWindow();
        dialogs.Expect(ObjectNames::LoadFile, [&](QDialog* d) {
            auto* list = FindControl<QListWidget>(*d, ObjectNames::FilelisttoLoad);
            auto* preview = FindControl<QLabel>(*d, ObjectNames::Label3);
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
        ChooseMenuItem(*w, ObjectNames::Menu12);
        VERIFY_SCRIPT_DONE(dialogs);
        QCOMPARE(boxes.ShownTexts(), QStringList());
    }
};

QTEST_MAIN(LoadDialogTest)
#include "test_load_dialog.moc"
