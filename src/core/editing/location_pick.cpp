#include "core/editing/location_pick.h"

#include "core/text/text_rules.h"

namespace {
// The text prefix alone would also take a childless body, base or station whose name starts
// with "Landing" or "Dock", and such a node has no base or planet above it to read: only pad
// and port nodes are picked.
std::optional<LocationPick> Pick(const PickNode& node, const QString& prefix, int image, int numberFrom) {
    if (node.text.left(prefix.size()) != prefix || node.childCount > 0 || node.image != image)
        return std::nullopt;
    if (!node.parentText || !node.grandparentText) return std::nullopt;
    return LocationPick{Trim(node.text.mid(numberFrom)), *node.parentText, *node.grandparentText};
}
} // namespace

std::optional<LocationPick> PadPick(const PickNode& node) {
    return Pick(node, QStringLiteral("Landing"), LandingPadNodeImage, 11);
}

std::optional<LocationPick> PortPick(const PickNode& node) {
    std::optional<LocationPick> pick = Pick(node, QStringLiteral("Dock"), DockPortNodeImage, 4);
    if (pick) pick->ofShip = node.parentImage == ShipNodeImage;
    return pick;
}
