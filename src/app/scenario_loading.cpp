// Opening a scenario into the tabs, and writing it back.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/editing/scenario_saving.h"
#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"
#include "widgets/common/message_box.h"
#include "widgets/common/status_line.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QTabWidget>

bool TYX::openScenario(const QString& fileName, bool viaLoadButton) {
    // A file that vanished or cannot be read since it was listed changes nothing. The file is
    // read once, here: the description shown is the one of the bytes loaded.
    const auto bytes = ReadWholeFile(session_->folders().scenario + fileName);
    if (!bytes) {
        ShowMessage(this, "The scenario file " + fileName + " could not be read.", "Load a scenery",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    saveAction_->setEnabled(true);
    saveAsAction_->setEnabled(true);
    changesAction_->setEnabled(true);
    fileCaption_->setText("Scenario file");
    fileNameMirror_->show();
    splash_->hide();
    session_->setFileName(fileName);

    const ScenarioReadResult read = ReadScenario(*bytes);
    session_->openScenario(read.document, read.stationNames, read.shipNames, read.possibleShipFocus,
                           read.hasShips);
    environmentTab_->showScenario(read.document.Description);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<PlanetarySystemEntry>& systems = session_->planetarySystems();
    const int entry = session_->planetarySystemIndex(read.document.SystemName);
    readPlanetarySystem(session_->folders().config + systems[std::size_t(entry)].file);
    QGuiApplication::restoreOverrideCursor();
    readBases();

    stationTab_->showStations();
    shipTab_->showStationTree();
    shipTab_->showBaseTree();
    shipTab_->showShips(read.shipIndexText, read.hasShips);
    shipTab_->showFirstShip();
    stationTab_->selectFirstBody();

    if (tabs_->isHidden()) tabs_->show();
    // Only the Load button unlocks the information window; a double click or Enter does not.
    if (viaLoadButton) informationAction_->setEnabled(true);
    rememberScenario(fileName);
    startHistory();
    statusLine_->say("Loaded " + fileName);
    return true;
}

bool TYX::saveScenario(const QString& fileName) {
    // Only what the user changed is written anew; the rest of the file as it was read.
    const QByteArray bytes = SessionSaveBytes(*session_);
    QString error;
    if (!WriteWholeFile(fileName, bytes, &error)) {
        ShowMessage(this,
                    "The scenario could not be saved to " + DisplayPath(PlatformPath(fileName)) + ":\n" +
                        error + "\nAn earlier file of that name is left as it was.",
                    "Saving failed", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    rememberScenario(fileName);
    return true;
}
