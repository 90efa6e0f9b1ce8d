#pragma once
// A landed ship moved from its pad to a position of its own: it starts where its base lies, so
// that the user moves it from there rather than from nowhere.
#include "core/installation/base_catalog.h"
#include "core/scenario/ship_columns.h"

#include <optional>
#include <vector>

// The location of the base of that name on that body; names and bodies match without the blanks
// around them and without regard to letter case, as the pad tree and the files name them.
// Nothing for a base the installation does not know or whose file gives no location.
std::optional<BaseLocation> LocationOfBase(const std::vector<InstalledBase>& bases, const QString& base,
                                           const QString& body);

// The landed frame's texts switched from the pad to a position: on the planet of the pad, at its
// base's location when the base has one; the position boxes keep their texts otherwise.
ShipEditorTexts StartedAtPosition(ShipEditorTexts texts, const std::vector<InstalledBase>& bases);
