#include "core/check/check_run.h"

#include "core/check/check_files.h"
#include "core/check/check_installation.h"
#include "core/check/scenario_check.h"
#include "core/io/file_access.h"

#include <QDir>
#include <QFileInfo>

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

    const std::vector<ScenarioFileEntry> files =
        ScenarioFilesToCheck(paths, request.workingFolder, request.recursive);
    ScenarioChecker checker(installation.configFolder, installation.catalogs);
    run.report.files.reserve(files.size());
    for (const ScenarioFileEntry& file : files) {
        FileCheck check = checker.CheckFile(file.path, QDir::toNativeSeparators(file.shown));
        run.report.files.push_back(std::move(check));
        if (progress)
            progress(static_cast<qsizetype>(run.report.files.size()), static_cast<qsizetype>(files.size()));
    }
    run.ran = true;
    return run;
}
