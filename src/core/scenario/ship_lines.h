#pragma once
// The lines of a ship block by their keyword, as the reader and the writer both see them.
#include <QStringView>

enum class ShipLineKind {
    End,
    Status,
    Base,
    Heading,
    Rpos,
    Rvel,
    Arot,
    Vrot,
    Fuel,
    MainEngine,
    EngineHovr,
    HoverMain,
    Prplevel, // fuel level per tank: "PRPLEVEL 0:1.000000 1:0.250000"
    Elements, // placed by orbital elements
    Pos,      // placed by longitude and latitude
    Alt,
    Dockinfo,
    Other,
};

// The kind of a line given trimmed and without its comment. The keywords the reader has
// always known are matched at the start of the line, in letter case of any kind; the
// placement and per-tank keywords as the line's first word.
ShipLineKind ShipLineKindOf(QStringView trimmed);

// The text after a line's first word, without the blanks around it.
QStringView AfterFirstWord(QStringView trimmed);

// The level of the first tank of a PRPLEVEL line: the text after the ":" of its first pair.
// A line with no pair gives a null view.
QStringView FirstTankLevel(QStringView trimmed);
