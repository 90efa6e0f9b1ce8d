#pragma once
// Two scenario texts held against each other as the simulator reads them: section by
// section, whatever their order in the files, and line by line within each section, station
// and ship, numbers by value. The differences a save may make without changing what the
// simulator does are not reported: the order of the sections, a class-less ship or station
// header written "Name:Name", a base line without a pad written with its ":", the way a
// number is written, line ends, blank lines and comments, an empty description section
// added, and the fixed form of a station block (ZROT_FREQ written ZROT_FREQUENCY, no AROT
// line beside it, the epoch to the minute).
#include <QByteArray>
#include <QString>
#include <vector>

struct ScenarioDifference {
    QString section;  // "BEGIN_ENVIRONMENT", "SHIP Gull", "STATION Beacon", "OUTSIDE", ...
    QString original; // the line of the first text; empty for a line only the second has
    QString saved;    // the line of the second text; empty for a line it lacks
    bool operator==(const ScenarioDifference&) const = default;
};

struct ScenarioComparison {
    std::vector<ScenarioDifference> differences;
    int linesCompared = 0; // lines of the first text with something on them, all held against the second
    bool Same() const { return differences.empty(); }
};

ScenarioComparison CompareScenarioTexts(const QByteArray& original, const QByteArray& saved);

// The differences one per line, "section | original | saved", for a test's failure message.
QString DifferencesText(const ScenarioComparison& comparison);
