// Speed of the scenario engine on a large scenario (1,000 stations, 5,000 ships), in MB/s of
// the scenario file:
//   Floor     reading the file's bytes and splitting them into lines
//   Read      reading the file and building the document
//   Write     writing the document (bytes made and saved through a safe save)
//   PlainWrite one plain write of the same bytes
//   WriteBytes, SafeSave  the two halves of Write: making the bytes, and the safe save alone
//             (new file beside the old one, flushed to disk, then put in its place)
// After the runs a summary gives Read/Floor (goal: at most 4), Write/PlainWrite (at most 3)
// in wall-clock and CPU time, and the memory the document holds against the file's size (at
// most 10). On a shared machine pass --benchmark_repetitions=5 to compare medians.
#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "core/text/codepage.h"
#include "scenario_generator.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
struct Fixture {
    QTemporaryDir dir;
    QString input;
    QByteArray bytes;
    ScenarioReadResult read;
    Fixture() {
        bytes = GenerateScenario(1000, 5000);
        input = dir.filePath("Large.scn");
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::fprintf(stderr, "cannot write %s\n", qPrintable(input));
        file.close();
        read = ReadScenario(bytes);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void Floor(benchmark::State& state) {
    for (auto _ : state) {
        const QStringList lines = SplitLines(DecodeText(ReadFile(Data().input)));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * Data().bytes.size());
}

void Read(benchmark::State& state) {
    for (auto _ : state) {
        const ScenarioReadResult result = ReadScenario(ReadFile(Data().input));
        benchmark::DoNotOptimize(result.shipNames.size());
    }
    state.SetBytesProcessed(state.iterations() * Data().bytes.size());
}

void Write(benchmark::State& state) {
    const ScenarioReadResult& r = Data().read;
    const QString path = Data().dir.filePath("Written.scn");
    for (auto _ : state) {
        const QByteArray bytes =
            ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
        if (!WriteWholeFile(path, bytes)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * Data().bytes.size());
}

// The two halves of Write, for looking into it.
void WriteBytes(benchmark::State& state) {
    const ScenarioReadResult& r = Data().read;
    for (auto _ : state) {
        const QByteArray bytes =
            ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
        benchmark::DoNotOptimize(bytes.size());
    }
    state.SetBytesProcessed(state.iterations() * Data().bytes.size());
}

void SafeSave(benchmark::State& state) {
    const ScenarioReadResult& r = Data().read;
    const QByteArray bytes =
        ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
    const QString path = Data().dir.filePath("Safe.scn");
    for (auto _ : state) {
        if (!WriteWholeFile(path, bytes)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * Data().bytes.size());
}

void PlainWrite(benchmark::State& state) {
    const ScenarioReadResult& r = Data().read;
    const QByteArray bytes =
        ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
    const QString path = Data().dir.filePath("Plain.scn");
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            state.SkipWithError("write failed");
        file.close();
    }
    state.SetBytesProcessed(state.iterations() * Data().bytes.size());
}

BENCHMARK(Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(Read)->Unit(benchmark::kMillisecond);
BENCHMARK(Write)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(SafeSave)->Unit(benchmark::kMillisecond);

// Keeps the wall and CPU time per iteration of every benchmark for the summary; with
// repetitions, their medians.
class Recorder : public benchmark::ConsoleReporter {
  public:
    struct Times {
        double wall = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && !medians_.count(name)))
                times[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            if (median) medians_.insert(name);
        }
        ConsoleReporter::ReportRuns(runs);
    }

  private:
    std::set<std::string> medians_;
};

// Heap bytes the document holds while loaded, against the file's size.
double MemoryRatio() {
#if defined(__GLIBC__)
    const QByteArray bytes = Data().bytes;
    const std::size_t before = mallinfo2().uordblks;
    ScenarioReadResult* held = new ScenarioReadResult(ReadScenario(bytes));
    const std::size_t after = mallinfo2().uordblks;
    delete held;
    return double(after - before) / double(bytes.size());
#else
    return -1;
#endif
}

void Verdict(const char* what, double value, double goal) {
    std::printf("%-38s %6.2f  (goal <= %g) %s\n", what, value, goal, value <= goal ? "met" : "MISSED");
}
} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // glibc moves its threshold for mapping large blocks by itself, after what each benchmark
    // happened to free, so that one side of a ratio could pay page faults the other does not.
    // Fixed thresholds give every benchmark the same allocator.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
    benchmark::Initialize(&argc, argv);
    std::printf("Scenario file: %.2f MB, %zu stations, %zu ships\n", Data().bytes.size() / 1e6,
                std::size_t(Data().read.stationNames.size()), std::size_t(Data().read.shipNames.size()));
    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    auto& t = recorder.times;
    const auto ratio = [&t](const char* what, const char* a, const char* b, double goal) {
        if (!t.count(a) || !t.count(b)) return;
        std::printf("%-30s wall %6.2f  cpu %6.2f  (goal <= %g) %s\n", what, t[a].wall / t[b].wall,
                    t[a].cpu / t[b].cpu, goal, t[a].wall / t[b].wall <= goal ? "met" : "MISSED");
    };
    ratio("Read / Floor", "Read", "Floor", 4);
    ratio("Write / PlainWrite", "Write", "PlainWrite", 3);
    ratio("Write / SafeSave", "Write", "SafeSave", 3);
    const double memory = MemoryRatio();
    if (memory >= 0) Verdict("Document memory / file size", memory, 10);
    benchmark::Shutdown();
    return 0;
}
