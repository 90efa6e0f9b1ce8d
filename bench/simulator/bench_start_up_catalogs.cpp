// The start-up over a configuration folder of some 5,000 files, against the floor: reading
// every byte of the folder once. Two installations are generated, one in the older layout
// (every file in the configuration folder, the bodies listing their bases) and one in today's
// (the vessel classes below "Config\Vessels\", the bases in the bodies' base folders). Run it
// with no arguments; it prints the times, their ratios and the checks of the goals, and fails
// when a goal is missed:
//   - the catalogs are exactly those of the key scans, and of the vessel files in today's layout;
//   - every file is read from disk at most once per start-up;
//   - the start-up (the main window made, its catalogs built) takes at most twice the floor in
//     the older layout, at most 1.2 times in today's.
#include "app/tyx.h"
#include "config_folder_generator.h"
#include "core/editing/editor_session.h"
#include "core/installation/base_catalog.h"
#include "core/installation/class_catalogs.h"
#include "core/installation/installed_catalogs.h"
#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "core/io/folder_walk.h"
#include "widgets/common/message_box.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {
struct Installation {
    QTemporaryDir temp;
    GeneratedFolder folder;
    qint64 startUpBytes = 0; // the bytes of the files a start-up reads: the folder's own and the vessels'
    QString ConfigFolder() const { return temp.path() + "/sim/Config/"; }
    QString StartFolder() const { return temp.path() + "/start"; }
};
Installation* older = nullptr;
Installation* today = nullptr;
Installation* empty = nullptr; // no configuration file at all: the window alone

// Bytes read by this process so far (every read call, page cache included); -1 where unknown.
qint64 BytesReadByProcess() {
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Every file below the folder, read once.
qint64 ReadAll(const QString& folder) {
    qint64 total = 0;
    QDirIterator it(folder, {"*.cfg"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) total += file.readAll().size();
    }
    return total;
}

// The files a start-up reads: those of the folder itself and those below Config\Vessels\.
qint64 ReadStartUpFiles(const QString& config) {
    qint64 total = 0;
    const QDir dir(config);
    for (const QString& name : dir.entryList({"*.cfg"}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly)) total += file.readAll().size();
    }
    for (const FileBelow& vessel : ListFilesBelow(config + "Vessels/", ".cfg")) {
        QFile file(vessel.platformPath);
        if (file.open(QIODevice::ReadOnly)) total += file.readAll().size();
    }
    return total;
}

void ReadFolderOnce(benchmark::State& state, Installation* installation) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadAll(installation->ConfigFolder()));
}

void ReadStartUpFilesOnce(benchmark::State& state, Installation* installation) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadStartUpFiles(installation->ConfigFolder()));
}

// The whole start-up: the main window made over the folder, its catalogs built. The start-up
// leaves the simulator folder as the working folder; each one starts again in the folder that
// holds "tyx.cfg".
void StartUpCatalogs(benchmark::State& state, Installation* installation) {
    for (auto _ : state) {
        QDir::setCurrent(installation->StartFolder());
        benchmark::DoNotOptimize(std::make_unique<TYX>());
    }
}

// The catalogs alone, without the window.
void CatalogsAlone(benchmark::State& state, Installation* installation) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadInstalledCatalogs(installation->ConfigFolder()));
}

// What loading a scenario of one system costs in today's layout: the bases of its bodies, read
// from the planet files and the base folders.
void BasesOfOneSystem(benchmark::State& state) {
    const QString config = today->ConfigFolder();
    const QStringList bodies = BodyList(ReadWholeFile(config + "System00.cfg").value_or(QByteArray()));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadInstalledBases(
            bodies, [&](const QString& name) { return ReadWholeFile(config + name); },
            ConfigFoldersOnDisk(config)));
}

// A key scan over the folder, each file read again.
KeyScan Scan(const QString& folder, const QString& key1, const QString& key2) {
    KeyScan scan;
    for (const QString& name : ListFiles(folder, "*.cfg")) {
        if (const auto bytes = ReadWholeFile(folder + name))
            AddToKeyScan(scan, name, KeysOfFile(*bytes, key1, key2));
    }
    return scan;
}

// The one-pass catalog scan alone, on files already in memory.
void CatalogScanInMemory(benchmark::State& state) {
    std::vector<std::pair<QString, QByteArray>> files;
    const QDir dir(older->ConfigFolder());
    for (const QString& name : ListFiles(older->ConfigFolder(), "*.cfg"))
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
        benchmark::DoNotOptimize(Scan(older->ConfigFolder(), "Star1", "Name"));
        benchmark::DoNotOptimize(Scan(older->ConfigFolder(), "ClassName", "ClassName"));
        benchmark::DoNotOptimize(Scan(older->ConfigFolder(), "BEGIN_DOCKLIST", "Meshname"));
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
    std::printf("%-76s %s\n", what, ok ? "ok" : "MISSED");
    return ok;
}

bool OlderCatalogsAreThoseOfTheScans(const EditorSession& session) {
    QStringList systems, systemFiles, stationFiles;
    for (const PlanetarySystemEntry& system : session.planetarySystems()) {
        systems.append(system.name);
        systemFiles.append(system.file);
    }
    for (const StationClassDock& dock : session.stationClassDocks())
        stationFiles.append(dock.className + ".cfg");
    const QString folder = older->ConfigFolder();
    const KeyScan systemScan = Scan(folder, "Star1", "Name");
    const KeyScan classScan = Scan(folder, "ClassName", "ClassName");
    const KeyScan stationScan = Scan(folder, "BEGIN_DOCKLIST", "Meshname");
    return systems == systemScan.values && systemFiles == systemScan.files &&
           session.spacecraftClasses() == classScan.values && !classScan.values.isEmpty() &&
           stationFiles == stationScan.files;
}

// Today's classes are the vessel files by their paths, the stations among them with their docks.
bool TodaysCatalogsAreThoseOfTheVesselFiles(const EditorSession& session, const GeneratedFolderSizes& sizes) {
    // As the generator lays them out: "Group00\Craft0000" on, then "Stations\Station000" on.
    QStringList vessels, stations;
    for (int c = 0; c < sizes.spacecraftClasses; ++c)
        vessels.append(
            QString("Group%1\\Craft%2").arg(c / 100, 2, 10, QChar(u'0')).arg(c, 4, 10, QChar(u'0')));
    for (int st = 0; st < sizes.stationClasses; ++st)
        stations.append(QString("Stations\\Station%1").arg(st, 3, 10, QChar(u'0')));
    vessels += stations;
    QStringList docked;
    for (const StationClassDock& dock : session.stationClassDocks())
        if (dock.dockCount > 0) docked.append(dock.className);
    return session.spacecraftClasses() == vessels && docked == stations &&
           session.stationClasses().isEmpty() &&
           session.planetarySystems().size() == std::size_t(sizes.systems);
}

// The bytes one start-up reads from disk.
qint64 BytesOfOneStartUp(Installation* installation, std::unique_ptr<TYX>& window) {
    QDir::setCurrent(installation->StartFolder());
    const qint64 before = BytesReadByProcess();
    window = std::make_unique<TYX>();
    return before < 0 ? -1 : BytesReadByProcess() - before;
}

bool MakeInstallation(Installation& installation, const GeneratedFolderSizes& sizes) {
    installation.folder = GenerateConfigFolder(installation.temp.path() + "/sim", sizes);
    installation.startUpBytes = ReadStartUpFiles(installation.ConfigFolder());
    QDir().mkpath(installation.StartFolder());
    QFile setting(installation.StartFolder() + "/tyx.cfg");
    if (!setting.open(QIODevice::WriteOnly)) return false;
    setting.write(QDir::toNativeSeparators(installation.temp.path() + "/sim").toLocal8Bit() + "\r\n");
    return true;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Installation olderInstallation, todaysInstallation, emptyInstallation;
    older = &olderInstallation;
    today = &todaysInstallation;
    empty = &emptyInstallation;
    GeneratedFolderSizes todaysSizes;
    todaysSizes.today = true;
    const GeneratedFolderSizes none{0, 0, 0, 0, 0, false};
    if (!MakeInstallation(olderInstallation, {}) || !MakeInstallation(todaysInstallation, todaysSizes) ||
        !MakeInstallation(emptyInstallation, none))
        return 2;
    for (const auto& [name, installation] : {std::pair{"older", older}, std::pair{"today's", today}})
        std::printf("Configuration folder, %s layout: %d files, %.1f MB (%.1f MB read at start-up)\n", name,
                    installation->folder.files, installation->folder.bytes / 1e6,
                    installation->startUpBytes / 1e6);
    SetMessageResponder([](const QString& text, const QString& title, MsgButtons, MsgIcon) {
        std::printf("Message box: %s: %s\n", qPrintable(title), qPrintable(text));
        return MsgResult::Ok;
    });
    const QString previous = QDir::currentPath();

    // The machine may be shared: each figure is the best of several repetitions.
    auto measured = [](benchmark::internal::Benchmark* b) {
        b->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics(
                "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    };
    measured(benchmark::RegisterBenchmark("ReadFolderOnce (floor)", ReadFolderOnce, older));
    measured(benchmark::RegisterBenchmark("StartUpCatalogs", StartUpCatalogs, older));
    measured(benchmark::RegisterBenchmark("Today: ReadFolderOnce (floor)", ReadFolderOnce, today));
    measured(benchmark::RegisterBenchmark("Today: ReadStartUpFilesOnce", ReadStartUpFilesOnce, today));
    measured(benchmark::RegisterBenchmark("Today: StartUpCatalogs", StartUpCatalogs, today));
    measured(benchmark::RegisterBenchmark("StartUpWithoutFiles (the window alone)", StartUpCatalogs, empty));
    measured(
        benchmark::RegisterBenchmark("Today: CatalogsAlone (part of the start-up)", CatalogsAlone, today));
    benchmark::RegisterBenchmark("Today: BasesOfOneSystem (at a scenario's load)", BasesOfOneSystem)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CatalogScanInMemory (part of the older start-up)", CatalogScanInMemory)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ThreeSeparateScans (for comparison)", ThreeSeparateScans)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto ms = [&](const char* name) { return reporter.milliseconds[name]; };
    const double olderFloor = ms("ReadFolderOnce (floor)");
    const double olderStart = ms("StartUpCatalogs");
    const double todayFloor = ms("Today: ReadFolderOnce (floor)");
    const double todayFiles = ms("Today: ReadStartUpFilesOnce");
    const double todayStart = ms("Today: StartUpCatalogs");
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::printf("\nOlder layout: floor %.1f ms, start-up %.1f ms, ratio %.2f\n", olderFloor, olderStart,
                ratio(olderStart, olderFloor));
    std::printf("Today's layout: floor %.1f ms, start-up %.1f ms, ratio %.2f; the files a start-up reads "
                "%.1f ms, ratio %.2f\n",
                todayFloor, todayStart, ratio(todayStart, todayFloor), todayFiles,
                ratio(todayStart, todayFiles));

    std::unique_ptr<TYX> window;
    const qint64 olderRead = BytesOfOneStartUp(older, window);
    bool ok = Check(OlderCatalogsAreThoseOfTheScans(window->session()),
                    "Older layout: catalogs are those of the key scans");
    const qint64 todayRead = BytesOfOneStartUp(today, window);
    ok &= Check(TodaysCatalogsAreThoseOfTheVesselFiles(window->session(), todaysSizes),
                "Today's layout: classes are the vessel files, stations by their dock lists");
    window.reset();
    if (olderRead >= 0)
        std::printf(
            "Bytes read by one start-up: older %lld of %lld (%.2f times), today's %lld of %lld read at "
            "start-up (%.2f times)\n",
            static_cast<long long>(olderRead), static_cast<long long>(older->folder.bytes),
            double(olderRead) / double(older->folder.bytes), static_cast<long long>(todayRead),
            static_cast<long long>(today->startUpBytes), double(todayRead) / double(today->startUpBytes));
    // A little over the files' size allows for the listings and "skelvan.cfg"; a second reading of
    // the station class files alone would add some 5 per cent, the separate scans over 200 per cent.
    ok &= Check(olderRead < 0 || olderRead < older->folder.bytes * 1.02,
                "Older layout: every file is read from disk at most once");
    ok &= Check(todayRead < 0 || todayRead < today->startUpBytes * 1.02,
                "Today's layout: every file is read from disk at most once, no base file");
    ok &= Check(olderFloor > 0 && olderStart <= 2 * olderFloor,
                "Older layout: the start-up takes at most twice the floor");
    ok &= Check(todayFloor > 0 && todayStart <= 1.2 * todayFloor,
                "Today's layout: the start-up takes at most 1.2 times the floor");
    QDir::setCurrent(previous);
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
