// The start-up over a configuration folder of some 5,000 files, against the floor: reading
// every byte of the folder once. Run it with no arguments; it prints both times, their ratio
// and the checks of the goals, and fails when a goal is missed:
//   - the catalogs are exactly those of the three key scans;
//   - every file is read from disk at most once per start-up;
//   - the start-up (the main window made, its catalogs built) takes at most twice the floor.
#include "app/tyx.h"
#include "config_folder_generator.h"
#include "core/editing/editor_session.h"
#include "core/installation/class_catalogs.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {
struct Setup {
    QTemporaryDir temp;
    GeneratedFolder folder;
    std::unique_ptr<TYX> window;
};
Setup* setup = nullptr;

QString ConfigFolder() {
    return setup->temp.path() + "/sim/Config/";
}

// Bytes read by this process so far (every read call, page cache included); -1 where unknown.
qint64 BytesReadByProcess() {
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

void ReadFolderOnce(benchmark::State& state) {
    for (auto _ : state) {
        qint64 total = 0;
        const QDir dir(ConfigFolder());
        for (const QString& name : dir.entryList({"*.cfg"}, QDir::Files)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly)) total += file.readAll().size();
        }
        benchmark::DoNotOptimize(total);
    }
}

// The whole start-up: the main window made over the folder, its catalogs built.
void StartUpCatalogs(benchmark::State& state) {
    // The start-up leaves the simulator folder as the working folder; each one starts again in
    // the folder that holds "tyx.cfg".
    for (auto _ : state) {
        QDir::setCurrent(setup->temp.path() + "/start");
        benchmark::DoNotOptimize(std::make_unique<TYX>());
    }
}

// A key scan over the folder, each file read again.
KeyScan Scan(const QString& key1, const QString& key2) {
    KeyScan scan;
    for (const QString& name : ListFiles(ConfigFolder(), "*.cfg")) {
        if (const auto bytes = ReadWholeFile(ConfigFolder() + name))
            AddToKeyScan(scan, name, KeysOfFile(*bytes, key1, key2));
    }
    return scan;
}

// The one-pass catalog scan alone, on files already in memory.
void CatalogScanInMemory(benchmark::State& state) {
    std::vector<std::pair<QString, QByteArray>> files;
    const QDir dir(ConfigFolder());
    for (const QString& name : ListFiles(ConfigFolder(), "*.cfg"))
        files.emplace_back(name, ReadWholeFile(dir.filePath(name)).value_or(QByteArray()));
    for (auto _ : state) {
        CatalogBuilder builder;
        for (const auto& [name, bytes] : files)
            builder.Add(name, bytes);
        benchmark::DoNotOptimize(builder.Take());
    }
}

// The three scans one key pair at a time, each file read again for every scan.
void ThreeSeparateScans(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Scan("Star1", "Name"));
        benchmark::DoNotOptimize(Scan("ClassName", "ClassName"));
        benchmark::DoNotOptimize(Scan("BEGIN_DOCKLIST", "Meshname"));
    }
}

class GoalReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min")
                milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
};

bool Check(bool ok, const char* what) {
    std::printf("%-70s %s\n", what, ok ? "ok" : "MISSED");
    return ok;
}

bool CatalogsAreThoseOfTheScans() {
    const EditorSession& session = setup->window->session();
    QStringList systems, systemFiles, stationFiles;
    for (const PlanetarySystemEntry& system : session.planetarySystems()) {
        systems.append(system.name);
        systemFiles.append(system.file);
    }
    for (const StationClassDock& dock : session.stationClassDocks())
        stationFiles.append(dock.className + ".cfg");
    const KeyScan systemScan = Scan("Star1", "Name");
    const KeyScan classScan = Scan("ClassName", "ClassName");
    const KeyScan stationScan = Scan("BEGIN_DOCKLIST", "Meshname");
    return systems == systemScan.values && systemFiles == systemScan.files &&
           session.spacecraftClasses() == classScan.values && !classScan.values.isEmpty() &&
           stationFiles == stationScan.files;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Setup s;
    setup = &s;
    s.folder = GenerateConfigFolder(s.temp.path() + "/sim");
    QDir().mkpath(s.temp.path() + "/start");
    {
        QFile setting(s.temp.path() + "/start/tyx.cfg");
        if (!setting.open(QIODevice::WriteOnly)) return 2;
        setting.write(QDir::toNativeSeparators(s.temp.path() + "/sim").toLocal8Bit() + "\r\n");
    }
    std::printf("Configuration folder: %d files, %.1f MB\n", s.folder.files, s.folder.bytes / 1e6);
    SetMessageResponder([](const QString& text, const QString& title, MsgButtons, MsgIcon) {
        std::printf("Message box: %s: %s\n", qPrintable(title), qPrintable(text));
        return MsgResult::Ok;
    });
    const QString previous = QDir::currentPath();
    QDir::setCurrent(s.temp.path() + "/start");
    s.window = std::make_unique<TYX>();

    // The machine may be shared: each figure is the best of several repetitions.
    auto measured = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics(
                "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    };
    measured(benchmark::RegisterBenchmark("ReadFolderOnce (floor)", ReadFolderOnce));
    measured(benchmark::RegisterBenchmark("StartUpCatalogs", StartUpCatalogs));
    benchmark::RegisterBenchmark("CatalogScanInMemory (part of the above)", CatalogScanInMemory)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ThreeSeparateScans (for comparison)", ThreeSeparateScans)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double floor = reporter.milliseconds["ReadFolderOnce (floor)"];
    const double catalogs = reporter.milliseconds["StartUpCatalogs"];
    QDir::setCurrent(s.temp.path() + "/start");
    const qint64 before = BytesReadByProcess();
    s.window = std::make_unique<TYX>();
    const qint64 read = BytesReadByProcess() - before;
    std::printf("\nFloor %.1f ms, start-up %.1f ms, ratio %.2f\n", floor, catalogs,
                floor > 0 ? catalogs / floor : 0.0);
    if (before >= 0)
        std::printf("Bytes read by one start-up: %lld of %lld in the folder (%.2f times)\n",
                    static_cast<long long>(read), static_cast<long long>(s.folder.bytes),
                    double(read) / double(s.folder.bytes));
    bool ok = true;
    ok &= Check(CatalogsAreThoseOfTheScans(), "Catalogs are those of the three key scans");
    // A little over the folder's size allows for the listing; a second reading of the station
    // class files alone would add some 5 per cent, the separate scans over 200 per cent.
    ok &= Check(before < 0 || read < s.folder.bytes * 1.02, "Every file is read from disk at most once");
    ok &= Check(floor > 0 && catalogs <= 2 * floor, "The start-up takes at most twice the floor");
    s.window.reset();
    QDir::setCurrent(previous);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
