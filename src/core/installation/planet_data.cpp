#include "core/installation/planet_data.h"

#include "core/io/file_access.h"
#include "core/text/record_lookup.h"
#include "core/text/text_rules.h"

#include <QLatin1StringView>
#include <algorithm>
#include <cmath>

namespace {
std::optional<QString> Value(const QByteArray& bytes, const QString& key) {
    const QString record = GetData(bytes, key);
    if (record == kNoData) return std::nullopt;
    return record.mid(key.size() + 2);
}

double Number(const std::optional<QString>& value) {
    return value ? LeadingNumber(*value) : 0;
}

// The rotation's keys begin with one another ("LAN" and "LAN_MJD"), so each is a record's key
// exactly: the text before its "=", blanks trimmed. The last record of a key wins.
BodyRotation ReadRotation(const QByteArray& bytes) {
    struct Key {
        QLatin1StringView name;
        double BodyRotation::*member;
    };
    static const Key kKeys[] = {
        {QLatin1StringView("Obliquity"), &BodyRotation::Obliquity},
        {QLatin1StringView("LAN"), &BodyRotation::Lan},
        {QLatin1StringView("LAN_MJD"), &BodyRotation::LanMjd},
        {QLatin1StringView("PrecessionObliquity"), &BodyRotation::PrecessionObliquity},
        {QLatin1StringView("PrecessionLAN"), &BodyRotation::PrecessionLan},
        {QLatin1StringView("PrecessionPeriod"), &BodyRotation::PrecessionPeriod},
        {QLatin1StringView("SidRotPeriod"), &BodyRotation::SidRotPeriod},
        {QLatin1StringView("SidRotOffset"), &BodyRotation::SidRotOffset},
    };
    BodyRotation rotation;
    for (const QString& record : ReadConfigRecord(bytes)) {
        const qsizetype equals = record.indexOf(u'=');
        if (equals < 0) continue;
        const QString key = Trim(record.left(equals));
        for (const Key& k : kKeys)
            if (key.compare(k.name, Qt::CaseInsensitive) == 0)
                rotation.*k.member = LeadingNumber(Trim(record.mid(equals + 1)));
    }
    return rotation;
}
} // namespace

double PlanetData::Mass() const {
    return Number(mass);
}
double PlanetData::RotationPeriod() const {
    return Number(rotationPeriod);
}
double PlanetData::AtmosphereAsWritten() const {
    return Number(atmosphereLimit);
}

PlanetData ReadPlanetData(const QByteArray& bytes) {
    PlanetData planet;
    planet.readable = true;
    planet.mass = Value(bytes, QStringLiteral("Mass"));
    planet.size = Value(bytes, QStringLiteral("Size"));
    planet.rotationPeriod = Value(bytes, QStringLiteral("SidRotPeriod"));
    planet.atmosphereLimit = Value(bytes, QStringLiteral("AtmAltLimit"));
    planet.rotation = ReadRotation(bytes);
    planet.Mu = kGravitationalConstant * planet.Mass();
    planet.MeanRadius = Number(planet.size);
    planet.AtmosphereLimit = std::max(0.0, planet.AtmosphereAsWritten());
    planet.Known = planet.mass && planet.size && planet.Mu > 0 && planet.MeanRadius > 0 &&
                   std::isfinite(planet.Mu) && std::isfinite(planet.MeanRadius);
    return planet;
}

PlanetData PlanetDataOfFile(const QString& path) {
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    PlanetData planet = bytes ? ReadPlanetData(*bytes) : PlanetData();
    planet.file = path;
    return planet;
}

PlanetData PlanetDataOfBody(const QString& cfgDir, const QString& body) {
    if (Trim(body).isEmpty()) return {};
    return PlanetDataOfFile(PlanetFileName(cfgDir, body));
}

QString PlanetFileName(const QString& cfgDir, const QString& body) {
    return cfgDir + Trim(body) + QStringLiteral(".cfg");
}
