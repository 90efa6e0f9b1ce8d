#include "scenario_generator.h"

#include <QString>

namespace {
const char* const kBodies[] = {"Earth", "Mars", "Venus", "Moon"};
const char* const kStationClasses[] = {"Lantern", "Carousel", "Trellis"};
const char* const kShipClasses[] = {"Kestrel", "Heron", "Albatross", "Petrel"};

void Line(QByteArray& out, const QString& text) {
    out += text.toLatin1();
    out += "\r\n";
}
} // namespace

QByteArray GenerateScenario(int stations, int ships) {
    QByteArray out;
    out.reserve(stations * 180 + ships * 200 + 4096);
    for (const char* line : {"BEGIN_DESC",
                             "A crowded sky: every station and ship of the fleet, for timing.",
                             "Second line, with a comma; and a semicolon.",
                             "END_DESC",
                             "",
                             "BEGIN_ENVIRONMENT",
                             "  System Sol",
                             "  Date MJD 52531.5208333333",
                             "END_ENVIRONMENT",
                             "",
                             "BEGIN_FOCUS",
                             "  Ship K0",
                             "END_FOCUS",
                             "",
                             "BEGIN_CAMERA",
                             "  TARGET K0",
                             "  MODE Cockpit",
                             "END_CAMERA",
                             "",
                             "BEGIN_HUD",
                             "  TYPE Orbit",
                             "END_HUD",
                             "",
                             "BEGIN_STATIONS"})
        Line(out, QString::fromLatin1(line));
    for (int i = 0; i < stations; ++i) {
        Line(out, QStringLiteral("ST%1:%2 ; station %1").arg(i).arg(kStationClasses[i % 3]));
        Line(out, QStringLiteral("  REF %1").arg(kBodies[i % 4]));
        Line(out, QStringLiteral("  EL_MJD %1").arg(51544.5 + i * 0.37, 0, 'f', 10));
        Line(out, QStringLiteral("  ELEMENTS %1 %2 %3 %4 %5 %6")
                      .arg(6778137 + i * 1000)
                      .arg(0.001 * (i % 7), 0, 'f', 4)
                      .arg(i % 90)
                      .arg(i % 360)
                      .arg((i * 7) % 360)
                      .arg((i * 13) % 360));
        if (i % 2) Line(out, QStringLiteral("  ZROT_FREQ %1").arg(0.0001 * (i % 20 + 1), 0, 'f', 4));
        Line(out, QStringLiteral("  AROT %1 %2 %3").arg(i % 180).arg(i % 90).arg(i % 45));
        Line(out, QStringLiteral("END"));
    }
    Line(out, QStringLiteral("END_STATIONS"));
    Line(out, QString());
    Line(out, QStringLiteral("BEGIN_SHIPS"));
    for (int i = 0; i < ships; ++i) {
        const char* const shipClass = kShipClasses[i % 4];
        switch (i % 3) {
        case 0:
            Line(out, QStringLiteral("K%1:%2").arg(i).arg(shipClass));
            Line(out, QStringLiteral("  STATUS Landed Earth"));
            Line(out, QStringLiteral("  BASE Canaveral:%1").arg(i % 4 + 1));
            Line(out, QStringLiteral("  HEADING %1").arg((i * 11) % 360));
            Line(out, QStringLiteral("  FUEL %1").arg(0.01 * (i % 100), 0, 'f', 2));
            Line(out, QStringLiteral("  PRPLEVEL 0:1.000 1:0.500 ; propellant"));
            break;
        case 1:
            Line(out, QStringLiteral("K%1:%2").arg(i).arg(shipClass));
            Line(out, QStringLiteral("  STATUS Orbiting Mars"));
            Line(out, QStringLiteral("  RPOS %1 %2 %3").arg(3800000 + i).arg(-120000 - i).arg(i % 5000));
            Line(out, QStringLiteral("  RVEL %1 %2 %3").arg(120.5 + i % 10).arg(3300 - i % 100).arg(0.25));
            Line(out, QStringLiteral("  AROT %1 %2 %3").arg(i % 360).arg(-(i % 90)).arg(i % 180));
            Line(out, QStringLiteral("  VROT 0.%1").arg(i % 10));
            Line(out, QStringLiteral("  FUEL 0.75"));
            Line(out, QStringLiteral("  ENGINE_MAIN 0.%1").arg(i % 10));
            Line(out, QStringLiteral("  ENGINE_HOVR 0"));
            Line(out, QStringLiteral("  XPDR %1").arg(i % 640));
            Line(out, QStringLiteral("  NAVFREQ 0 0"));
            // The next ship docks here as well as at its station, both ships naming the pair.
            if (i + 1 < ships) Line(out, QStringLiteral("  DOCKINFO 1:0,K%1").arg(i + 1));
            break;
        default:
            Line(out, QStringLiteral("K%1:%2").arg(i).arg(shipClass));
            Line(out, QStringLiteral("  STATUS Docked Earth:ST%1:%2")
                          .arg(stations > 0 ? (i / 3) % stations : 0)
                          .arg(i % 2 + 1));
            Line(out, QStringLiteral("  FUEL 1"));
            Line(out, QStringLiteral("  DOCKINFO 0:1,K%1").arg(i - 1));
            break;
        }
        Line(out, QStringLiteral("END"));
    }
    Line(out, QStringLiteral("END_SHIPS"));
    return out;
}
