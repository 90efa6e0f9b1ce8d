#pragma once
// The validations behind the station and ship buttons with everything they need gathered: the
// planet data of the configuration folder and the names of the other listed rows. The tabs and
// the check of scenario files both call these, so that both reach the same verdict.
#include "core/editing/ship_validation.h"
#include "core/editing/station_validation.h"
#include "core/scenario/scenario_document.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// Finds a body's planet data by its name as a row writes it. The tabs read the file at every
// validation, since the user may change it between two; the check of many scenarios reads
// each file once.
using PlanetLookup = std::function<PlanetData(const QString& body)>;

// The planet files of that configuration folder, read at every call.
PlanetLookup PlanetFilesOnDisk(const QString& configFolder);

// The names of the listed rows 0 to count - 1 of a table, row `self` left out (a row outside
// the list leaves none out).
QStringList OtherStationNames(const std::vector<StationRow>& table, int count, int self);
QStringList OtherShipNames(const std::vector<ShipRow>& table, int count, int self);

// The station button's validation: the planet of the texts looked up, its file named in the
// message when it cannot be read.
QStringList ValidateStationRow(const StationControlTexts& texts, const PlanetLookup& planets,
                               const QStringList& otherNames);

// The ship button's validation: the planet of an orbiting ship looked up, its file named in the
// message when it cannot be read.
ShipValidation ValidateShipRow(const ShipEditorTexts& texts, const PlanetLookup& planets,
                               const QStringList& otherNames);
