// The bodies of the current planetary system in the main window's lists, the emptying of the
// scenario when the system changes, and the planetary system information window.
#include "app/tyx.h"
#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"
#include "widgets/dialogs/planetary_system_information.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {
void FillBodies(QComboBox* box, const QStringList& bodies, int selected) {
    QSignalBlocker block(box);
    box->clear();
    box->addItems(bodies);
    box->setCurrentIndex(selected);
}

void Empty(QComboBox* box) {
    QSignalBlocker block(box);
    box->clear();
}
} // namespace

void TYX::ExtractPlanet(const QString& fileName) {
    Buffer.clear();
    NBuffer.clear();
    if (const auto bytes = ReadWholeFile(fileName))
        Buffer = BodyList(*bytes);
    else
        ShowMessage(this, "The planetary system file \"" + fileName + "\" cannot be read.", "Warning",
                    MsgButtons::Ok, MsgIcon::Exclamation);

    FillBodies(StationRef, Buffer, -1);
    FillBodies(OrbitingRef, Buffer, -1);
    PlanetarySystemInformation* information = InformationWindow();
    FillBodies(information->Planet, Buffer, -1);
    // The third body is shown, usually the first with a moon; a smaller system shows its first.
    const int shown = Buffer.size() >= 3 ? 2 : (Buffer.isEmpty() ? -1 : 0);
    Select(information->Planet, shown);
}

void TYX::PlanetarySystemUpdate() {
    Document.StationTableRedim(0);
    Document.ShipTableRedim(0);
    StationTabReset();
    ShipTabReset();
    Empty(StationName);
    Empty(ShipName);
    ShipFocus->clear();
    Description->clear();
    Document.FocusShip.clear();
    Document.Description.clear();
    StationTreeUpdate();
    Empty(PossibleShipFocus);
    BaseTreeUpdate();
    StationIndex->setText("0");
    ShipIndex->setText("0");
}

PlanetarySystemInformation* TYX::InformationWindow() {
    if (!informationWindow_) {
        informationWindow_ = new PlanetarySystemInformation(this);
        informationWindow_->ConfigFolder = CfgDir->text();
        // Opened after a scenario was loaded: the window takes the bodies the station tab offers.
        if (Menu31 && Menu31->isEnabled() && StationRef) {
            QStringList bodies;
            for (int i = 0; i < StationRef->count(); ++i)
                bodies.append(StationRef->itemText(i));
            FillBodies(informationWindow_->Planet, bodies, -1);
            Select(informationWindow_->Planet, bodies.isEmpty() ? -1 : 0);
        }
    }
    informationWindow_->ConfigFolder = CfgDir->text();
    return informationWindow_;
}
