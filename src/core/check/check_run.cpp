#include "core/check/check_run.h"

#include "core/check/check_files.h"
#include "core/check/check_installation.h"
#include "core/check/scenario_check.h"
#include "core/io/file_access.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

namespace {
// The files are checked on every core, handed out one at a time so that a long file holds up
// no other, each result stored at its file's place so that the report keeps the order named.
// Each worker has its own checker: the caches of the installation's files are not shared.
// Only the calling thread tells the progress, so the caller needs no lock.
std::vector<FileCheck> CheckFiles(const std::vector<ScenarioFileEntry>& files,
                                  const CheckInstallation& installation, const CheckProgress& progress) {
    const std::size_t total = files.size();
    std::vector<FileCheck> checks(total);
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::size_t told = 0;
    auto work = [&](bool tells) {
        ScenarioChecker checker(installation.configFolder, installation.catalogs);
        for (std::size_t i = next.fetch_add(1); i < total; i = next.fetch_add(1)) {
            checks[i] =
                checker.CheckFile(files[i].path, QDir::toNativeSeparators(files[i].shown), files[i].listed);
            const std::size_t finished = done.fetch_add(1) + 1;
            if (tells && progress) {
                progress(static_cast<qsizetype>(finished), static_cast<qsizetype>(total));
                told = finished;
            }
        }
    };

    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t helpers = std::min(cores, total) > 0 ? std::min(cores, total) - 1 : 0;
    std::vector<std::thread> threads;
    for (std::size_t k = 0; k < helpers; ++k) {
        try {
            threads.emplace_back(work, false);
        } catch (const std::system_error&) {
            break; // fewer threads only make the check slower
        }
    }
    work(true);
    for (std::thread& thread : threads)
        thread.join();
    if (progress && told < total) progress(static_cast<qsizetype>(total), static_cast<qsizetype>(total));
    return checks;
}
} // namespace

CheckRun RunCheck(const CheckRequest& request, const CheckProgress& progress) {
    CheckRun run;
    const InstallationSearch search = FindCheckInstallation(request.simulator, request.workingFolder);
    if (!search.installation) {
        run.error = search.error;
        return run;
    }
    const CheckInstallation& installation = *search.installation;
    run.report.simulatorFolder = QDir::cleanPath(installation.simulatorFolder);

    QStringList paths = request.paths;
    if (paths.isEmpty()) {
        const QString folder = QDir::cleanPath(PlatformPath(installation.scenarioFolder));
        if (!QFileInfo(folder).isDir()) {
            run.error = QStringLiteral("The scenario folder \"%1\" of the installation cannot be read.")
                            .arg(QDir::toNativeSeparators(folder));
            return run;
        }
        paths.append(folder);
    }

    // The installation's own scenario folder is checked with every folder below it, where the
    // simulator keeps its scenarios.
    const bool recursive = request.recursive || request.paths.isEmpty();
    const std::vector<ScenarioFileEntry> files =
        ScenarioFilesToCheck(paths, request.workingFolder, recursive);
    run.report.files = CheckFiles(files, installation, progress);
    run.ran = true;
    return run;
}
