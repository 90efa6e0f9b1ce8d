#pragma once
// What the check of a scenario file finds: one problem of a row (a station or a ship) or of
// the whole file, with the message a user reads and a key that other programs can rely on.
#include <QString>
#include <vector>

enum class CheckProblemKind {
    Unreadable,         // the file cannot be read
    NoSystem,           // the file names no planetary system
    SystemNotInstalled, // its planetary system is not installed
    NoFocusShip,        // the file names no focus ship
    FocusShipMissing,   // the focus ship is not one of the ships
    Validation,         // a check of the station or ship validation failed
    ClassNotInstalled,  // the station or ship class is not installed
    BaseMissing,        // the body has no base of that name
    PadMissing,         // the base has no pad of that number
    PadTaken,           // another ship stands on the pad already
    PortTaken,          // another ship is docked at the port already
    StationMissing,     // the ship is docked at a station the file does not hold
    DockPartnerMissing, // a DOCKINFO pair names a ship the file does not hold
    DockNotReturned,    // the partner of a DOCKINFO pair does not name the ship back on the same ports
    PeriapsisBelowSurface,
    PeriapsisInAtmosphere,
};

// An error is a fault of the scenario; a note tells of something that may well be meant (a
// shuttle on its final approach flies an orbit that meets the ground).
enum class CheckSeverity { Error, Note };
CheckSeverity SeverityOf(CheckProblemKind kind);
// "error" or "note".
QString CheckSeverityWord(CheckSeverity severity);

// The key of a kind, as the JSON report gives it ("ship-class-not-installed" is written
// "class-not-installed" with the row "ship").
QString CheckProblemKey(CheckProblemKind kind);

enum class CheckRow { File, Station, Ship };
// "station", "ship", or empty for the file.
QString CheckRowWord(CheckRow row);

struct CheckProblem {
    CheckRow row = CheckRow::File;
    QString name; // the station's or ship's name; empty for the file
    CheckProblemKind kind = CheckProblemKind::Validation;
    QString message;
    bool operator==(const CheckProblem&) const = default;
    CheckSeverity Severity() const { return SeverityOf(kind); }
};

struct FileCheck {
    QString file; // as the report shows it
    bool readable = true;
    std::vector<CheckProblem> problems; // in file order, then row order
    int Errors() const;
    int Notes() const;
};
