#include "core/installation/planet_file.h"

#include "core/text/record_lookup.h"
#include "core/text/text_rules.h"

namespace {
std::optional<QString> Value(const QByteArray& bytes, const QString& key) {
    const QString record = GetData(bytes, key);
    if (record == kNoData) return std::nullopt;
    return record.mid(key.size() + 2);
}

double Number(const std::optional<QString>& value) {
    return value ? LeadingNumber(*value) : 0;
}
} // namespace

double PlanetFile::Mass() const {
    return Number(mass);
}
double PlanetFile::MeanRadius() const {
    return Number(size);
}
double PlanetFile::RotationPeriod() const {
    return Number(rotationPeriod);
}
double PlanetFile::AtmosphereLimit() const {
    return Number(atmosphereLimit);
}

PlanetFile ReadPlanetFile(const QByteArray& bytes) {
    return PlanetFile{Value(bytes, QStringLiteral("Mass")), Value(bytes, QStringLiteral("Size")),
                      Value(bytes, QStringLiteral("SidRotPeriod")),
                      Value(bytes, QStringLiteral("AtmAltLimit"))};
}

QString PlanetFileName(const QString& cfgDir, const QString& body) {
    return cfgDir + Trim(body) + QStringLiteral(".cfg");
}
