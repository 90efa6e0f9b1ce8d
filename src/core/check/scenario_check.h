#pragma once
// The check of one scenario against an installation: every station and ship validated as the
// tabs validate them, and what holds across the rows (classes, bases and pads, stations and
// ports, the focus ship, the planetary system, orbits that meet their planet). Nothing is
// written; the installation's files are read once for all the scenarios one checker checks.
#include "core/check/check_context.h"
#include "core/check/check_problem.h"

#include <QByteArray>
#include <QString>
#include <vector>

class ScenarioChecker {
  public:
    // The configuration folder text ends in a separator.
    ScenarioChecker(const QString& configFolder, const InstalledCatalogs& catalogs);

    // The problems of the scenario these bytes hold.
    std::vector<CheckProblem> Check(const QByteArray& bytes);
    // The file at that path, shown in the report as `shown`; listed: a regular file a folder
    // listing has just given, opened without being looked up again.
    FileCheck CheckFile(const QString& path, const QString& shown, bool listed = false);

  private:
    CheckContext context_;
};
