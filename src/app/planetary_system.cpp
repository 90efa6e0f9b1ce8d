// The bodies and bases of the current planetary system, the change of planetary system that
// empties the scenario, and the planetary system information window.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/installation/base_catalog.h"
#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/dialogs/planetary_system_information.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QApplication>

namespace {
// The pointer is restored on every way out.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
} // namespace

void TYX::readPlanetarySystem(const QString& systemFile) {
    QStringList bodies;
    if (const auto bytes = ReadWholeFile(systemFile))
        bodies = BodyList(*bytes);
    else
        ShowMessage(this, "The planetary system file \"" + DisplayPath(systemFile) + "\" cannot be read.",
                    "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
    session_->setBodies(bodies);
    stationTab_->showBodies();
    shipTab_->showBodies();
    // The third body is shown, usually the first with a moon; a smaller system shows its first.
    const int shown = bodies.size() >= 3 ? 2 : (bodies.isEmpty() ? -1 : 0);
    informationWindow()->showBodies(bodies, shown, session_->folders().config);
}

void TYX::readBases() {
    const QString folder = session_->folders().config;
    session_->setBases(ReadInstalledBases(
        session_->bodies(), [&folder](const QString& fileName) { return ReadWholeFile(folder + fileName); },
        ConfigFoldersOnDisk(folder)));
    shipTab_->showBaseTree();
}

void TYX::changePlanetarySystem(int entry) {
    const auto& systems = session_->planetarySystems();
    if (entry < 0 || entry >= static_cast<int>(systems.size()) || !systems[std::size_t(entry)].installed)
        return; // an entry that no system file made
    BusyPointer busy;
    readPlanetarySystem(session_->folders().config + systems[std::size_t(entry)].file);
    emptyScenario();
    recordStep(QStringLiteral("change of the planetary system"), QString());
}

void TYX::emptyScenario() {
    session_->emptyScenario();
    stationTab_->clearStations();
    shipTab_->clearShips();
    environmentTab_->clearScenario();
    shipTab_->showStationTree();
    shipTab_->showBaseTree();
}

PlanetarySystemInformation* TYX::informationWindow() {
    if (!informationWindow_) informationWindow_ = new PlanetarySystemInformation(this);
    return informationWindow_;
}
