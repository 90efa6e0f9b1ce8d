// How long the location trees and the base catalog take on a large installation.
// Goals: a node list in under 20 ms, a tree widget filled in under 300 ms, and the base
// catalog within twice the time of reading its files once.
#include "bench_inputs.h"
#include "core/installation/base_catalog.h"
#include "core/io/file_access.h"
#include "widgets/common/location_trees_view.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {
struct StationInputs {
    QStringList bodies = bench::Bodies(10); // 50 bodies
    std::vector<std::pair<QString, int>> classes = bench::StationClasses(500);
    std::vector<StationPlace> stations = bench::Stations(bodies, 1000, 500);
    std::vector<ShipPlace> ships = bench::Ships(5000, "Docked", "Station", 1000);
    DockCounts docks;
    StationInputs() {
        for (const auto& [name, count] : classes)
            docks.Add(name, count);
    }
};

struct BaseInputs {
    QStringList bodies = bench::Bodies(10);
    QStringList catalog = bench::BaseCatalog(bodies, 1000);
    std::vector<ShipPlace> ships = bench::Ships(5000, "Landed", "Base", 1000);
};

void StationTreeNodeList(benchmark::State& state) {
    const StationInputs in;
    for (auto _ : state) {
        // Building the stations and ports, then placing the ships, as the two updates do.
        DockCounts docks;
        for (const auto& [name, count] : in.classes)
            docks.Add(name, count);
        TreeNodes nodes = StationTreeNodes(in.bodies, in.stations, docks);
        nodes = WithShips(std::move(nodes), in.ships, "Docked");
        benchmark::DoNotOptimize(nodes.data());
        state.counters["nodes"] = double(nodes.size());
    }
}
BENCHMARK(StationTreeNodeList)->Name("StationTree/node_list/goal_20ms")->Unit(benchmark::kMillisecond);

void StationTreeWidget(benchmark::State& state) {
    const StationInputs in;
    QTreeWidget* tree = MakeLocationTree(nullptr, "ShipDockedTree");
    tree->resize(400, 600);
    tree->show();
    for (auto _ : state) {
        FillLocationTree(tree, StationTreeNodes(in.bodies, in.stations, in.docks));
        ShowShipsInTree(tree, in.ships, "Docked");
        QApplication::processEvents();
    }
    delete tree;
}
BENCHMARK(StationTreeWidget)->Name("StationTree/widget_fill/goal_300ms")->Unit(benchmark::kMillisecond);

void BaseTreeNodeList(benchmark::State& state) {
    const BaseInputs in;
    for (auto _ : state) {
        TreeNodes nodes = BaseTreeNodes(in.bodies, in.catalog, int(in.catalog.size()));
        nodes = WithShips(std::move(nodes), in.ships, "Landed");
        benchmark::DoNotOptimize(nodes.data());
        state.counters["nodes"] = double(nodes.size());
    }
}
BENCHMARK(BaseTreeNodeList)->Name("BaseTree/node_list/goal_20ms")->Unit(benchmark::kMillisecond);

void BaseTreeWidget(benchmark::State& state) {
    const BaseInputs in;
    QTreeWidget* tree = MakeLocationTree(nullptr, "ShipLandingTree");
    tree->resize(400, 600);
    tree->show();
    for (auto _ : state) {
        FillLocationTree(tree, BaseTreeNodes(in.bodies, in.catalog, int(in.catalog.size())));
        ShowShipsInTree(tree, in.ships, "Landed");
        QApplication::processEvents();
    }
    delete tree;
}
BENCHMARK(BaseTreeWidget)->Name("BaseTree/widget_fill/goal_300ms")->Unit(benchmark::kMillisecond);

// A configuration folder of 2,000 body files, 1,000 of them listing one base each.
class BaseFiles {
  public:
    QStringList bodies = bench::Bodies(400);
    QString folder;
    QStringList files;
    BaseFiles() {
        folder = dir_.path() + "/";
        for (int p = 0; p < bodies.size(); ++p) {
            QByteArray body =
                "Name = " + Trim(bodies[p]).toLatin1() + "\r\nSize = 1000000\r\nAtmAltLimit = 0\r\n";
            if (p % 2 == 0)
                body += "NumBases = 1\r\nBase1 = Base" + QByteArray::number(p / 2) + " 10 20 ; a base\r\n";
            Write(Trim(bodies[p]) + ".cfg", body);
        }
        for (int b = 0; b < bodies.size() / 2; ++b) {
            QByteArray base = "Name = Base number " + QByteArray::number(b) + "\r\n";
            for (int pad = 0; pad <= b % 6; ++pad)
                base += "LPAD " + QByteArray::number(pad) + " 0 0 0\r\n";
            Write(QString("Base%1.cfg").arg(b), base);
        }
    }

  private:
    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.path() + "/" + name);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        files << name;
    }
    QTemporaryDir dir_;
};

BaseFiles& Installation() {
    static BaseFiles* files = new BaseFiles;
    return *files;
}

void ReadBaseFilesOnce(benchmark::State& state) {
    BaseFiles& in = Installation();
    for (auto _ : state) {
        qsizetype bytes = 0;
        for (const QString& name : in.files)
            bytes += ReadWholeFile(in.folder + name).value_or(QByteArray()).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(ReadBaseFilesOnce)->Name("BaseCatalog/read_files_once")->Unit(benchmark::kMillisecond);

void BuildCatalog(benchmark::State& state) {
    BaseFiles& in = Installation();
    for (auto _ : state) {
        const QStringList catalog = BuildBaseCatalog(
            in.bodies, [&in](const QString& name) { return ReadWholeFile(in.folder + name); });
        benchmark::DoNotOptimize(catalog.size());
        state.counters["bases"] = double(catalog.size());
    }
}
BENCHMARK(BuildCatalog)->Name("BaseCatalog/build/goal_2x_read_files_once")->Unit(benchmark::kMillisecond);
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
