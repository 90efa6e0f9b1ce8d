// Soak run of the scenario engine: the large scenario (1,000 stations, 5,000 ships) is loaded
// and saved 1,000 times in one process. Memory after the last round must stay within 10% of
// memory after the first, so that nothing accumulates from one load and save to the next.
// Usage: bench_soak_scenario [rounds]   (prints the figures; exit code 1 when the goal is missed)
#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "scenario_generator.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
// Bytes the allocator hands out now; the resident size of the process would also count
// pages the allocator keeps for reuse, which says nothing about what the program holds.
long long HeapInUse() {
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;
    QTemporaryDir dir;
    const QString path = dir.filePath("Soak.scn");
    if (!WriteWholeFile(path, GenerateScenario(1000, 5000))) {
        std::fprintf(stderr, "cannot write the scenario\n");
        return 2;
    }
    long long afterFirst = 0;
    long long afterLast = 0;
    for (int round = 1; round <= rounds; ++round) {
        const auto bytes = ReadWholeFile(path);
        if (!bytes) return 2;
        ScenarioReadResult read = ReadScenario(*bytes);
        read.document.Description = ScenarioDescription(*bytes);
        const QByteArray written =
            ScenarioFileBytes(read.document, int(read.stationNames.size()), int(read.shipNames.size()));
        if (!WriteWholeFile(path, written)) return 2;
        if (round == 1) afterFirst = HeapInUse();
        if (round == rounds) afterLast = HeapInUse();
    }
    const double growth = afterFirst > 0 ? double(afterLast - afterFirst) / double(afterFirst) : 0.0;
    std::printf("rounds %d, heap after the first %lld bytes, after the last %lld bytes, growth %.2f%% (goal: "
                "at most 10%%)\n",
                rounds, afterFirst, afterLast, growth * 100.0);
    return growth <= 0.10 ? 0 : 1;
}
