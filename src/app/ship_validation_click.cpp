// "Ship parameter validation": the only way from the ship tab into the ship table.
#include "app/tyx.h"
#include "core/editing/ship_lists.h"
#include "core/editing/ship_validation.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
ShipStatusChoice StatusOf(const QRadioButton* landed, const QRadioButton* orbiting,
                          const QRadioButton* docked) {
    if (orbiting->isChecked()) return ShipStatusChoice::Orbiting;
    if (landed->isChecked()) return ShipStatusChoice::Landed;
    if (docked->isChecked()) return ShipStatusChoice::Docked;
    return ShipStatusChoice::None;
}

} // namespace

ShipEditorTexts TYX::ShipTabTexts() const {
    ShipEditorTexts t;
    t.name = ShipName->currentText();
    t.className = ShipClass->text();
    t.status = StatusOf(LandedShipOption, OrbitingShipOption, DockedShipOption);
    t.landedPlanet = ShipLandedPlanet->text();
    t.landedBase = ShipLandedBase->text();
    t.landedPad = ShipLandedPad->text();
    t.heading = ShipLandedHeading->text();
    t.orbitingPlanet = ShipOrbitingPlanet->text();
    t.rposX = ShipOrbitingRposX->text();
    t.rposY = ShipOrbitingRposY->text();
    t.rposZ = ShipOrbitingRposZ->text();
    t.rvelX = ShipOrbitingRvelX->text();
    t.rvelY = ShipOrbitingRvelY->text();
    t.rvelZ = ShipOrbitingRvelZ->text();
    t.arotX = ShipOrbitingArotX->text();
    t.arotY = ShipOrbitingArotY->text();
    t.arotZ = ShipOrbitingArotZ->text();
    t.angularVelocity = ShipOrbitingAngularVelocity->text();
    t.dockedPlanet = ShipDockedPlanet->text();
    t.dockedStation = ShipDockedStation->text();
    t.dockedPort = ShipDockedPort->text();
    t.fuel = ShipFuel->text();
    t.mainEngine = MainEngineStatus->text();
    t.hoverEngine = HoverEngineStatus->text();
    return t;
}

void TYX::Command4Click() {
    const ShipEditorTexts texts = ShipTabTexts();
    ShipPlanetData planet;
    if (texts.status == ShipStatusChoice::Orbiting) {
        const QString planetFile = PlanetFileName(CfgDir->text(), texts.orbitingPlanet);
        planet = PlanetDataFromFile(planetFile, ReadWholeFile(planetFile));
    }
    const ShipValidation validation = ValidateShip(texts, planet);
    if (!validation.Valid()) {
        ShowMessage(this, validation.Messages, kShipValidationTitle, MsgButtons::Ok, MsgIcon::None);
        return;
    }

    const int i = ShipRowNumber(ShipIndex->text());
    const int n = ShipName->count();
    // The current row is one of the listed ships (row 0 for a ship typed into an empty list);
    // any other row would be stored where no list entry shows it.
    const int last = std::max(n - 1, 0);
    if (i < 0 || i > last) return;
    // A table shorter than its list is grown rather than overrun.
    if (static_cast<int>(Document.ShipTable.size()) <= last) Document.ShipTableRedimPreserve(last);
    Document.ShipTable[std::size_t(i)] = StoredShipRow(Document.ShipTable[std::size_t(i)], texts);

    ShipListsRebuild(n, i);
    Select(ShipName, i);
    ShipFocusCheck();
    StationDockTreeUpdate();
    BasePadTreeUpdate();
}

void TYX::ShipListsRebuild(int n, int row) {
    const QSignalBlocker blockNames(ShipName);
    const QSignalBlocker blockFocus(PossibleShipFocus);
    ShipName->clear();
    PossibleShipFocus->clear();
    if (n > 0) {
        PossibleShipFocus->addItems(PossibleShipFocusEntries(Document.ShipTable, n));
        ShipName->addItems(ShipNameEntries(Document.ShipTable, n));
    } else if (row >= 0 && row < static_cast<int>(Document.ShipTable.size())) {
        // A ship typed into the empty list: the name just stored, and row 0 for the focus list.
        ShipName->addItem(Document.ShipTable[std::size_t(row)].Name);
        PossibleShipFocus->addItems(PossibleShipFocusEntries(Document.ShipTable, 1));
    }
}

void TYX::ShipFocusCheck() {
    QStringList entries;
    for (int k = 0; k < PossibleShipFocus->count(); ++k)
        entries.append(PossibleShipFocus->itemText(k));
    const bool found = FocusShipFound(entries, ShipFocus->text());
    if (!entries.isEmpty()) Select(PossibleShipFocus, 0);
    if (!found) {
        ShipFocus->setText(entries.isEmpty() ? QString() : ShipNameOfEntry(entries.first()));
        ShowMessage(
            this,
            "As the user-controled ship was no longer valid in the scenario, it has been set to the first "
            "possible ship !",
            "Warning", MsgButtons::Ok, MsgIcon::Information);
    }
}
