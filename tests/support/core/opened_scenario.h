#pragma once
// A scenario read from bytes as the editor opens it, with its counts and a save, for tests that
// take the editor's steps without the windows.
#include "core/editing/scenario_saving.h"
#include "core/scenario/scenario_reader.h"

#include <QByteArray>
#include <QString>

struct Open {
    ScenarioDocument document;
    int stations = 0;
    int ships = 0;
    QByteArray Save() const { return SavedScenarioBytes(document, stations, ships); }
    int Row(const QString& name) const {
        for (int r = 0; r < ships; ++r)
            if (document.ShipTable[std::size_t(r)].Name == name) return r;
        return -1;
    }
};

inline Open Load(const QByteArray& bytes) {
    const ScenarioReadResult read = ReadScenario(bytes);
    Open open{read.document, int(read.stationNames.size()), int(read.shipNames.size())};
    open.document.Description = ScenarioDescription(bytes);
    return open;
}
