// Saving and deleting on storage that refuses: a missing folder, a read-only file or
// folder, a folder where the file should be, a full disk. The user gets a message box with
// the reason, the file on disk is byte for byte what it was, and the document in the
// editor is unchanged.
#include "widgets/dialogs/delete_dialog.h"
#include "app_fixture.h"
#include "core/scenario/scenario_writer.h"
#include "refused_storage.h"
#include "test_registry.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {
// Root passes every permission check; where it cannot take an ordinary user's ids (a
// container that maps no other user), a read-only file refuses it nothing to test.
constexpr const char* kNoOrdinaryUser = "root cannot take an ordinary user's ids here";

enum class Refusal { MissingFolder, ReadOnlyFolder, ReadOnlyFile, FolderAsTarget, DiskFull };
enum class SaveWay { Save, SaveAs };

// What a save would write now: the document as the editor holds it.
QByteArray DocumentBytes(const TYX& w) {
    return ScenarioFileBytes(w.DocumentSnapshot(), w.StationName ? w.StationName->count() : 0,
                             w.ShipName ? w.ShipName->count() : 0);
}

// Every file and folder under a folder with its bytes, to see that nothing was added,
// removed or changed (a stray temporary file from a failed save would show here).
QMap<QString, QByteArray> FolderState(const QString& folder) {
    QMap<QString, QByteArray> state;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        state.insert(info.fileName(), info.isDir() ? QByteArray("<folder>")
                                      : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                       : QByteArray("<unreadable>"));
    }
    return state;
}

// The reason stands on the line after the path: "...saved to <path>:\n<reason>\n...".
QString ReasonOf(const QString& message) { return message.section(u'\n', 1, 1).trimmed(); }

// The whole temporary installation open to the ordinary user the refusals are tried as, so
// that what refuses is the one thing each case makes refuse.
void OpenInstallation(const SimulatorFixture& sim) {
#ifdef Q_OS_UNIX
    for (const QString& folder : {sim.tempPath(), sim.simulatorFolder(), sim.scenarioFolder()})
        OpenToEveryone(folder);
    for (const QString& name : QDir(sim.scenarioFolder()).entryList(QDir::Files))
        QFile::setPermissions(sim.scenarioPath(name), QFile::permissions(sim.scenarioPath(name)) |
                                                          QFileDevice::ReadOther | QFileDevice::WriteOther);
#else
    Q_UNUSED(sim);
#endif
}
} // namespace

Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(SaveWay)

class RefusedStorageTest : public QObject {
    Q_OBJECT
private slots:
    void saveRefused_data() {
        QTest::addColumn<SaveWay>("way");
        QTest::addColumn<Refusal>("refusal");
        for (const SaveWay way : {SaveWay::Save, SaveWay::SaveAs}) {
            const char* w = way == SaveWay::Save ? "&Save" : "save as";
            QTest::addRow("%s, missing folder", w) << way << Refusal::MissingFolder;
            QTest::addRow("%s, read-only folder", w) << way << Refusal::ReadOnlyFolder;
            QTest::addRow("%s, read-only file", w) << way << Refusal::ReadOnlyFile;
            QTest::addRow("%s, folder as target", w) << way << Refusal::FolderAsTarget;
            QTest::addRow("%s, full disk", w) << way << Refusal::DiskFull;
        }
    }
    void saveRefused() {
#ifndef Q_OS_UNIX
        QSKIP("refused storage is made with POSIX file limits and user ids");
#else
        QFETCH(SaveWay, way);
        QFETCH(Refusal, refusal);
        SimulatorFixture sim;
        MessageScript boxes;
        DialogScript dialogs;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        QCOMPARE(w->scnfile->text(), QString("Mission.scn"));
        QVERIFY(w->ShipName && w->ShipName->count() > 0);
        // An edit not saved yet, large enough to pass the size limit of a full disk.
        w->Description->setPlainText(QString(20000, u'd'));
        const QByteArray document = DocumentBytes(*w);

        OpenInstallation(sim);
        QString folder = sim.scenarioFolder();
        bool asked = true; // save-as asks before it replaces an existing file
        switch (refusal) {
        case Refusal::MissingFolder:
            folder = sim.tempPath() + "/Gone";
            w->ScnDir->setText(QDir::toNativeSeparators(folder) + QDir::separator());
            asked = false;
            break;
        case Refusal::ReadOnlyFolder: MakeReadOnly(folder); break;
        case Refusal::ReadOnlyFile: MakeReadOnly(sim.scenarioPath("Mission.scn")); break;
        case Refusal::FolderAsTarget:
            QVERIFY(QFile::remove(sim.scenarioPath("Mission.scn")));
            QVERIFY(QDir().mkdir(sim.scenarioPath("Mission.scn")));
            asked = false;
            break;
        case Refusal::DiskFull: break;
        }
        const QMap<QString, QByteArray> before = FolderState(sim.scenarioFolder());

        if (way == SaveWay::SaveAs) {
            dialogs.expect("SaveAs", SaveAsTyped("Mission"));
            if (asked)
                boxes.expect("Do you want to overwrite it ?", "This file already exists.", MsgButtons::OkCancel,
                             MsgIcon::Question, MsgResult::Ok);
        }
        boxes.expectStart("The scenario could not be saved to " + QDir::toNativeSeparators(folder), "Saving failed",
                          MsgButtons::Ok, MsgIcon::Exclamation);
        {
            std::optional<FileSizeLimit> limit;
            if (refusal == Refusal::DiskFull)
                limit.emplace(4096);
            QVERIFY(!limit || limit->ok());
            std::optional<OrdinaryUser> user;
            if (refusal == Refusal::ReadOnlyFolder || refusal == Refusal::ReadOnlyFile)
                user.emplace();
            if (user && !user->ok())
                QSKIP(kNoOrdinaryUser);
            (way == SaveWay::Save ? w->Menu13 : w->Menu14)->trigger();
        }
        OpenToEveryone(sim.scenarioFolder());
        QVERIFY(dialogs.done());
        QVERIFY(boxes.done());
        const QString reason = ReasonOf(boxes.shown.last());
        QVERIFY2(!reason.isEmpty() && reason != "Unknown error", qPrintable(boxes.shown.last()));
        QCOMPARE(FolderState(sim.scenarioFolder()), before);
        QVERIFY(!QFileInfo::exists(sim.tempPath() + "/Gone"));
        QCOMPARE(DocumentBytes(*w), document);
        QCOMPARE(w->scnfile->text(), QString("Mission.scn"));
#endif
    }

    // The same save, run as the same user under the same limit, does write when the storage
    // lets it: what refused above was the storage, not the test's set-up.
    void saveAllowed() {
#ifndef Q_OS_UNIX
        QSKIP("refused storage is made with POSIX file limits and user ids");
#else
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        LoadScenario(*w, "Mission.scn");
        w->Description->setPlainText(QString(20000, u'd'));
        OpenInstallation(sim);
        {
            FileSizeLimit limit(1 << 20);
            QVERIFY(limit.ok());
            OrdinaryUser user;
            if (!user.ok())
                QSKIP(kNoOrdinaryUser);
            w->Menu13->trigger();
        }
        QVERIFY(boxes.shown.isEmpty());
        QCOMPARE(sim.scenarioBytes("Mission.scn"), DocumentBytes(*w));
#endif
    }

    void deleteRefused_data() {
        QTest::addColumn<Refusal>("refusal");
        QTest::newRow("missing folder") << Refusal::MissingFolder;
        QTest::newRow("read-only folder") << Refusal::ReadOnlyFolder;
    }
    void deleteRefused() {
#ifndef Q_OS_UNIX
        QSKIP("refused storage is made with POSIX file limits and user ids");
#else
        QFETCH(Refusal, refusal);
        SimulatorFixture sim;
        MessageScript boxes;
        auto w = sim.makeWindow();
        OpenInstallation(sim);
        TrashInTemp trash(sim.tempPath() + "/data");
        const QString gone = sim.tempPath() + "/Moved";
        DeleteFileDialog d(w.get());
        d.show();
        QVERIFY(ClickEntry(d.FileListtoDelete, "Mission.scn"));
        if (refusal == Refusal::MissingFolder)
            QVERIFY(QDir().rename(sim.scenarioFolder(), gone));
        else
            MakeReadOnly(sim.scenarioFolder());
        const QString kept = refusal == Refusal::MissingFolder ? gone : sim.scenarioFolder();
        const QMap<QString, QByteArray> before = FolderState(kept);
        boxes.expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel, MsgIcon::Question,
                     MsgResult::Ok);
        boxes.expectStart("The file Mission.scn could not be deleted: ", "Warning", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        {
            std::optional<OrdinaryUser> user;
            if (refusal == Refusal::ReadOnlyFolder)
                user.emplace();
            if (user && !user->ok())
                QSKIP(kNoOrdinaryUser);
            d.Command1->click();
        }
        OpenToEveryone(kept);
        QVERIFY(boxes.done());
        QVERIFY2(!boxes.shown.last().section(": ", 1).trimmed().isEmpty(), qPrintable(boxes.shown.last()));
        QCOMPARE(FolderState(kept), before);
        QVERIFY(d.isVisible());
#endif
    }
};

SKELVAN_TEST(RefusedStorageTest);
#include "test_refused_storage.moc"
