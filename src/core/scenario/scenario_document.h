#pragma once
// The one open scenario: single values and two tables of text columns. Row k of a table
// belongs to entry k of the station or ship list of the main window; the number of stations
// or ships is that list's entry count, and rows beyond it are spare and never written.
#include "core/scenario/dates.h"

#include <QString>
#include <memory>
#include <vector>

struct ScenarioSource;

struct StationRow {
    QString Name;
    QString ClassName;
    QString Ref;
    QString ZrotFrequency;
    QString ArotX;
    QString ArotY;
    QString ArotZ;
    bool ClassRotation = false;
    QString SemiMajorAxis;
    QString Excentricity;
    QString Inclination;
    QString AscendingNodeLongitude;
    QString PeriapsisLongitude;
    QString MeanLongitude;
    double EpochDate = 0; // calendar day count; an empty date counts as day 0
    QString EpochHour;
    QString EpochMinute;
    bool operator==(const StationRow&) const = default;
};

struct ShipRow {
    QString Name;
    QString ClassName;
    QString Status;
    QString StatusRef;
    QString Base;
    QString DockedStation;
    QString Heading;
    QString DockedPort;
    QString Pad;
    QString RposX;
    QString RposY;
    QString RposZ;
    QString RvelX;
    QString RvelY;
    QString RvelZ;
    QString ArotX;
    QString ArotY;
    QString ArotZ;
    QString Vrot;
    QString OtherLines; // unrecognised lines of the ship block, joined by CR LF
    QString Fuel;
    QString MainEngine;
    QString HoverEngine;
    // Where a landed ship stands when it stands on no pad: degrees east and north, as read.
    QString Longitude;
    QString Latitude;
    // The ELEMENTS values as read or typed: semi-major axis (m), excentricity, inclination,
    // ascending node, periapsis longitude, mean longitude (degrees) and epoch (MJD). A ship
    // whose semi-major axis is not empty is placed by them; the epoch may be empty, which
    // means the scenario's start.
    QString ElementsSemiMajorAxis;
    QString ElementsExcentricity;
    QString ElementsInclination;
    QString ElementsAscendingNode;
    QString ElementsPeriapsisLongitude;
    QString ElementsMeanLongitude;
    QString ElementsEpoch;
    // The fuel level of each tank as the block's PRPLEVEL line gives it, its pairs as read
    // ("0:1.000000 1:0.25"); empty for a ship without one.
    QString TankLevels;
    // The block of the file this ship was read from (ScenarioSource::ships); -1 for a ship
    // the user added.
    int ReadBlock = -1;
    bool operator==(const ShipRow&) const = default;
};

// A landed ship stands at a longitude and latitude rather than on a pad when its row names no
// base and a longitude: the row alone tells it, for a ship added in the editor as for one read.
bool LandedAtPosition(const ShipRow& row);

struct ScenarioDocument {
    QString Description; // lines joined by CR LF
    QString SystemName;
    double StartDate = 0; // calendar day count
    int StartHour = 0;
    int StartMinute = 0;
    QString FocusShip;
    std::vector<StationRow> StationTable;
    std::vector<ShipRow> ShipTable;
    // What the file held, for a save that changes only what the user changed; none for a
    // scenario that was not read from a file.
    std::shared_ptr<const ScenarioSource> Source;
    // The start time as the window first showed the file's (a calendar cannot show every
    // day): a save keeps the file's Date line while the start is this one or the one read.
    CalendarTime ShownStart;
    // Equal documents write the same file (the source compares by identity: a copy shares it).
    bool operator==(const ScenarioDocument&) const = default;

    // Rows 0 to t, all empty.
    void StationTableRedim(int t);
    // Rows 0 to t; rows that existed keep their values.
    void StationTableRedimPreserve(int t);
    void ShipTableRedim(int t);
    void ShipTableRedimPreserve(int t);
    // The blank values of a new ship row; Name and OtherLines stay.
    void ShipTableBlanking(int i);
};

// A block's header line is "<name>:<class>", so a station or ship name may not hold ":";
// %1 is "station" or "ship".
inline const QString kNameWithColon = QStringLiteral(
    "The %1 name may not hold a \":\", which separates the name from the class in the scenario file.");
