#include "app/tyx.h"
#include "core/installation/settings.h"
#include "core/io/file_access.h"
#include "simulator_fixture.h"
#include "test_registry.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/dialogs/skelvan_folder_search.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
// Records every message box; answers OK. A test states which boxes it expects.
struct MessageLog {
    QStringList texts;
    MessageLog() {
        SetMessageResponder([this](const QString& text, const QString& title, MsgButtons, MsgIcon) {
            texts << title + ": " + text;
            return MsgResult::Ok;
        });
    }
    ~MessageLog() { SetMessageResponder({}); }
};

struct ModalScript {
    int shown = 0;
    explicit ModalScript(std::function<void(QDialog*)> step) {
        SetModalDriver([this, step](QDialog* dialog) {
            ++shown;
            step(dialog);
        });
    }
    ~ModalScript() { SetModalDriver({}); }
};
} // namespace

class StartupFoldersTest : public QObject {
    Q_OBJECT
  private slots:
    void validSettingNeedsNoSearch() {
        SimulatorFixture sim;
        MessageLog messages;
        ModalScript modal([](QDialog*) { QFAIL("no dialog expected"); });
        TYX tyx;
        QVERIFY(tyx.StartedUp());
        QCOMPARE(modal.shown, 0);
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(tyx.SimulatorFolder, sim.SimulatorFolder());
        QCOMPARE(tyx.CfgDir->text(), sim.SimulatorFolder() + "\\Config\\");
        QCOMPARE(tyx.ScnDir->text(), sim.SimulatorFolder() + "\\Scenarios\\");
        // The setting is rewritten with the cleaned folder alone.
        QCOMPARE(sim.Read("start/tyx.cfg"), (sim.SimulatorFolder() + "\r\n").toUtf8());
        QCOMPARE(tyx.findChild<QLabel*>("CfgDir"), tyx.CfgDir);
        QVERIFY(tyx.CfgDir->isHidden());
    }

    void staleOrMissingSettingOpensSearch_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("missing setting") << 0;
        QTest::newRow("folder without skelvan.cfg") << 1;
        QTest::newRow("empty setting") << 2;
    }
    void staleOrMissingSettingOpensSearch() {
        QFETCH(int, kind);
        SimulatorFixture sim;
        if (kind == 0)
            sim.RemoveSetting();
        else if (kind == 1)
            sim.WriteSetting(sim.Root());
        else
            sim.Write("start/tyx.cfg", "");
        MessageLog messages;
        ModalScript modal([&](QDialog* dialog) {
            auto* search = qobject_cast<SkelvanFolderSearch*>(dialog);
            QVERIFY(search);
            QCOMPARE(search->windowTitle(), QString("Skelvan folder search"));
            QVERIFY(!search->Command1->isEnabled());
            search->OpenFolder(sim.SimulatorFolder());
            QVERIFY(search->Command1->isEnabled());
            search->Command1->click();
        });
        TYX tyx;
        QVERIFY(tyx.StartedUp());
        QCOMPARE(modal.shown, 1);
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(tyx.SimulatorFolder, sim.SimulatorFolder());
        // "TYX.cfg" written by the search window is the "tyx.cfg" read and rewritten at start-up.
        QCOMPARE(SimulatorFolderFromSetting(ReadWholeFile(sim.StartFolder() + "/tyx.cfg").value_or("")),
                 sim.SimulatorFolder());
        QCOMPARE(QDir(sim.StartFolder()).entryList({"*.cfg"}, QDir::Files, QDir::IgnoreCase).size(), 1);
    }

    void searchClosedWithoutFolderEndsCleanly() {
        SimulatorFixture sim;
        sim.RemoveSetting();
        MessageLog messages;
        ModalScript modal([](QDialog* dialog) { dialog->reject(); });
        TYX tyx;
        QVERIFY(!tyx.StartedUp());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().contains("cannot work without"));
        QVERIFY(!QFile::exists(sim.StartFolder() + "/tyx.cfg"));
        QVERIFY(!QFile::exists(sim.StartFolder() + "/TYX.cfg"));
    }

    void validateNeedsSkelvanCfgInAnyCase_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("exact") << "skelvan.cfg" << true;
        QTest::newRow("capitals") << "SKELVAN.CFG" << true;
        QTest::newRow("other file") << "skelvan.bak" << false;
    }
    void validateNeedsSkelvanCfgInAnyCase() {
        QFETCH(QString, fileName);
        QFETCH(bool, enabled);
        SimulatorFixture sim;
        sim.Write("other/" + fileName, "ConfigDir = .\\Config\\\r\n");
        SkelvanFolderSearch search(sim.StartFolder() + "/");
        search.OpenFolder(sim.Root() + "/other");
        QCOMPARE(search.Command1->isEnabled(), enabled);
        QCOMPARE(search.Label1->text(), QDir::toNativeSeparators(sim.Root() + "/other"));
        search.OpenFolder(sim.Root());
        QVERIFY(!search.Command1->isEnabled());
    }

    void validateWritesTheSetting() {
        SimulatorFixture sim;
        SkelvanFolderSearch search(sim.StartFolder() + "/");
        search.OpenFolder(sim.SimulatorFolder());
        search.Command1->click();
        QVERIFY(search.Validated());
        // Written as "TYX.cfg", read as "tyx.cfg": one file, whatever the platform's case rules.
        QCOMPARE(SimulatorFolderFromSetting(sim.Read("start/tyx.cfg")),
                 QDir::toNativeSeparators(sim.SimulatorFolder()));
        QCOMPARE(QDir(sim.StartFolder()).entryList({"*.cfg"}, QDir::Files, QDir::IgnoreCase).size(), 1);
    }

    void settingThatCannotBeWrittenIsReported() {
        SimulatorFixture sim;
        TYX tyx;
        QVERIFY(tyx.StartedUp());
        // A folder in the place of the setting file: the rewrite fails and says why.
        QVERIFY(QFile::remove(sim.StartFolder() + "/tyx.cfg"));
        QVERIFY(QDir(sim.StartFolder()).mkdir("tyx.cfg"));
        MessageLog messages;
        tyx.RewriteSetting();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(
            messages.texts.first().startsWith("Warning: The setting file \"tyx.cfg\" could not be written: "),
            qPrintable(messages.texts.first()));
        QVERIFY(QFileInfo(sim.StartFolder() + "/tyx.cfg").isDir());
        QCOMPARE(tyx.SimulatorFolder, sim.SimulatorFolder());
    }

    void menuAsksForRestart() {
        SimulatorFixture sim;
        TYX tyx;
        QVERIFY(tyx.StartedUp());
        MessageLog messages;
        ModalScript modal([](QDialog* dialog) { dialog->reject(); });
        tyx.Menu32->trigger();
        QCOMPARE(modal.shown, 1);
        QCOMPARE(
            messages.texts,
            QStringList{"Information: You must restart the program to take into account the modification."});
        QCOMPARE(tyx.SimulatorFolder, sim.SimulatorFolder());
    }
};

SKELVAN_TEST(StartupFoldersTest);
#include "test_startup_folders.moc"
