// Saving and deleting on storage that refuses: a missing folder, a read-only file or
// folder, a folder where the file should be, a full disk. The user gets a message box with
// the reason, the file on disk is byte for byte what it was, and the document in the
// editor is unchanged.
#include "support/refused_storage.h"
#include "support/simulator_fixture.h"
#include "support/trash_scope.h"
#include "widgets/dialogs/delete_dialog.h"
#include "widgets/dialogs/skelvan_folder_search.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <cerrno>
#include <cstring>
#include <optional>

namespace {
// Root passes every permission check; where it cannot take an ordinary user's ids (a
// container that maps no other user), a read-only file refuses it nothing to test.
constexpr const char* kNoOrdinaryUser = "root cannot take an ordinary user's ids here";

enum class Refusal { MissingFolder, ReadOnlyFolder, ReadOnlyFile, FolderAsTarget, DiskFull };
enum class SaveWay { Save, SaveAs };

// A scenario of about 1 KB fits in the file device's write buffer (16 KiB) and reaches the
// disk only when that buffer is flushed at the end of the save; a large one passes through
// the buffer while it is written. A full disk must refuse both the same way.
enum class DocumentSize { Small, Large };
// The two ways the setting file "tyx.cfg" is written: rewritten at every start, and written
// by the folder search window's Validate.
enum class SettingWrite { StartUp, FolderSearch };
constexpr qint64 kWriteBuffer = 16384;
// Room left on the full disk: less than either document.
constexpr qint64 kFullDiskRoom = 512;

// Mission.scn opened and its description replaced, as the user edits it.
std::unique_ptr<TYX> EditedMission(const SimulatorFixture& sim, const QString& description) {
    auto w = sim.MakeWindow();
    LoadScenario(*w, "Mission.scn");
    Paste(FindControl<QPlainTextEdit>(*w, ObjectNames::Description), description);
    return w;
}

// What a save of that edit writes where the storage lets it: saved under another name by a
// window of its own, read, and removed again.
QByteArray SavedEdit(const SimulatorFixture& sim, const QString& description) {
    QByteArray bytes;
    {
        auto w = EditedMission(sim, description);
        SaveAs(*w, "Reference");
        bytes = sim.ScenarioBytes("Reference.scn");
    }
    QFile::remove(sim.ScenarioPath("Reference.scn"));
    return bytes;
}

// Every file and folder under a folder with its bytes, to see that nothing was added,
// removed or changed (a stray temporary file from a failed save would show here).
QMap<QString, QByteArray> FolderState(const QString& folder) {
    QMap<QString, QByteArray> state;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        state.insert(info.fileName(), info.isDir()                     ? QByteArray("<folder>")
                                      : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                       : QByteArray("<unreadable>"));
    }
    return state;
}

// The reason stands on the line after the path: "...saved to <path>:\n<reason>\n...".
QString ReasonOf(const QString& message) {
    return message.section(u'\n', 1, 1).trimmed();
}

// The whole temporary installation open to the ordinary user the refusals are tried as, so
// that what refuses is the one thing each case makes refuse.
void OpenInstallation(const SimulatorFixture& sim) {
#ifdef Q_OS_UNIX
    for (const QString& folder : {sim.Root(), sim.SimulatorFolder(), sim.ScenarioFolder()})
        OpenToEveryone(folder);
    for (const QString& name : QDir(sim.ScenarioFolder()).entryList(QDir::Files))
        QFile::setPermissions(sim.ScenarioPath(name), QFile::permissions(sim.ScenarioPath(name)) |
                                                          QFileDevice::ReadOther | QFileDevice::WriteOther);
#else
    Q_UNUSED(sim);
#endif
}
} // namespace

Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(SaveWay)
Q_DECLARE_METATYPE(DocumentSize)
Q_DECLARE_METATYPE(SettingWrite)

class RefusedStorageTest : public QObject {
    Q_OBJECT
  private slots:
    void saveRefused_data() {
        QTest::addColumn<SaveWay>("way");
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<DocumentSize>("size");
        for (const SaveWay way : {SaveWay::Save, SaveWay::SaveAs}) {
            const char* w = way == SaveWay::Save ? "&Save" : "save as";
            QTest::addRow("%s, missing folder", w) << way << Refusal::MissingFolder << DocumentSize::Large;
            QTest::addRow("%s, read-only folder", w) << way << Refusal::ReadOnlyFolder << DocumentSize::Large;
            QTest::addRow("%s, read-only file", w) << way << Refusal::ReadOnlyFile << DocumentSize::Large;
            QTest::addRow("%s, folder as target", w) << way << Refusal::FolderAsTarget << DocumentSize::Large;
            QTest::addRow("%s, full disk, small document", w)
                << way << Refusal::DiskFull << DocumentSize::Small;
            QTest::addRow("%s, full disk, large document", w)
                << way << Refusal::DiskFull << DocumentSize::Large;
        }
    }
    void saveRefused() {
#ifndef Q_OS_UNIX
        QSKIP("refused storage is made with POSIX file limits and user ids");
#else
        QFETCH(SaveWay, way);
        QFETCH(Refusal, refusal);
        QFETCH(DocumentSize, size);
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        DialogScript dialogs;
        // An edit not saved yet, which makes the document the size the row is about.
        const QString description(size == DocumentSize::Small ? 300 : 20000, u'd');
        const QByteArray document = SavedEdit(sim, description);
        auto w = EditedMission(sim, description);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Mission.scn"));
        QVERIFY(FindControl<QComboBox>(*w, ObjectNames::ShipName)->count() > 0);
        if (size == DocumentSize::Small)
            QVERIFY2(document.size() > kFullDiskRoom && document.size() < kWriteBuffer / 8,
                     qPrintable(QString::number(document.size())));
        else
            QVERIFY2(document.size() > kWriteBuffer, qPrintable(QString::number(document.size())));

        OpenInstallation(sim);
        const QString folder = sim.ScenarioFolder();
        // Where the scenario folder's files are looked at afterwards.
        QString kept = folder;
        bool asked = true; // save-as asks before it replaces an existing file
        switch (refusal) {
        case Refusal::MissingFolder:
            // The scenario folder has gone since the file was loaded.
            kept = sim.Root() + "/Gone";
            QVERIFY(QDir().rename(folder, kept));
            asked = false;
            break;
        case Refusal::ReadOnlyFolder:
            MakeReadOnly(folder);
            break;
        case Refusal::ReadOnlyFile:
            MakeReadOnly(sim.ScenarioPath("Mission.scn"));
            break;
        case Refusal::FolderAsTarget:
            QVERIFY(QFile::remove(sim.ScenarioPath("Mission.scn")));
            QVERIFY(QDir().mkdir(sim.ScenarioPath("Mission.scn")));
            asked = false;
            break;
        case Refusal::DiskFull:
            break;
        }
        const QMap<QString, QByteArray> before = FolderState(kept);

        if (way == SaveWay::SaveAs) {
            dialogs.Expect(ObjectNames::SaveAs, SaveAsTyped("Mission"));
            if (asked)
                boxes.Expect("Do you want to overwrite it ?", "This file already exists.",
                             MsgButtons::OkCancel, MsgIcon::Question, MsgResult::Ok);
        }
        boxes.ExpectStart("The scenario could not be saved to " + QDir::toNativeSeparators(folder),
                          "Saving failed", MsgButtons::Ok, MsgIcon::Exclamation);
        {
            std::optional<FileSizeLimit> limit;
            if (refusal == Refusal::DiskFull) limit.emplace(kFullDiskRoom);
            QVERIFY(!limit || limit->ok());
            std::optional<OrdinaryUser> user;
            if (refusal == Refusal::ReadOnlyFolder || refusal == Refusal::ReadOnlyFile) user.emplace();
            if (user && !user->ok()) QSKIP(kNoOrdinaryUser);
            ChooseMenuItem(*w, way == SaveWay::Save ? ObjectNames::Menu13 : ObjectNames::Menu14);
        }
        OpenToEveryone(kept);
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        const QString message = boxes.shown.last().text;
        const QString reason = ReasonOf(message);
        QVERIFY2(!reason.isEmpty() && reason != "Unknown error", qPrintable(message));
        if (refusal == Refusal::DiskFull) // the system's reason for a write past the file size limit
            QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(FolderState(kept), before);
        QCOMPARE(LabelText(*w, ObjectNames::scnfile), QString("Mission.scn"));
        // Nothing made the missing folder again.
        if (refusal == Refusal::MissingFolder) {
            QVERIFY(!QFileInfo::exists(folder));
            QVERIFY(QDir().rename(kept, folder));
        }
        // The edit is still the editor's: saved where the storage lets it, it gives the same bytes.
        SaveAs(*w, "After");
        QCOMPARE(sim.ScenarioBytes("After.scn"), document);
#endif
    }

    // The same save, run as the same user under the same limit, does write when the storage
    // lets it: what refused above was the storage, not the test's set-up.
    void saveAllowed() {
#ifndef Q_OS_UNIX
        QSKIP("refused storage is made with POSIX file limits and user ids");
#else
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        const QString description(20000, u'd');
        const QByteArray document = SavedEdit(sim, description);
        auto w = EditedMission(sim, description);
        OpenInstallation(sim);
        {
            FileSizeLimit limit(1 << 20);
            QVERIFY(limit.ok());
            OrdinaryUser user;
            if (!user.ok()) QSKIP(kNoOrdinaryUser);
            ChooseMenuItem(*w, ObjectNames::Menu13);
        }
        QCOMPARE(boxes.ShownTexts(), QStringList());
        QCOMPARE(sim.ScenarioBytes("Mission.scn"), document);
#endif
    }

    // The setting file is one line, the simulator folder; on a full disk with less room than
    // that line it is refused as a scenario is, and the setting the user had stays.
    void settingRefused_data() {
        QTest::addColumn<SettingWrite>("writer");
        QTest::newRow("start-up rewrite") << SettingWrite::StartUp;
        QTest::newRow("folder search") << SettingWrite::FolderSearch;
    }
    void settingRefused() {
#ifndef Q_OS_UNIX
        QSKIP("a full disk is made with the POSIX file size limit");
#else
        QFETCH(SettingWrite, writer);
        SimulatorFixture sim(AppInstallation());
        QVERIFY(sim.Ok());
        // An installation in folders with long names, so that the setting's line is longer than
        // the room left on the disk.
        const QString deep =
            sim.Root() + "/" + QString(200, u'a') + "/" + QString(200, u'b') + "/" + QString(200, u'c');
        QVERIFY(QDir().mkpath(deep));
        const QString installation = deep + "/sim";
        QVERIFY(QDir().rename(sim.SimulatorFolder(), installation));
        const QString start = sim.Root() + "/start";
        // The setting as the user left it, with a comment: the rewrite would drop the comment.
        const QByteArray setting = (QDir::toNativeSeparators(installation) + " ; Skelvan\r\n").toLocal8Bit();
        const auto writeSetting = [&] {
            QFile file(start + "/tyx.cfg");
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(file.write(setting), setting.size());
        };
        writeSetting();
        QVERIFY2(setting.size() > kFullDiskRoom + 16, qPrintable(QString::number(setting.size())));

        MessageBoxScript boxes;
        DialogScript dialogs;
        std::unique_ptr<TYX> w;
        QMap<QString, QByteArray> before;
        if (writer == SettingWrite::StartUp) {
            before = FolderState(start);
            boxes.ExpectStart("The setting file \"tyx.cfg\" could not be written: ", "Warning",
                              MsgButtons::Ok, MsgIcon::Exclamation);
            FileSizeLimit limit(kFullDiskRoom);
            QVERIFY(limit.ok());
            w = sim.MakeWindow();
        } else {
            w = sim.MakeWindow();
            writeSetting();
            before = FolderState(start);
            dialogs.Expect(ObjectNames::SkelvanFolderSearch, [&](QDialog* dialog) {
                auto* search = qobject_cast<SkelvanFolderSearch*>(dialog);
                QVERIFY(search);
                QVERIFY(ClickFolder(FindControl<QTreeView>(*search, ObjectNames::Dir1), installation));
                auto* validate = FindControl<QPushButton>(*search, ObjectNames::Command1);
                QVERIFY(validate->isEnabled());
                Click(validate);
                // A refused write leaves the window open for another try; the user gives up.
                QVERIFY(search->isVisible());
                search->reject();
            });
            boxes.ExpectStart("The setting file could not be written: ", "Error", MsgButtons::Ok,
                              MsgIcon::Exclamation);
            boxes.Expect("You must restart the program to take into account the modification.", "Information",
                         MsgButtons::Ok, MsgIcon::Information);
            FileSizeLimit limit(kFullDiskRoom);
            QVERIFY(limit.ok());
            ChooseMenuItem(*w, ObjectNames::Menu32);
        }
        VERIFY_SCRIPT_DONE(dialogs);
        VERIFY_SCRIPT_DONE(boxes);
        QVERIFY(w->StartedUp());
        // The system's reason for a write past the file size limit.
        QCOMPARE(boxes.shown.first().text.section(": ", 1), QString::fromLocal8Bit(std::strerror(EFBIG)));
        QCOMPARE(FolderState(start), before);
        QCOMPARE(FolderState(start).keys(), QStringList{"tyx.cfg"});
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
        SimulatorFixture sim(AppInstallation());
        MessageBoxScript boxes;
        auto w = sim.MakeWindow();
        OpenInstallation(sim);
        TrashInTemp trash(sim.Root() + "/data");
        const QString gone = sim.Root() + "/Moved";
        DeleteFileDialog d(LabelText(*w, ObjectNames::ScnDir), QString(), w.get());
        d.show();
        QVERIFY(ClickEntry(FindControl<QListWidget>(d, ObjectNames::FileListtoDelete), "Mission.scn"));
        if (refusal == Refusal::MissingFolder)
            QVERIFY(QDir().rename(sim.ScenarioFolder(), gone));
        else
            MakeReadOnly(sim.ScenarioFolder());
        const QString kept = refusal == Refusal::MissingFolder ? gone : sim.ScenarioFolder();
        const QMap<QString, QByteArray> before = FolderState(kept);
        boxes.Expect("Are you sure ?", "Confirmation before deleting", MsgButtons::OkCancel,
                     MsgIcon::Question, MsgResult::Ok);
        boxes.ExpectStart("The file Mission.scn could not be deleted: ", "Warning", MsgButtons::Ok,
                          MsgIcon::Exclamation);
        {
            std::optional<OrdinaryUser> user;
            if (refusal == Refusal::ReadOnlyFolder) user.emplace();
            if (user && !user->ok()) QSKIP(kNoOrdinaryUser);
            Click(FindControl<QPushButton>(d, ObjectNames::Command1));
        }
        OpenToEveryone(kept);
        VERIFY_SCRIPT_DONE(boxes);
        const QString message = boxes.shown.last().text;
        QVERIFY2(!message.section(": ", 1).trimmed().isEmpty(), qPrintable(message));
        QCOMPARE(FolderState(kept), before);
        QVERIFY(d.isVisible());
#endif
    }
};

QTEST_MAIN(RefusedStorageTest)
#include "test_refused_storage.moc"
