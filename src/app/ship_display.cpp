// The ship tab shows one row of the ship table at a time: the display, the reset before it,
// and the pick in the ship list that runs both.
#include "app/tyx.h"
#include "core/editing/ship_percent.h"
#include "core/text/text_rules.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {
// The display places the sliders; only a user's movement writes their labels.
void PlaceSlider(QSlider* slider, int position) {
    const QSignalBlocker block(slider);
    slider->setValue(position);
}

// The row that the ship list shows, or -1 when no entry is selected: an empty list, or a
// name typed over the entry, which in this list stands for no selection.
int SelectedShipRow(const QComboBox* list) {
    const int r = list->currentIndex();
    if (r < 0 || list->currentText() != list->itemText(r)) return -1;
    return r;
}

QString OrbitText(const QString& column) {
    return NumberText(LeadingNumber(column));
}
} // namespace

void TYX::ShipNameClick() {
    ShipIndex->setText(QString::number(ShipName->currentIndex()));
    ShipTabReset();
    ShipParameterDisplay();
}

void TYX::ShipParameterDisplay() {
    const int r = SelectedShipRow(ShipName);
    // Without a selected ship, or without its row, the controls keep what they show.
    if (r < 0 || r >= static_cast<int>(Document.ShipTable.size())) return;
    const ShipRow row = Document.ShipTable[std::size_t(r)];

    ShipIndex->setText(QString::number(r));
    ShipClass->setText(row.ClassName);
    ShipFuel->setText(PercentText(row.Fuel));
    PlaceSlider(ShipFuelSlider, PercentPosition(row.Fuel));
    MainEngineStatus->setText(QStringLiteral("0 %"));
    HoverEngineStatus->setText(QStringLiteral("0 %"));

    const QString s = UCase(Trim(row.Status));
    if (s == QLatin1String("DOCKED")) {
        Select(DockedShipOption);
        Docked->show();
        Orbiting->hide();
        Landed->hide();
        ShipDockedStation->setText(row.DockedStation);
        ShipDockedPort->setText(row.DockedPort);
        ShipDockedPlanet->setText(row.StatusRef);
        MainEngineStatus->setEnabled(false);
        HoverEngineStatus->setEnabled(false);
    }
    if (s == QLatin1String("LANDED")) {
        Select(LandedShipOption);
        Landed->show();
        Docked->hide();
        Orbiting->hide();
        ShipLandedPlanet->setText(row.StatusRef);
        ShipLandedBase->setText(row.Base);
        ShipLandedPad->setText(row.Pad);
        ShipLandedHeading->setText(row.Heading);
        MainEngineStatus->setEnabled(false);
        HoverEngineStatus->setEnabled(false);
    }
    if (s == QLatin1String("ORBITING")) {
        Select(OrbitingShipOption);
        Orbiting->show();
        Docked->hide();
        Landed->hide();
        ShipOrbitingPlanet->setText(row.StatusRef);
        ShipOrbitingAngularVelocity->setText(OrbitText(row.Vrot));
        ShipOrbitingRposX->setText(OrbitText(row.RposX));
        ShipOrbitingRposY->setText(OrbitText(row.RposY));
        ShipOrbitingRposZ->setText(OrbitText(row.RposZ));
        ShipOrbitingArotX->setText(OrbitText(row.ArotX));
        ShipOrbitingArotY->setText(OrbitText(row.ArotY));
        ShipOrbitingArotZ->setText(OrbitText(row.ArotZ));
        ShipOrbitingRvelX->setText(OrbitText(row.RvelX));
        ShipOrbitingRvelY->setText(OrbitText(row.RvelY));
        ShipOrbitingRvelZ->setText(OrbitText(row.RvelZ));
        MainEngineStatus->setEnabled(true);
        HoverEngineStatus->setEnabled(true);
        MainEngineStatus->setText(PercentText(row.MainEngine));
        PlaceSlider(MainEngineStatusSlider, PercentPosition(row.MainEngine));
        HoverEngineStatus->setText(PercentText(row.HoverEngine));
        PlaceSlider(HoverEngineStatusSlider, PercentPosition(row.HoverEngine));
    }
}

void TYX::ShipTabReset() {
    ShipClass->clear();
    // Radio buttons of one frame keep one of them selected; the reset selects none.
    for (QRadioButton* option : {LandedShipOption, DockedShipOption, OrbitingShipOption}) {
        const QSignalBlocker block(option);
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    Landed->hide();
    Docked->hide();
    Orbiting->hide();
    for (QLabel* label :
         {ShipFuel, MainEngineStatus, HoverEngineStatus, ShipLandedPlanet, ShipLandedBase, ShipLandedPad,
          ShipDockedStation, ShipDockedPort, ShipDockedPlanet, ShipOrbitingPlanet})
        label->clear();
    for (QLineEdit* box : {ShipLandedHeading, ShipOrbitingAngularVelocity, ShipOrbitingArotX,
                           ShipOrbitingArotY, ShipOrbitingArotZ, ShipOrbitingRposX, ShipOrbitingRposY,
                           ShipOrbitingRposZ, ShipOrbitingRvelX, ShipOrbitingRvelY, ShipOrbitingRvelZ})
        box->clear();
}
