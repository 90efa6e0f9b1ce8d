#pragma once
// The columns of a ship row, listed once: the member that holds each, the value a new ship
// starts with, and the box of the ship tab that shows it. The reader, the blanking of a new row
// and the row a validation stores all go by this table.
#include "core/scenario/scenario_document.h"

#include <QString>
#include <array>
#include <vector>

enum class ShipStatusChoice { None, Landed, Orbiting, Docked };

// Where the landed frame puts a landed ship: on the pad its labels name, or at the position its
// boxes hold.
enum class LandedAt { Pad, Position };

// How a ship read from a file is placed: by its status lines as the form shows them, or by a
// placement the form has no boxes for, which stays until the user gives a position (an
// orbiting ship placed by orbital elements). A landed ship stands at a longitude and latitude
// (ByPosition) when its row names no base and a longitude, whether read so or stored so. A ship
// placed by its dock to another ship (a DOCKINFO pair, no position of its own) is shown docked
// and keeps its status and place as read.
enum class ShipPlacement { ByStatus, ByElements, ByPosition, ByDock };

// A tank of the ship tab's table: its number as the file gives it, and its level as the cell
// reads ("50 %").
struct TankText {
    QString tank;
    QString level;
    bool operator==(const TankText&) const = default;
};

// What the ship tab holds while the user edits a ship: the texts of its controls and the
// status option that is selected. Validation checks these texts and stores them in a row.
struct ShipEditorTexts {
    QString name;      // the edit text of the ship list
    QString className; // the ship class caption
    ShipStatusChoice status = ShipStatusChoice::None;
    // Landed frame: on a pad of a base, or at a longitude and latitude of a body.
    LandedAt landedAt = LandedAt::Pad;
    QString landedPlanet, landedBase, landedPad, heading;
    QString landedBody, landedLongitude, landedLatitude;
    // Orbiting frame
    QString orbitingPlanet;
    QString rposX, rposY, rposZ, rvelX, rvelY, rvelZ, arotX, arotY, arotZ, angularVelocity;
    // Docked frame
    QString dockedPlanet, dockedStation, dockedPort;
    // Engine settings, as the labels read (" 75 %", "0", ...)
    QString fuel, mainEngine, hoverEngine;
    // Orbiting frame, the orbit by elements: the seven boxes, and whether that form is chosen
    // rather than the position and velocity.
    QString elementsSemiMajorAxis, elementsExcentricity, elementsInclination, elementsAscendingNode,
        elementsPeriapsisLongitude, elementsMeanLongitude, elementsEpoch;
    bool orbitByElements = false;
    // The tanks of a ship whose block gives a level per tank, in the order of its pairs.
    std::vector<TankText> tankLevels;
    // The placement of the ship shown: the boxes it has no use for may stay empty.
    ShipPlacement placement = ShipPlacement::ByStatus;
};

// The columns a block gives, in their declared order (the unknown lines aside).
enum class ShipColumn {
    Name,
    ClassName,
    Status,
    StatusRef,
    Base,
    DockedStation,
    Heading,
    DockedPort,
    Pad,
    RposX,
    RposY,
    RposZ,
    RvelX,
    RvelY,
    RvelZ,
    ArotX,
    ArotY,
    ArotZ,
    Vrot,
    Fuel,
    MainEngine,
    HoverEngine,
    Longitude,
    Latitude,
    ElementsSemiMajorAxis,
    ElementsExcentricity,
    ElementsInclination,
    ElementsAscendingNode,
    ElementsPeriapsisLongitude,
    ElementsMeanLongitude,
    ElementsEpoch,
    TankLevels,
};

// What a new ship's column starts with: the name stays as it was, the rest are blank texts.
enum class ShipBlank { Kept, Empty, Zero, Toto };
// How the box's text becomes the column: as it reads, or a percent level as a fraction; the
// status and the planet it refers to come from the status option instead of one box, the tank
// levels from the rows of the tank table.
enum class ShipBoxValue { Text, Level, Status, Tanks };

struct ShipColumnSpec {
    ShipColumn column;
    QString ShipRow::*member;
    ShipBlank blank;
    QString ShipEditorTexts::*box; // none for the status and tank columns
    ShipBoxValue value;
    bool place; // part of where the ship is: a ship placed by its dock keeps it as read
};

inline constexpr std::array<ShipColumnSpec, 32> kShipColumnSpecs = {{
    {ShipColumn::Name, &ShipRow::Name, ShipBlank::Kept, &ShipEditorTexts::name, ShipBoxValue::Text, false},
    {ShipColumn::ClassName, &ShipRow::ClassName, ShipBlank::Empty, &ShipEditorTexts::className,
     ShipBoxValue::Text, false},
    {ShipColumn::Status, &ShipRow::Status, ShipBlank::Empty, nullptr, ShipBoxValue::Status, true},
    {ShipColumn::StatusRef, &ShipRow::StatusRef, ShipBlank::Empty, nullptr, ShipBoxValue::Status, true},
    {ShipColumn::Base, &ShipRow::Base, ShipBlank::Empty, &ShipEditorTexts::landedBase, ShipBoxValue::Text,
     true},
    {ShipColumn::DockedStation, &ShipRow::DockedStation, ShipBlank::Empty, &ShipEditorTexts::dockedStation,
     ShipBoxValue::Text, true},
    {ShipColumn::Heading, &ShipRow::Heading, ShipBlank::Toto, &ShipEditorTexts::heading, ShipBoxValue::Text,
     true},
    {ShipColumn::DockedPort, &ShipRow::DockedPort, ShipBlank::Empty, &ShipEditorTexts::dockedPort,
     ShipBoxValue::Text, true},
    {ShipColumn::Pad, &ShipRow::Pad, ShipBlank::Empty, &ShipEditorTexts::landedPad, ShipBoxValue::Text, true},
    {ShipColumn::RposX, &ShipRow::RposX, ShipBlank::Zero, &ShipEditorTexts::rposX, ShipBoxValue::Text, true},
    {ShipColumn::RposY, &ShipRow::RposY, ShipBlank::Zero, &ShipEditorTexts::rposY, ShipBoxValue::Text, true},
    {ShipColumn::RposZ, &ShipRow::RposZ, ShipBlank::Zero, &ShipEditorTexts::rposZ, ShipBoxValue::Text, true},
    {ShipColumn::RvelX, &ShipRow::RvelX, ShipBlank::Zero, &ShipEditorTexts::rvelX, ShipBoxValue::Text, true},
    {ShipColumn::RvelY, &ShipRow::RvelY, ShipBlank::Zero, &ShipEditorTexts::rvelY, ShipBoxValue::Text, true},
    {ShipColumn::RvelZ, &ShipRow::RvelZ, ShipBlank::Zero, &ShipEditorTexts::rvelZ, ShipBoxValue::Text, true},
    {ShipColumn::ArotX, &ShipRow::ArotX, ShipBlank::Zero, &ShipEditorTexts::arotX, ShipBoxValue::Text, true},
    {ShipColumn::ArotY, &ShipRow::ArotY, ShipBlank::Zero, &ShipEditorTexts::arotY, ShipBoxValue::Text, true},
    {ShipColumn::ArotZ, &ShipRow::ArotZ, ShipBlank::Zero, &ShipEditorTexts::arotZ, ShipBoxValue::Text, true},
    {ShipColumn::Vrot, &ShipRow::Vrot, ShipBlank::Zero, &ShipEditorTexts::angularVelocity, ShipBoxValue::Text,
     true},
    {ShipColumn::Fuel, &ShipRow::Fuel, ShipBlank::Zero, &ShipEditorTexts::fuel, ShipBoxValue::Level, false},
    {ShipColumn::MainEngine, &ShipRow::MainEngine, ShipBlank::Zero, &ShipEditorTexts::mainEngine,
     ShipBoxValue::Level, false},
    {ShipColumn::HoverEngine, &ShipRow::HoverEngine, ShipBlank::Zero, &ShipEditorTexts::hoverEngine,
     ShipBoxValue::Level, false},
    {ShipColumn::Longitude, &ShipRow::Longitude, ShipBlank::Empty, &ShipEditorTexts::landedLongitude,
     ShipBoxValue::Text, true},
    {ShipColumn::Latitude, &ShipRow::Latitude, ShipBlank::Empty, &ShipEditorTexts::landedLatitude,
     ShipBoxValue::Text, true},
    {ShipColumn::ElementsSemiMajorAxis, &ShipRow::ElementsSemiMajorAxis, ShipBlank::Empty,
     &ShipEditorTexts::elementsSemiMajorAxis, ShipBoxValue::Text, true},
    {ShipColumn::ElementsExcentricity, &ShipRow::ElementsExcentricity, ShipBlank::Empty,
     &ShipEditorTexts::elementsExcentricity, ShipBoxValue::Text, true},
    {ShipColumn::ElementsInclination, &ShipRow::ElementsInclination, ShipBlank::Empty,
     &ShipEditorTexts::elementsInclination, ShipBoxValue::Text, true},
    {ShipColumn::ElementsAscendingNode, &ShipRow::ElementsAscendingNode, ShipBlank::Empty,
     &ShipEditorTexts::elementsAscendingNode, ShipBoxValue::Text, true},
    {ShipColumn::ElementsPeriapsisLongitude, &ShipRow::ElementsPeriapsisLongitude, ShipBlank::Empty,
     &ShipEditorTexts::elementsPeriapsisLongitude, ShipBoxValue::Text, true},
    {ShipColumn::ElementsMeanLongitude, &ShipRow::ElementsMeanLongitude, ShipBlank::Empty,
     &ShipEditorTexts::elementsMeanLongitude, ShipBoxValue::Text, true},
    {ShipColumn::ElementsEpoch, &ShipRow::ElementsEpoch, ShipBlank::Empty, &ShipEditorTexts::elementsEpoch,
     ShipBoxValue::Text, true},
    {ShipColumn::TankLevels, &ShipRow::TankLevels, ShipBlank::Empty, nullptr, ShipBoxValue::Tanks, false},
}};
inline constexpr int kShipColumns = int(kShipColumnSpecs.size());

constexpr bool ColumnsInOrder() {
    for (int c = 0; c < kShipColumns; ++c)
        if (int(kShipColumnSpecs[std::size_t(c)].column) != c) return false;
    return true;
}
static_assert(ColumnsInOrder(), "a column's entry stands at its number");

constexpr const ShipColumnSpec& ShipColumnSpecOf(ShipColumn column) {
    return kShipColumnSpecs[std::size_t(column)];
}

// The member of a ship row that holds a column.
constexpr QString ShipRow::*ShipColumnMember(ShipColumn column) {
    return ShipColumnSpecOf(column).member;
}

// The text a new ship's column starts with (the name's, which stays, as empty); a literal, so
// that blanking the rows of a large file allocates nothing.
inline QString ShipBlankText(ShipBlank blank) {
    switch (blank) {
    case ShipBlank::Zero:
        return QStringLiteral("0");
    case ShipBlank::Toto:
        return QStringLiteral("Toto");
    case ShipBlank::Kept:
    case ShipBlank::Empty:
        break;
    }
    return QString();
}
