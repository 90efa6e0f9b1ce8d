// Setting a ship up before validation: the status options with their frames, the level
// sliders and the pad and dock pickers. None of them writes the ship table.
#include "app/tyx.h"
#include "core/editing/location_pick.h"
#include "core/editing/ship_percent.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>

namespace {
// A landed or docked ship has its engines off; the labels say so and validation stores 0.
void EnginesOff(QLabel* mainEngine, QLabel* hoverEngine) {
    for (QLabel* label : {mainEngine, hoverEngine}) {
        label->setEnabled(false);
        label->setText(QStringLiteral("0"));
    }
}

PickNode NodeOf(const QTreeWidgetItem* item) {
    PickNode node;
    node.text = item->text(0);
    node.image = item->data(0, Qt::UserRole).toInt();
    node.childCount = item->childCount();
    if (const QTreeWidgetItem* parent = item->parent()) {
        node.parentText = parent->text(0);
        if (const QTreeWidgetItem* grandparent = parent->parent())
            node.grandparentText = grandparent->text(0);
    }
    return node;
}
} // namespace

void TYX::LandedShipOptionClick() {
    if (LandedShipOption->isChecked()) {
        Landed->show();
        Docked->hide();
        Orbiting->hide();
    }
    EnginesOff(MainEngineStatus, HoverEngineStatus);
}

void TYX::DockedShipOptionClick() {
    if (DockedShipOption->isChecked()) {
        Docked->show();
        Landed->hide();
        Orbiting->hide();
    }
    EnginesOff(MainEngineStatus, HoverEngineStatus);
}

void TYX::OrbitingShipOptionClick() {
    if (OrbitingShipOption->isChecked()) {
        Orbiting->show();
        Landed->hide();
        Docked->hide();
    }
    MainEngineStatus->setEnabled(true);
    HoverEngineStatus->setEnabled(true);
}

void TYX::ShipFuelSliderChange() {
    ShipFuel->setText(SliderText(ShipFuelSlider->value()));
}

void TYX::MainEngineStatusSliderChange() {
    MainEngineStatus->setText(SliderText(MainEngineStatusSlider->value()));
}

void TYX::HoverEngineStatusSliderChange() {
    HoverEngineStatus->setText(SliderText(HoverEngineStatusSlider->value()));
}

void TYX::ShipLandingTreeDblClick() {
    const QTreeWidgetItem* item = ShipLandingTree->currentItem();
    if (!item) return;
    if (const auto pick = PadPick(NodeOf(item))) {
        ShipLandedPad->setText(pick->number);
        ShipLandedBase->setText(pick->place);
        ShipLandedPlanet->setText(pick->planet);
    }
}

void TYX::ShipDockedTreeDblClick() {
    const QTreeWidgetItem* item = ShipDockedTree->currentItem();
    if (!item) return;
    if (const auto pick = PortPick(NodeOf(item))) {
        ShipDockedPort->setText(pick->number);
        ShipDockedStation->setText(pick->place);
        ShipDockedPlanet->setText(pick->planet);
    }
}
