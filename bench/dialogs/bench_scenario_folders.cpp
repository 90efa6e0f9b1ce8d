// How long the scenario dialogs take to show a large scenario folder: 200 folders, 20 at the
// top each holding 9 more, and 5,000 scenario files, 1,020 of them in one folder and 20 in
// each other. Goal: the tree of folders and the list of that largest folder filled in under
// 50 ms, for the logic alone and for the whole load dialog as it opens.
#include "core/io/file_access.h"
#include "core/io/folder_tree.h"
#include "widgets/dialogs/load_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {
constexpr int kTopFolders = 20;
constexpr int kFoldersBelowEach = 9;
constexpr int kFilesInLargest = 1020;
constexpr int kFilesInOthers = 20;

class LargeScenarioFolder {
  public:
    LargeScenarioFolder() {
        folder = QDir::toNativeSeparators(dir_.path() + "/Scenarios") + QDir::separator();
        largest = "Collection 00\\Part 0\\";
        for (int t = 0; t < kTopFolders; ++t) {
            const QString top = QStringLiteral("Collection %1").arg(t, 2, 10, QChar('0'));
            Fill(top, kFilesInOthers);
            for (int p = 0; p < kFoldersBelowEach; ++p) {
                const QString below = top + QStringLiteral("/Part %1").arg(p);
                Fill(below, t == 0 && p == 0 ? kFilesInLargest : kFilesInOthers);
            }
        }
    }

    QString folder;  // the scenario folder, as the editor holds it
    QString largest; // the largest folder, by its path within the scenario folder
    int fileCount = 0;

  private:
    void Fill(const QString& relative, int files) {
        const QString path = dir_.path() + "/Scenarios/" + relative;
        QDir().mkpath(path);
        for (int f = 0; f < files; ++f) {
            QFile file(path + QStringLiteral("/Flight %1.scn").arg(f, 4, 10, QChar('0')));
            if (file.open(QIODevice::WriteOnly)) file.write("BEGIN_DESC\r\nA flight\r\nEND_DESC\r\n");
            ++fileCount;
        }
    }
    QTemporaryDir dir_;
};

LargeScenarioFolder& Folder() {
    static LargeScenarioFolder* folder = new LargeScenarioFolder;
    return *folder;
}

void TreeAndList(benchmark::State& state) {
    const LargeScenarioFolder& in = Folder();
    for (auto _ : state) {
        const std::vector<FolderNode> nodes = FolderTree(in.folder);
        const QStringList files = ListFiles(in.folder + in.largest, "*.scn");
        benchmark::DoNotOptimize(nodes.data());
        state.counters["folders"] = double(nodes.size() - 1);
        state.counters["listed"] = double(files.size());
    }
    state.counters["files"] = double(in.fileCount);
}
BENCHMARK(TreeAndList)->Name("ScenarioFolders/tree_and_list/goal_50ms")->Unit(benchmark::kMillisecond);

void LoadDialogOpened(benchmark::State& state) {
    const LargeScenarioFolder& in = Folder();
    for (auto _ : state) {
        LoadFileDialog dialog(in.folder, in.largest, [](const QString&, bool) { return false; });
        dialog.show();
        QApplication::processEvents();
        auto* tree = dialog.findChild<QTreeWidget*>("ScenarioFolders");
        auto* list = dialog.findChild<QListWidget*>("FilelisttoLoad");
        state.counters["listed"] = double(list->count());
        benchmark::DoNotOptimize(tree->topLevelItem(0));
    }
}
BENCHMARK(LoadDialogOpened)
    ->Name("ScenarioFolders/load_dialog_opened/goal_50ms")
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
