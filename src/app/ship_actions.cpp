// The buttons that change the set of ships and the choices of the ship tab: add, delete,
// change class, change planet, and the user-controlled ship on the first tab.
#include "app/tyx.h"
#include "core/editing/ship_lists.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

void TYX::Command5Click() {
    const int n = ShipName->count();
    Document.ShipTableRedimPreserve(n + 1);
    // The row brought into use may still hold a deleted ship's values (delete leaves them in
    // the spare row): a new ship starts blank, without another ship's unknown lines.
    Document.ShipTableBlanking(n);
    Document.ShipTable[std::size_t(n)].Name.clear();
    Document.ShipTable[std::size_t(n)].OtherLines.clear();
    ShipName->addItem(QStringLiteral("New Ship"));
    Select(ShipName, n);
    ShipParameterDisplay();
}

void TYX::Command6Click() {
    if (ShowMessage(this, "Are you sure you want to delete the ship ?", "Deleting confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    const int n = ShipName->count();
    if (n <= 0) {
        ShipTabReset();
    } else if (n == 1) {
        ShowMessage(this, "You may not delete this ship : the scenario must keep at least one ship !",
                    "Warning", MsgButtons::Ok, MsgIcon::Information);
    } else {
        const int i = ShipRowNumber(ShipIndex->text());
        // A row number that names no ship deletes nothing; the rebuild below still runs.
        if (RemoveShipRow(Document, i, n)) {
            {
                const QSignalBlocker block(ShipName);
                ShipName->removeItem(i);
            }
            if (i > 0) ShipIndex->setText(NumberText(i - 1));
            Select(ShipName, ShipRowNumber(ShipIndex->text()));
        }
    }

    if (ShipName->count() == 0) {
        ShowMessage(this,
                    "You have deleted all the ships : the ship focus is also deleted. Do not save this "
                    "scenario until "
                    "a new ship is created !",
                    "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        PossibleShipFocus->clear();
        ShipFocus->clear();
    } else {
        ShipListsRebuild(ShipName->count(), 0);
        Select(ShipName, ShipRowNumber(ShipIndex->text()));
        ShipFocusCheck();
    }
    StationDockTreeUpdate();
    BasePadTreeUpdate();
}

void TYX::Command7Click() {
    ShipFocus->setText(FocusFromPick(PossibleShipFocus->currentText()));
}

void TYX::Command10Click() {
    ShipClass->setText(Spacecraft->currentText());
}

void TYX::Command11Click() {
    ShipOrbitingPlanet->setText(OrbitingRef->currentText());
}
