#pragma once
// What a scenario file held, kept beside the document it was read into. The editor shows and
// edits only part of a file; a save writes the rest back as it was read, and the parts it
// edits line by line as read while their values are those read, so that a save changes only
// what the user changed.
#include "core/scenario/scenario_document.h"
#include "core/scenario/ship_columns.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Whole lines of the file: [begin, end) in characters (one character per byte of the file),
// from the start of the first line to the end of the last one, line end excluded.
struct TextSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Where a save puts text it keeps: after the section of the file that preceded it.
enum class KeptPlace { Top, Description, Environment, Focus, View, Stations, Ships };

// Lines outside the sections the editor writes (unknown sections, stray lines), written back
// as read after the section that preceded them in the file.
struct KeptText {
    TextSpan span;
    KeptPlace after = KeptPlace::Top;
    int index = -1; // which section of its kind, for the environment, focus and view sections
};

// What a ship block held besides the values of its row.
struct ShipBlockFacts {
    bool status = false;
    bool base = false;
    bool heading = false;
    bool rpos = false;
    bool rvel = false;
    bool arot = false;
    bool vrot = false;
    bool fuel = false;
    bool prplevel = false; // fuel given per tank; the row's fuel is the level of its first tank
    bool mainEngine = false;
    bool engineHovr = false;
    bool hoverMain = false; // the keyword this program once wrote for the hover engine
    bool elements = false;  // placed by orbital elements
    bool pos = false;       // placed by longitude and latitude
    bool dockinfo = false;  // docked to other ships by DOCKINFO pairs, kept among the unknown lines
};

// Where a value of a ship row was read: characters [at, at + size) of the file, or no line
// gave it (the row's blank value), or a line gave it empty.
struct ReadValue {
    static constexpr qint32 kBlank = -1;
    static constexpr qint32 kEmpty = -2;
    qint32 at = kBlank;
    qint32 size = 0;
};

// A ship block as read. The values are kept as places in the file rather than as texts, so
// that a large scenario takes little more room than its rows.
struct ShipSource {
    TextSpan header;       // the header line
    TextSpan body{-1, -1}; // the lines between the header and END; begin -1 without any
    ShipBlockFacts facts;
    bool blanked = false; // the row started from the blank values (every row but the first)
    ReadValue values[kShipColumns];
};

// A section the file does not close while its word has an END_ line elsewhere in the file: the
// save writes its END_ line after it, since what the save puts after it may hold that line and
// would otherwise become part of it.
struct SectionClosing {
    qsizetype end = 0; // the end of the section's last line as read
    QString line;      // "END_" and the word as its BEGIN_ line spells it
};

struct ScenarioSource {
    QByteArray bytes;            // the file as read
    bool hasDescription = false; // a BEGIN_DESC .. END_DESC section gave the description
    // Its lines, markers included; they may stand inside a ship block, whose lines they are not.
    TextSpan description{-1, -1};
    // A station or ship section, even an empty one: it is written again, and keeps the
    // sections before it from reaching into the text that follows it.
    bool stationsSection = false;
    bool shipsSection = false;
    // The empty lines before the first BEGIN_SHIPS line (0, 1, or 2 for two or more): a file
    // without a station section that has fewer than two there gets no second one on saving.
    int blankLinesBeforeShips = 2;
    std::vector<TextSpan> environment;    // BEGIN_ENVIRONMENT sections, in file order
    std::vector<TextSpan> focus;          // BEGIN_FOCUS sections
    std::vector<TextSpan> views;          // BEGIN_CAMERA, BEGIN_HUD and BEGIN_MFD sections
    std::vector<KeptText> kept;           // in file order
    std::vector<ShipSource> ships;        // indexed by ShipRow::ReadBlock
    std::vector<SectionClosing> closings; // seldom any
    // The line that closes the section read as span on saving; empty for one the file closes.
    QStringView ClosingOf(TextSpan span) const {
        for (const SectionClosing& closing : closings)
            if (closing.end == span.end) return closing.line;
        return {};
    }
    // The values read: a save keeps the lines that gave them while they stay.
    QString systemName;
    QString focusShip;
    bool hasDate = false;
    CalendarTime start;
    // The start as the file gives it, to the fraction of a minute: the time orbits are
    // converted at while the start stays the one read.
    double startMjd = 0;
};

// The value of one column as the block gave it.
QString ShipColumnAsRead(const ScenarioSource& source, const ShipSource& block, ShipColumn column);
// The row a block gave; the unknown lines, which the writer takes from the block itself, are
// those of otherLines.
ShipRow ShipRowAsRead(const ScenarioSource& source, const ShipSource& block, const QString& otherLines = {});
// True when the row holds every value its block gave.
bool ShipRowIsAsRead(const ScenarioSource& source, const ShipSource& block, const ShipRow& row);
