#include "core/editing/landed_position.h"

#include "core/text/text_rules.h"

namespace {
bool SameName(const QString& a, const QString& b) {
    return UCase(Trim(a)) == UCase(Trim(b));
}
} // namespace

std::optional<BaseLocation> LocationOfBase(const std::vector<InstalledBase>& bases, const QString& base,
                                           const QString& body) {
    if (Trim(base).isEmpty()) return std::nullopt;
    for (const InstalledBase& each : bases)
        if (SameName(each.name, base) && SameName(each.body, body)) return each.location;
    return std::nullopt;
}

ShipEditorTexts StartedAtPosition(ShipEditorTexts texts, const std::vector<InstalledBase>& bases) {
    if (texts.landedAt == LandedAt::Position) return texts;
    texts.landedAt = LandedAt::Position;
    if (!Trim(texts.landedPlanet).isEmpty()) texts.landedBody = Trim(texts.landedPlanet);
    if (const auto location = LocationOfBase(bases, texts.landedBase, texts.landedPlanet)) {
        texts.landedLongitude = Trim(location->longitude);
        texts.landedLatitude = Trim(location->latitude);
    }
    return texts;
}
