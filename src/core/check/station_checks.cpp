// The stations of a scenario: their validation as the station tab runs it, their class, and
// their orbit against the planet.
#include "core/check/row_checks.h"
#include "core/editing/row_validation.h"
#include "core/orbit/orbit_insight.h"
#include "core/text/text_rules.h"

#include <QHash>

std::vector<QStringList> OtherNamesOfRows(const QStringList& names) {
    std::vector<NameKey> keys;
    keys.reserve(std::size_t(names.size()));
    QHash<NameKey, int> counts;
    for (const QString& name : names)
        ++counts[keys.emplace_back(name)];
    std::vector<QStringList> others;
    others.reserve(std::size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        others.push_back(counts.value(keys[std::size_t(i)]) > 1 ? QStringList{names[i]} : QStringList());
    return others;
}

void AddPeriapsisProblem(PeriapsisPlace place, CheckRow row, const QString& name, const QString& body,
                         std::vector<CheckProblem>& problems) {
    const QString planet = Trim(body);
    switch (place) {
    case PeriapsisPlace::BelowSurface:
        problems.push_back(
            {row, name, CheckProblemKind::PeriapsisBelowSurface,
             QStringLiteral("The orbit's periapsis lies below the surface of %1.").arg(planet)});
        break;
    case PeriapsisPlace::InsideAtmosphere:
        problems.push_back(
            {row, name, CheckProblemKind::PeriapsisInAtmosphere,
             QStringLiteral("The orbit's periapsis lies inside the atmosphere of %1.").arg(planet)});
        break;
    case PeriapsisPlace::Clear:
        break;
    }
}

namespace {
// The texts of the station tab right after it shows the row.
StationControlTexts ShownTexts(const StationRow& row) {
    StationControlTexts texts;
    texts.name = row.Name;
    texts.classRotation = row.ClassRotation;
    texts.rotationFrequency = row.ClassRotation ? QStringLiteral("Class value") : row.ZrotFrequency;
    texts.xAngle = row.ArotX;
    texts.yAngle = row.ArotY;
    texts.zAngle = row.ArotZ;
    // A station spinning at its own frequency is written without an AROT line, by this editor
    // too: the simulator then starts it unturned. Only a line that is there can be wrong.
    if (row.ArotX.isEmpty() && row.ArotY.isEmpty() && row.ArotZ.isEmpty())
        texts.xAngle = texts.yAngle = texts.zAngle = QStringLiteral("0");
    texts.semiMajorAxis = row.SemiMajorAxis;
    texts.excentricity = row.Excentricity;
    texts.inclination = row.Inclination;
    texts.ascendingNodeLongitude = row.AscendingNodeLongitude;
    texts.periapsisLongitude = row.PeriapsisLongitude;
    texts.meanLongitude = row.MeanLongitude;
    texts.refPlanet = row.Ref;
    return texts;
}

// Whether the validation already said that the orbit meets the planet.
bool OrbitAlreadyReported(const QStringList& messages) {
    for (const QString& message : messages) {
        if (message == kStationOrbitCrossesPlanet || message.startsWith(kStationAxisBelowRadius)) return true;
    }
    return false;
}
} // namespace

void CheckStations(const ScenarioDocument& document, int count, CheckContext& context,
                   std::vector<CheckProblem>& problems) {
    const int rows = std::min(count, static_cast<int>(document.StationTable.size()));
    QStringList names;
    for (int i = 0; i < rows; ++i)
        names.append(document.StationTable[std::size_t(i)].Name);
    const std::vector<QStringList> others = OtherNamesOfRows(names);
    const PlanetLookup planets = context.Planets();

    for (int i = 0; i < rows; ++i) {
        const StationRow& row = document.StationTable[std::size_t(i)];
        const StationControlTexts texts = ShownTexts(row);
        const QStringList messages = ValidateStationRow(texts, planets, others[std::size_t(i)]);
        for (const QString& message : messages)
            problems.push_back({CheckRow::Station, row.Name, CheckProblemKind::Validation, message});

        if (!Trim(row.ClassName).isEmpty() && !context.StationClassInstalled(row.ClassName))
            problems.push_back(
                {CheckRow::Station, row.Name, CheckProblemKind::ClassNotInstalled,
                 QStringLiteral("The station class \"%1\" is not installed.").arg(Trim(row.ClassName))});

        if (Trim(texts.refPlanet).isEmpty() || OrbitAlreadyReported(messages)) continue;
        const PlanetData& planet = context.Planet(texts.refPlanet);
        if (!planet.readable) continue;
        const OrbitInsight insight = StationOrbitInsight(
            StationElementTexts{row.SemiMajorAxis, row.Excentricity, row.Inclination,
                                row.AscendingNodeLongitude, row.PeriapsisLongitude, row.MeanLongitude},
            planet);
        if (insight.Problem == OrbitInsightProblem::None)
            AddPeriapsisProblem(insight.Figures.Periapsis, CheckRow::Station, row.Name, row.Ref, problems);
    }
}
