#pragma once
// Shared by the scenario reader and writer tests: the test files, and the columns of a row
// by name so that data tables can name the column they check.
#include "core/scenario/scenario_document.h"
#include "test_files.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// A scenario file of the test data.
inline QByteArray DataFile(const QString& name) {
    return TestDataFile(QStringLiteral("document/") + name);
}

// Lines of a test text joined by CR LF, each ended by one.
inline QByteArray Crlf(std::initializer_list<const char*> lines) {
    QByteArray out;
    for (const char* line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

inline QMap<QString, QString> Columns(const StationRow& r) {
    return {{"Name", r.Name},
            {"ClassName", r.ClassName},
            {"Ref", r.Ref},
            {"ZrotFrequency", r.ZrotFrequency},
            {"ArotX", r.ArotX},
            {"ArotY", r.ArotY},
            {"ArotZ", r.ArotZ},
            {"ClassRotation", r.ClassRotation ? "True" : "False"},
            {"SemiMajorAxis", r.SemiMajorAxis},
            {"Excentricity", r.Excentricity},
            {"Inclination", r.Inclination},
            {"AscendingNodeLongitude", r.AscendingNodeLongitude},
            {"PeriapsisLongitude", r.PeriapsisLongitude},
            {"MeanLongitude", r.MeanLongitude},
            {"EpochDate", QString::number(r.EpochDate, 'f', 0)},
            {"EpochHour", r.EpochHour},
            {"EpochMinute", r.EpochMinute}};
}

inline QMap<QString, QString> Columns(const ShipRow& r) {
    return {{"Name", r.Name},
            {"ClassName", r.ClassName},
            {"Status", r.Status},
            {"StatusRef", r.StatusRef},
            {"Base", r.Base},
            {"DockedStation", r.DockedStation},
            {"Heading", r.Heading},
            {"DockedPort", r.DockedPort},
            {"Pad", r.Pad},
            {"RposX", r.RposX},
            {"RposY", r.RposY},
            {"RposZ", r.RposZ},
            {"RvelX", r.RvelX},
            {"RvelY", r.RvelY},
            {"RvelZ", r.RvelZ},
            {"ArotX", r.ArotX},
            {"ArotY", r.ArotY},
            {"ArotZ", r.ArotZ},
            {"Vrot", r.Vrot},
            {"OtherLines", r.OtherLines},
            {"Fuel", r.Fuel},
            {"MainEngine", r.MainEngine},
            {"HoverEngine", r.HoverEngine},
            {"Longitude", r.Longitude},
            {"Latitude", r.Latitude},
            {"ElementsSemiMajorAxis", r.ElementsSemiMajorAxis},
            {"ElementsExcentricity", r.ElementsExcentricity},
            {"ElementsInclination", r.ElementsInclination},
            {"ElementsAscendingNode", r.ElementsAscendingNode},
            {"ElementsPeriapsisLongitude", r.ElementsPeriapsisLongitude},
            {"ElementsMeanLongitude", r.ElementsMeanLongitude},
            {"ElementsEpoch", r.ElementsEpoch},
            {"TankLevels", r.TankLevels}};
}
