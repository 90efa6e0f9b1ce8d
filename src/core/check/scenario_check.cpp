#include "core/check/scenario_check.h"

#include "core/check/row_checks.h"
#include "core/editing/ship_lists.h"
#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"
#include "core/text/text_rules.h"

ScenarioChecker::ScenarioChecker(const QString& configFolder, const InstalledCatalogs& catalogs)
    : context_(configFolder, catalogs) {}

std::vector<CheckProblem> ScenarioChecker::Check(const QByteArray& bytes) {
    const ScenarioReadResult read = ReadScenario(bytes);
    const ScenarioDocument& document = read.document;
    std::vector<CheckProblem> problems;
    auto fileProblem = [&problems](CheckProblemKind kind, const QString& message) {
        problems.push_back({CheckRow::File, QString(), kind, message});
    };

    // In the order of the file: the environment, the focus, the stations, the ships.
    const QString system = Trim(document.SystemName);
    const SystemBases* bases = nullptr;
    if (system.isEmpty()) {
        fileProblem(CheckProblemKind::NoSystem, QStringLiteral("The scenario names no planetary system."));
    } else {
        if (!context_.SystemInstalled(system))
            fileProblem(CheckProblemKind::SystemNotInstalled,
                        QStringLiteral("The planetary system \"%1\" is not installed.").arg(system));
        bases = &context_.Bases(document.SystemName);
    }

    const int ships = static_cast<int>(read.shipNames.size());
    if (Trim(document.FocusShip).isEmpty())
        fileProblem(CheckProblemKind::NoFocusShip, QStringLiteral("The scenario names no focus ship."));
    else if (!FocusShipFound(read.possibleShipFocus, document.FocusShip))
        fileProblem(CheckProblemKind::FocusShipMissing,
                    QStringLiteral("The focus ship \"%1\" is not among the ships.").arg(document.FocusShip));

    const int stations = static_cast<int>(read.stationNames.size());
    CheckStations(document, stations, context_, problems);
    CheckShips(document, ships, stations, bases, context_, problems);
    return problems;
}

FileCheck ScenarioChecker::CheckFile(const QString& path, const QString& shown, bool listed) {
    FileCheck check;
    check.file = shown;
    const auto bytes = listed ? ReadListedPath(path) : ReadWholeFile(path);
    if (!bytes) {
        check.readable = false;
        check.problems.push_back({CheckRow::File, QString(), CheckProblemKind::Unreadable,
                                  QStringLiteral("The file cannot be read.")});
        return check;
    }
    check.problems = Check(*bytes);
    return check;
}
