// The check of 1,000 generated scenarios against the demo installation, against the floor:
// reading the bytes of every scenario and of every configuration file once. Run it with no
// arguments; it prints both times and their ratio, and fails when the check takes more than
// three times the floor.
#include "core/check/check_run.h"
#include "scenario_generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
constexpr int kScenarios = 1000;
constexpr int kRuns = 5;
constexpr double kGoal = 3.0;

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The demo installation's configuration files, and scenarios of 2 to 9 stations and 6 to 41
// ships, as users' scenarios go.
bool MakeInstallation(const QString& sim, qint64* scenarioBytes) {
    const QString demo = QStringLiteral(SKELVAN_DEMO_FOLDER);
    if (!QDir().mkpath(sim + "/Config") || !QDir().mkpath(sim + "/Scenarios")) return false;
    if (!QFile::copy(demo + "/skelvan.cfg", sim + "/skelvan.cfg")) return false;
    for (const QString& name : QDir(demo + "/Config").entryList({"*.cfg"}, QDir::Files))
        if (!QFile::copy(demo + "/Config/" + name, sim + "/Config/" + name)) return false;
    *scenarioBytes = 0;
    for (int i = 0; i < kScenarios; ++i) {
        const QByteArray bytes = GenerateScenario(2 + i % 8, 6 + (i * 7) % 36);
        *scenarioBytes += bytes.size();
        if (!Write(sim + QStringLiteral("/Scenarios/Generated %1.scn").arg(i, 4, 10, QChar('0')), bytes))
            return false;
    }
    return true;
}

// Reads every file of the folders once, as a check at least must.
qint64 ReadBytesOnce(const QString& sim) {
    qint64 total = 0;
    for (const QString& folder : {sim + "/Config", sim + "/Scenarios"}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly)) total += file.readAll().size();
        }
    }
    return total;
}

// The best of several runs, in milliseconds.
double BestTime(const std::function<void()>& work) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString sim = temp.path() + "/sim";
    qint64 scenarioBytes = 0;
    if (!temp.isValid() || !MakeInstallation(sim, &scenarioBytes)) {
        std::fprintf(stderr, "The generated installation could not be written.\n");
        return 2;
    }

    qint64 read = 0;
    const double floor = BestTime([&] { read = ReadBytesOnce(sim); });
    CheckRequest request;
    request.simulator = sim;
    request.workingFolder = temp.path();
    CheckRun last;
    QStringList lines;
    // The whole check as the command prints it: the installation read, every file read and
    // checked, and the report's lines made.
    const double check = BestTime([&] {
        last = RunCheck(request);
        lines = ReportLines(last.report);
    });
    if (!last.ran || last.report.files.size() != std::size_t(kScenarios) || lines.isEmpty()) {
        std::fprintf(stderr, "The check did not run over the %d scenarios: %s\n", kScenarios,
                     qPrintable(last.error));
        return 2;
    }

    const double ratio = check / floor;
    std::printf("%d scenarios, %.1f MB; %lld bytes read with the configuration\n", kScenarios,
                scenarioBytes / 1e6, static_cast<long long>(read));
    std::printf("floor (read every byte once): %8.1f ms\n", floor);
    std::printf("check:                        %8.1f ms  (%s)\n", check, qPrintable(CountLine(last.report)));
    std::printf("ratio: %.2f (goal: at most %.0f) %s\n", ratio, kGoal, ratio <= kGoal ? "met" : "MISSED");
    return ratio <= kGoal ? 0 : 1;
}
