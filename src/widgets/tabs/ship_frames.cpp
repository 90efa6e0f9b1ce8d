#include "widgets/tabs/ship_frames.h"

#include "core/editing/dock_pairs.h"

#include "core/editing/editor_session.h"
#include "core/editing/landed_position.h"
#include "core/editing/location_pick.h"
#include "core/editing/ship_docks.h"
#include "core/editing/ship_editor_texts.h"
#include "core/text/text_rules.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/location_trees_view.h"
#include "widgets/common/object_names.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/orbit_panels.h"
#include "widgets/tabs/landed_position_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {
// The rows of a status frame: each control beside its caption (one without a caption across
// the frame), then the location tree, which takes the height that is left.
void PlaceUnderCaptions(QGridLayout* grid, std::initializer_list<std::pair<const char*, QWidget*>> rows,
                        QTreeWidget* tree) {
    QWidget* frame = grid->parentWidget();
    int row = 0;
    for (const auto& [caption, control] : rows) {
        if (caption) {
            QLabel* label = Caption(QString::fromUtf8(caption), frame);
            label->setBuddy(control); // greyed with it
            grid->addWidget(label, row, 0);
            grid->addWidget(control, row, 1);
        } else {
            grid->addWidget(control, row, 0, 1, 2);
        }
        ++row;
    }
    grid->addWidget(tree, row, 0, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

PickNode NodeOf(const QTreeWidgetItem* item) {
    PickNode node;
    node.text = item->text(0);
    node.image = item->data(0, Qt::UserRole).toInt();
    node.childCount = item->childCount();
    if (const QTreeWidgetItem* parent = item->parent()) {
        node.parentText = parent->text(0);
        node.parentImage = parent->data(0, Qt::UserRole).toInt();
        if (const QTreeWidgetItem* grandparent = parent->parent())
            node.grandparentText = grandparent->text(0);
    }
    return node;
}
} // namespace

std::vector<ShipPlace> ShipPlaces(const EditorSession& session, bool landed) {
    const auto& table = session.document().ShipTable;
    const int count = std::min(session.shipCount(), static_cast<int>(table.size()));
    std::vector<ShipPlace> ships;
    ships.reserve(std::size_t(std::max(count, 0)));
    for (int j = 0; j < count; ++j) {
        const ShipRow& row = table[std::size_t(j)];
        ships.push_back(landed ? ShipPlace{row.Name, row.Status, row.Base, row.Pad}
                               : ShipPlace{row.Name, row.Status, row.DockedStation, row.DockedPort});
    }
    return ships;
}

// ---- Landed ----------------------------------------------------------------------------------

LandedFrame::LandedFrame(EditorSession& session, QWidget* parent)
    : QGroupBox("Landed ship parameters", parent), session_(session) {
    setObjectName(ObjectNames::Landed);
    auto* grid = new QGridLayout(this);
    planet_ = ValueLabel(this, ObjectNames::ShipLandedPlanet, "Planet of the base where the ship is parked");
    base_ = ValueLabel(this, ObjectNames::ShipLandedBase, "Name of the base where the ship is parked");
    pad_ = ValueLabel(this, ObjectNames::ShipLandedPad, "Pad number where the is is parked");
    heading_ = Named(new QLineEdit(this), ObjectNames::ShipLandedHeading,
                     QString::fromUtf8("Ship orientation (in °) at the landing pad"));
    tree_ = MakeLocationTree(this, ObjectNames::ShipLandingTree);
    position_ = new LandedPositionControls(session_, this);
    PlaceUnderCaptions(grid,
                       {{nullptr, position_->options()},
                        {"Planet", planet_},
                        {"Base", base_},
                        {"Landed pad", pad_},
                        {"Body", position_->body()},
                        {"Longitude (°)", position_->degrees()},
                        {"Heading", heading_}},
                       tree_);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &LandedFrame::pickPad);
    connect(position_, &LandedPositionControls::positionChosen, this, &LandedFrame::startAtPosition);
    // The pad labels are greyed while the ship stands at a position; they keep the pad, so that
    // the user can go back to it.
    connect(position_, &LandedPositionControls::landedAtChanged, this, [this](LandedAt at) {
        for (QLabel* label : {planet_, base_, pad_})
            label->setEnabled(at == LandedAt::Pad);
        // The captions look as their controls do.
        for (QLabel* caption : findChildren<QLabel*>())
            if (caption->buddy()) caption->setEnabled(caption->buddy()->isEnabled());
    });
}

void LandedFrame::showTexts(const ShipEditorTexts& texts) {
    planet_->setText(texts.landedPlanet);
    base_->setText(texts.landedBase);
    pad_->setText(texts.landedPad);
    heading_->setText(texts.heading);
    position_->showTexts(texts);
}

void LandedFrame::clear() {
    for (QLabel* label : {planet_, base_, pad_})
        label->clear();
    heading_->clear();
    position_->clear();
}

void LandedFrame::readTexts(ShipEditorTexts& texts) const {
    texts.landedPlanet = planet_->text();
    texts.landedBase = base_->text();
    texts.landedPad = pad_->text();
    texts.heading = heading_->text();
    position_->readTexts(texts);
}

void LandedFrame::showBodies() {
    position_->showBodies();
}

// A ship leaving its pad for a position starts where its base lies.
void LandedFrame::startAtPosition() {
    ShipEditorTexts texts;
    readTexts(texts);
    texts.landedAt = LandedAt::Pad;
    position_->showTexts(StartedAtPosition(texts, session_.installedBases()));
}

void LandedFrame::showBases() {
    QStringList bases = session_.bases();
    const int count = static_cast<int>(bases.size());
    bases << QString(); // the spare entry
    FillLocationTree(tree_, BaseTreeNodes(session_.bodies(), bases, count));
}

void LandedFrame::showLandedShips() {
    ShowShipsInTree(tree_, ShipPlaces(session_, true), "Landed");
}

void LandedFrame::pickPad() {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    if (const auto pick = PadPick(NodeOf(item))) {
        pad_->setText(pick->number);
        base_->setText(pick->place);
        planet_->setText(pick->planet);
        position_->choosePad();
    }
}

// ---- Docked ----------------------------------------------------------------------------------

DockedFrame::DockedFrame(EditorSession& session, QWidget* parent)
    : QGroupBox("Docked ship parameters", parent), session_(session) {
    setObjectName(ObjectNames::Docked);
    auto* grid = new QGridLayout(this);
    planet_ = ValueLabel(this, ObjectNames::ShipDockedPlanet, "Planet the station orbits around");
    station_ =
        ValueLabel(this, ObjectNames::ShipDockedStation, "Name of the Station where the ship is docked");
    port_ =
        ValueLabel(this, ObjectNames::ShipDockedPort, "Station dock port number where the ship is docked");
    ownPort_ = Named(new QLineEdit(this), ObjectNames::ShipDockOwnPort,
                     "Port of this ship that the dock uses, when it docks at another ship");
    tree_ = MakeLocationTree(this, ObjectNames::ShipDockedTree);
    PlaceUnderCaptions(
        grid, {{"Planet", planet_}, {"Station", station_}, {"Dock port", port_}, {"Own port", ownPort_}},
        tree_);
    showOwnPort(QString(), false);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &DockedFrame::pickPort);
}

void DockedFrame::showTexts(const ShipEditorTexts& texts) {
    station_->setText(texts.dockedStation);
    port_->setText(texts.dockedPort);
    planet_->setText(texts.dockedPlanet);
}

void DockedFrame::clear() {
    for (QLabel* label : {station_, port_, planet_})
        label->clear();
    showOwnPort(QString(), false);
}

void DockedFrame::showOwnPort(const QString& port, bool atShip) {
    atShip_ = atShip;
    ownPort_->setText(port);
    ownPort_->setEnabled(atShip);
}

QString DockedFrame::ownPort() const {
    return ownPort_->text();
}

void DockedFrame::readTexts(ShipEditorTexts& texts) const {
    texts.dockedPlanet = planet_->text();
    texts.dockedStation = station_->text();
    texts.dockedPort = port_->text();
}

namespace {
DockCounts ClassDockCounts(const EditorSession& session) {
    DockCounts docks;
    for (const StationClassDock& dock : session.stationClassDocks())
        docks.Add(dock.className, dock.dockCount);
    return docks;
}
} // namespace

void DockedFrame::showStations() {
    const DockCounts docks = ClassDockCounts(session_);
    const auto& table = session_.document().StationTable;
    const int count = std::min(session_.stationCount(), static_cast<int>(table.size()));
    std::vector<StationPlace> stations;
    stations.reserve(std::size_t(std::max(count, 0)));
    for (int s = 0; s < count; ++s) {
        const StationRow& row = table[std::size_t(s)];
        stations.push_back(StationPlace{row.Name, row.Ref, row.ClassName});
    }
    FillLocationTree(tree_, StationTreeNodes(session_.bodies(), stations, docks));
}

void DockedFrame::showDockedShips() {
    const ShipDocks docks(session_.document(), session_.shipCount());
    ShowShipsInTree(tree_, ShipPlaces(session_, false), "Docked",
                    ShipStations(docks, session_.document(), ClassDockCounts(session_)));
}

void DockedFrame::pickPort() {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    if (const auto pick = PortPick(NodeOf(item))) {
        port_->setText(pick->number);
        station_->setText(pick->place);
        planet_->setText(pick->planet);
        // The own port starts at the first one the ship's other pairs leave free: the dock it
        // leaves frees its port.
        QString own;
        if (pick->ofShip) {
            const ShipDocks docks(session_.document(), session_.shipCount());
            const int ship = session_.currentShip();
            std::vector<DockPair> pairs;
            if (ship >= 0 && ship < docks.Count()) pairs = docks.Pairs(ship);
            const int left = ship >= 0 && ship < docks.Count() && docks.PlacedByDock(ship)
                                 ? docks.DockedAt(ship).pair
                                 : -1;
            if (left >= 0) pairs.erase(pairs.begin() + left);
            own = ShownPort(FirstFreePort(pairs));
        }
        showOwnPort(own, pick->ofShip);
    }
}
