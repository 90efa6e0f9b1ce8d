// The folders below a scenario folder, as the file dialogs show them: today's test installation
// with its nested folders, a folder with no scenario and links back up, and folders made here:
// links that lead elsewhere, names in other letter case, a folder that cannot be read.
#include "core/io/file_access.h"
#include "core/io/folder_tree.h"
#include "test_files.h"
#include "unreadable_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// One line per folder: indented by its depth, its name, "=" and its path within the top; a
// folder that cannot be read says so.
QStringList Lines(const std::vector<FolderNode>& nodes) {
    QStringList lines;
    std::vector<int> depth;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const FolderNode& node = nodes[i];
        // Each folder comes after the one that holds it.
        if (node.parent >= int(i) || (i > 0) != (node.parent >= 0)) return {"misplaced " + node.name};
        depth.push_back(node.parent < 0 ? 0 : depth[std::size_t(node.parent)] + 1);
        lines << QString(depth.back() * 2, u' ') + node.name + " = " + node.path +
                     (node.readable ? QString() : QStringLiteral(" (cannot be read)"));
    }
    return lines;
}

// The installation's vessel and base scenarios have tests of their own.
QStringList WithoutInstallationFolder(QStringList lines) {
    lines.removeIf([](const QString& line) { return line.contains(QLatin1String("= Installation\\")); });
    return lines;
}

// A folder text as the simulator writes it: "\" between the names and at the end.
QString SimulatorFolderText(const QString& path) {
    return QString(path).replace(u'/', u'\\') + u'\\';
}

// Makes what a row lists below the root: "Folder/", "file", or "Link -> target" (the target
// relative to the link's folder).
bool Make(const QString& root, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype arrow = entry.indexOf(" -> ");
        if (arrow > 0) {
            const QString link = root + u'/' + entry.left(arrow);
            if (!QFile::link(entry.mid(arrow + 4), link)) return false;
        } else if (entry.endsWith(u'/')) {
            if (!QDir().mkpath(root + u'/' + entry)) return false;
        } else {
            QFile file(root + u'/' + entry);
            if (!file.open(QIODevice::WriteOnly)) return false;
        }
    }
    return true;
}
} // namespace

class FolderTreeTest : public QObject {
    Q_OBJECT
  private slots:
    void todaysInstallation() {
        const std::vector<FolderNode> nodes =
            FolderTree(SimulatorFolderText(TestDataPath("today/Scenarios")));
        // The links "Kite Trials\All scenarios" and "Outer flybys\Back to the system" lead back up.
        QCOMPARE(WithoutInstallationFolder(Lines(nodes)),
                 QStringList({"Scenarios = ", "  Empty Hangar = Empty Hangar\\",
                              "  First Orbits = First Orbits\\", "  Kite Trials = Kite Trials\\",
                              "  Placements = Placements\\", "  The Corvid System = The Corvid System\\",
                              "    Moons = The Corvid System\\Moons\\",
                              "    Outer flybys = The Corvid System\\Outer flybys\\"}));
    }

    void madeFolders_data() {
        QTest::addColumn<QStringList>("made"); // below Top, in the order made
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("links back up are left out, others followed")
            << QStringList{"Top/A/",
                           "Top/B/Deep/",
                           "Outside/Inner/",
                           "Top/A/Up -> ..",
                           "Top/A/Self -> .",
                           "Top/Out -> ..", // the folder that holds the one walked
                           "Top/A/ToDeep -> ../B/Deep",
                           "Top/B/ToA -> ../A",
                           "Top/B/Deep/Loop -> ../..",
                           "Top/C -> ../Outside",
                           "Top/B/Deep/Dangling -> ../Nowhere"}
            // Through B\ToA, A's link ToDeep leads to no folder walked on the way down.
            << QStringList{"Top = ",
                           "  A = A\\",
                           "    ToDeep = A\\ToDeep\\",
                           "  B = B\\",
                           "    Deep = B\\Deep\\",
                           "    ToA = B\\ToA\\",
                           "      ToDeep = B\\ToA\\ToDeep\\",
                           "  C = C\\",
                           "    Inner = C\\Inner\\"};
        QTest::newRow("sorted by name without regard to case")
            << QStringList{"Top/gamma/", "Top/Beta/", "Top/alpha/", "Top/Delta/"}
            << QStringList{"Top = ", "  alpha = alpha\\", "  Beta = Beta\\", "  Delta = Delta\\",
                           "  gamma = gamma\\"};
        QTest::newRow("files are no folders, a folder named like a scenario is one")
            << QStringList{"Top/Old.scn/", "Top/Trip.scn", "Top/Old.scn/Notes.txt"}
            << QStringList{"Top = ", "  Old.scn = Old.scn\\"};
        QTest::newRow("blanks in names, three folders down")
            << QStringList{"Top/The Planets/Outer flybys/Last one/"}
            << QStringList{"Top = ", "  The Planets = The Planets\\",
                           "    Outer flybys = The Planets\\Outer flybys\\",
                           "      Last one = The Planets\\Outer flybys\\Last one\\"};
        QTest::newRow("no scenario folder at all")
            << QStringList{"Elsewhere/"} << QStringList{"Top =  (cannot be read)"};
    }
    void madeFolders() {
        QFETCH(QStringList, made);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(Make(dir.path(), made));
        QCOMPARE(Lines(FolderTree(SimulatorFolderText(dir.path() + "/Top"))), lines);
    }

    // A folder that cannot be read is shown with nothing below it, and lists no file.
    void unreadableFolder() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(Make(dir.path(), {"Top/Locked/Inner/", "Top/Locked/Draft.scn", "Top/Open/"}));
        const UnreadableFolder locked(dir.path() + "/Top/Locked");
        if (!locked.Ready()) QSKIP(qPrintable(locked.Reason()));
        QCOMPARE(Lines(FolderTree(SimulatorFolderText(dir.path() + "/Top"))),
                 QStringList({"Top = ", "  Locked = Locked\\ (cannot be read)", "  Open = Open\\"}));
        QCOMPARE(ListFiles(SimulatorFolderText(dir.path() + "/Top/Locked"), "*.scn"), QStringList());
    }
};

QTEST_GUILESS_MAIN(FolderTreeTest)
#include "test_folder_tree.moc"
