// What the ship tab does: show a row, reset, the status options, and the buttons that
// validate a ship into the table, add one and delete one; the user-controlled ship follows.
#include "core/editing/editor_session.h"
#include "core/editing/row_validation.h"
#include "core/editing/ship_display.h"
#include "core/editing/ship_docks.h"
#include "core/editing/ship_editor_texts.h"
#include "core/editing/ship_lists.h"
#include "core/editing/ship_percent.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"
#include "widgets/common/pending_label.h"
#include "widgets/common/selection.h"
#include "widgets/tabs/ship_frames.h"
#include "widgets/tabs/ship_tab.h"

#include "core/editing/dock_pairs.h"
#include "widgets/tabs/tank_table.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace {
// The display places the sliders; only a user's movement writes their labels.
void PlaceSlider(QSlider* slider, int position) {
    const QSignalBlocker block(slider);
    slider->setValue(position);
}

// A landed or docked ship has its engines off; the labels say so and validation stores 0.
void EnginesOff(QLabel* mainEngine, QLabel* hoverEngine) {
    for (QLabel* label : {mainEngine, hoverEngine}) {
        label->setEnabled(false);
        label->setText(QStringLiteral("0"));
    }
}
} // namespace

void ShipTab::setCurrentRow(int row, const QString& mirrorText) {
    session_.setCurrentShip(row);
    indexMirror_->setText(mirrorText);
}

void ShipTab::showNames() {
    FillQuietly(nameList_, session_.shipNames(), -1);
}

void ShipTab::pickShip(int index) {
    setCurrentRow(index, QString::number(index));
    reset();
    showShip();
}

void ShipTab::selectRow(int row) {
    SetIndexQuietly(nameList_, row);
    pickShip(row);
}

void ShipTab::showStatusFrame(QWidget* frame) {
    for (QWidget* each :
         {static_cast<QWidget*>(landed_), static_cast<QWidget*>(orbiting_), static_cast<QWidget*>(docked_)})
        each->setVisible(each == frame);
}

void ShipTab::showPlacement(ShipPlacement placement) {
    placement_ = placement;
}

void ShipTab::showFirstTank(double percent) {
    fuel_->setText(NumberText(percent, QLatin1StringView(" %")));
    PlaceSlider(fuelSlider_, RoundHalfEven(percent));
}

void ShipTab::showShip() {
    // The row the list shows; none for an empty list or a name typed over the entry.
    int r = nameList_->currentIndex();
    if (r >= 0 && nameList_->currentText() != nameList_->itemText(r)) r = -1;
    // Without a selected ship, or without its row, the controls keep what they show.
    if (r < 0 || r >= static_cast<int>(session_.document().ShipTable.size())) return;
    const ShipRow row = session_.document().ShipTable[std::size_t(r)];
    // The texts a save also knows as what the tab showed.
    const ShipDocks docks(session_.document(), session_.shipCount());
    const ShipEditorTexts texts = ShipDisplayTexts(session_.document(), r, docks);

    setCurrentRow(r, QString::number(r));
    className_->setText(texts.className);
    fuel_->setText(texts.fuel);
    PlaceSlider(fuelSlider_, PercentPosition(row.Fuel));
    tanks_->showTanks(texts.tankLevels);
    mainEngine_->setText(QStringLiteral("0 %"));
    hoverEngine_->setText(QStringLiteral("0 %"));
    showPlacement(texts.placement);

    switch (texts.status) {
    case ShipStatusChoice::Docked:
        SetCheckedQuietly(dockedOption_, true);
        chooseDocked();
        docked_->showTexts(texts);
        // A ship docked at a ship shows the port of its own that the dock uses.
        if (texts.placement == ShipPlacement::ByDock) {
            const ShipDockedAt at = docks.DockedAt(r);
            if (at.pair >= 0)
                docked_->showOwnPort(ShownPort(docks.Pairs(r)[std::size_t(at.pair)].ownPort), true);
            // Taken out of its dock into orbit, it floats at the state of the ship that carries
            // it: the orbiting frame holds that state for the user who chooses it.
            if (at.anchor >= 0) orbiting_->showTexts(ShipDisplayTexts(session_.document(), at.anchor, docks));
        }
        mainEngine_->setEnabled(false);
        hoverEngine_->setEnabled(false);
        break;
    case ShipStatusChoice::Landed:
        SetCheckedQuietly(landedOption_, true);
        chooseLanded();
        landed_->showTexts(texts);
        mainEngine_->setEnabled(false);
        hoverEngine_->setEnabled(false);
        break;
    case ShipStatusChoice::Orbiting:
        SetCheckedQuietly(orbitingOption_, true);
        chooseOrbiting();
        orbiting_->showTexts(texts);
        mainEngine_->setText(texts.mainEngine);
        PlaceSlider(mainEngineSlider_, PercentPosition(row.MainEngine));
        hoverEngine_->setText(texts.hoverEngine);
        PlaceSlider(hoverEngineSlider_, PercentPosition(row.HoverEngine));
        break;
    case ShipStatusChoice::None:
        break;
    }
    pending_->formShown();
}

void ShipTab::reset() {
    className_->clear();
    showPlacement(ShipPlacement::ByStatus);
    // Option buttons of one frame keep one of them checked; the reset checks none.
    for (QRadioButton* option : {landedOption_, dockedOption_, orbitingOption_})
        SetCheckedQuietly(option, false);
    showStatusFrame(nullptr);
    for (QLabel* label : {fuel_, mainEngine_, hoverEngine_})
        label->clear();
    tanks_->clearTanks();
    landed_->clear();
    docked_->clear();
    orbiting_->clear();
    pending_->formShown();
}

void ShipTab::chooseLanded() {
    if (landedOption_->isChecked()) showStatusFrame(landed_);
    EnginesOff(mainEngine_, hoverEngine_);
}

void ShipTab::chooseDocked() {
    if (dockedOption_->isChecked()) showStatusFrame(docked_);
    EnginesOff(mainEngine_, hoverEngine_);
}

void ShipTab::chooseOrbiting() {
    if (orbitingOption_->isChecked()) showStatusFrame(orbiting_);
    mainEngine_->setEnabled(true);
    hoverEngine_->setEnabled(true);
}

ShipEditorTexts ShipTab::formTexts() const {
    ShipEditorTexts texts;
    texts.name = nameList_->currentText();
    texts.className = className_->text();
    texts.status = orbitingOption_->isChecked() ? ShipStatusChoice::Orbiting
                   : landedOption_->isChecked() ? ShipStatusChoice::Landed
                   : dockedOption_->isChecked() ? ShipStatusChoice::Docked
                                                : ShipStatusChoice::None;
    landed_->readTexts(texts);
    orbiting_->readTexts(texts);
    docked_->readTexts(texts);
    texts.fuel = fuel_->text();
    texts.mainEngine = mainEngine_->text();
    texts.hoverEngine = hoverEngine_->text();
    texts.tankLevels = tanks_->tanks();
    texts.placement = placement_;
    return texts;
}

QStringList ShipTab::formValues() const {
    const ShipEditorTexts t = formTexts();
    QStringList values{t.name,         t.className,      QString::number(static_cast<int>(t.status)),
                       t.landedPlanet, t.landedBase,     t.landedPad,
                       t.heading,      t.orbitingPlanet, t.rposX,
                       t.rposY,        t.rposZ,          t.rvelX,
                       t.rvelY,        t.rvelZ,          t.arotX,
                       t.arotY,        t.arotZ,          t.angularVelocity,
                       t.dockedPlanet, t.dockedStation,  t.dockedPort,
                       t.fuel,         t.mainEngine,     t.hoverEngine};
    values << QString::number(static_cast<int>(t.landedAt)) << t.landedBody << t.landedLongitude
           << t.landedLatitude;
    values << t.elementsSemiMajorAxis << t.elementsExcentricity << t.elementsInclination
           << t.elementsAscendingNode << t.elementsPeriapsisLongitude << t.elementsMeanLongitude
           << t.elementsEpoch << (t.orbitByElements ? QStringLiteral("elements") : QStringLiteral("state"));
    for (const TankText& tank : t.tankLevels)
        values << tank.level;
    return values;
}

void ShipTab::validateShip() {
    ShipEditorTexts texts = formTexts();
    // A ship its dock placed that is given a station's port of the older form leaves its dock.
    if (texts.status == ShipStatusChoice::Docked && texts.placement == ShipPlacement::ByDock &&
        !docked_->atShip())
        texts.placement = ShipPlacement::ByStatus;

    const int i = session_.currentShip();
    const int n = session_.shipCount();
    const ScenarioDocument& document = session_.document();

    const ShipValidation validation = ValidateShipRow(texts, PlanetFilesOnDisk(session_.folders().config),
                                                      OtherShipNames(document.ShipTable, n, i));
    if (!validation.Valid()) {
        ShowMessage(this, validation.Messages, kShipValidationTitle, MsgButtons::Ok, MsgIcon::None);
        return;
    }

    // The current row is one of the listed ships (row 0 for a ship typed into an empty list);
    // any other row would be stored where no list entry shows it.
    if (i < 0 || i > std::max(n - 1, 0)) return;
    const std::optional<DockRequest> dock = shipDock(texts, i);
    if (dock && dock->ship < 0) return; // refused, and said why
    session_.storeShip(i, texts);
    if (dock) session_.dockShip(*dock);
    selectRow(i);
    checkFocusShip();
    docked_->showDockedShips();
    landed_->showLandedShips();
    emit edited("validation of ship " + texts.name, "Validated ship " + texts.name);
}

std::optional<DockRequest> ShipTab::shipDock(const ShipEditorTexts& texts, int i) {
    if (texts.status != ShipStatusChoice::Docked || !docked_->atShip()) return std::nullopt;
    const ShipDocks docks(session_.document(), session_.shipCount());
    // The dock the ship has already is kept as it is, even at a partner the file lacks.
    if (docks.PlacedByDock(i)) {
        const ShipDockedAt now = docks.DockedAt(i);
        const DockPair& pair = docks.Pairs(i)[std::size_t(now.pair)];
        if (Trim(texts.dockedStation) == Trim(now.station) && Trim(texts.dockedPort) == now.port &&
            Trim(docked_->ownPort()) == ShownPort(pair.ownPort))
            return std::nullopt;
    }
    const int partner = docks.RowNamed(texts.dockedStation);
    double own = 0;
    double at = 0;
    QString refusal;
    if (!IsWholeNumber(docked_->ownPort(), &own) || own < 1)
        refusal = QStringLiteral("The ship's own dock port is not correct.");
    else if (partner < 0 || partner == i || !IsWholeNumber(texts.dockedPort, &at) || at < 1)
        refusal = QStringLiteral("You must assign the ship to a station dock.");
    const DockRequest request{i, partner, static_cast<int>(own) - 1, static_cast<int>(at) - 1};
    if (refusal.isEmpty()) refusal = DockRefusal(session_.document(), session_.shipCount(), request);
    if (refusal.isEmpty()) return request;
    ShowMessage(this, refusal, kShipValidationTitle, MsgButtons::Ok, MsgIcon::None);
    return DockRequest{};
}

void ShipTab::checkFocusShip() {
    const QStringList& entries = session_.focusEntries();
    if (!FocusShipFound(entries, session_.document().FocusShip)) {
        session_.setFocusShip(entries.isEmpty() ? QString() : ShipNameOfEntry(entries.first()));
        ShowMessage(this,
                    "As the user-controled ship was no longer valid in the scenario, it has been set to the "
                    "first possible ship !",
                    "Warning", MsgButtons::Ok, MsgIcon::Information);
    }
}

void ShipTab::addShip() {
    const int n = session_.addShip();
    selectRow(n);
    showShip();
    emit edited(QStringLiteral("addition of a ship"), QString());
}

void ShipTab::deleteShip() {
    if (ShowMessage(this, "Are you sure you want to delete the ship ?", "Deleting confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    const QString name = nameList_->currentText();
    const int n = session_.shipCount();
    if (n <= 0) {
        reset();
    } else if (n == 1) {
        ShowMessage(this, "You may not delete this ship : the scenario must keep at least one ship !",
                    "Warning", MsgButtons::Ok, MsgIcon::Information);
    } else {
        const int i = session_.currentShip();
        // A row number that names no ship deletes nothing; the rebuild below still runs.
        if (session_.deleteShip(i)) {
            if (i > 0) indexMirror_->setText(NumberText(i - 1));
            selectRow(session_.currentShip());
        }
    }

    if (session_.shipCount() == 0) {
        ShowMessage(
            this,
            "You have deleted all the ships : the ship focus is also deleted. Do not save this scenario "
            "until a new ship is created !",
            "Warning", MsgButtons::Ok, MsgIcon::Exclamation);
        session_.setFocusShip(QString());
    } else {
        selectRow(session_.currentShip());
        checkFocusShip();
    }
    docked_->showDockedShips();
    landed_->showLandedShips();
    emit edited("deletion of ship " + name, QString());
}

void ShipTab::showRestored() {
    reset();
    showStationTree();
    showBaseTree();
    if (session_.shipCount() > 0)
        selectRow(std::clamp(session_.currentShip(), 0, session_.shipCount() - 1));
    else
        setCurrentRow(0, QStringLiteral("0"));
    docked_->showDockedShips();
    landed_->showLandedShips();
}

void ShipTab::showShips(const QString& indexText, bool hasShips) {
    if (hasShips) {
        SetIndexQuietly(nameList_, session_.shipNames().isEmpty() ? -1 : 0);
        setCurrentRow(ShipRowNumber(indexText), indexText);
    } else {
        reset();
        setCurrentRow(0, QStringLiteral("0"));
    }
}

void ShipTab::showFirstShip() {
    if (session_.shipCount() > 0) selectRow(0);
    if (classList_->count() > 0) SetIndexQuietly(classList_, 0);
    if (session_.shipCount() > 0) {
        showShip();
        selectRow(0);
    }
    if (!session_.bodies().isEmpty()) orbiting_->showBodies(0);
    docked_->showDockedShips();
    landed_->showLandedShips();
}

void ShipTab::clearShips() {
    reset();
    setCurrentRow(0, QStringLiteral("0"));
}

void ShipTab::stationStored() {
    showStationTree();
    showShip();
    docked_->showDockedShips();
}
