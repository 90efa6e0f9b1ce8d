// Loading a scenario into the window: the main window's side of the load dialog, and the
// reader's window steps (lists, selections, displays) around the document logic.
#include "app/tyx.h"
#include "core/io/file_access.h"
#include "core/scenario/day_dates.h"
#include "core/scenario/description_text.h"
#include "core/scenario/scenario_reader.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

namespace {
void SelectFirst(QComboBox* list) {
    if (list->count() > 0) Select(list, 0);
}

void SelectIndex(QComboBox* list, int index) {
    if (list->count() > 0) Select(list, std::clamp(index, 0, list->count() - 1));
}

void Refill(QComboBox* list, const QStringList& entries) {
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(entries);
}

void ShowDate(QCalendarWidget* calendar, double day) {
    if (calendar) calendar->setSelectedDate(DateFromDayCount(day));
}

void MakeVisible(QWidget* widget) {
    if (widget) widget->setVisible(true);
}
} // namespace

QString TYX::DescriptionText() const {
    return DescriptionFromEditor(Description->document()->toRawText());
}

void TYX::SetDescriptionText(const QString& text) {
    Description->setPlainText(DescriptionForDisplay(text));
}

bool TYX::TyxSetting(const QString& fileName, const QString& description, bool viaLoadButton) {
    // A file that vanished or cannot be read since it was listed changes nothing.
    if (!ReadWholeFile(ScnDir->text() + fileName)) {
        ShowMessage(this, "The scenario file " + fileName + " could not be read.", "Load a scenery",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    Menu13->setEnabled(true);
    Menu14->setEnabled(true);
    Label9->setText("Scenario file");
    scnfile->show();
    Image5->hide();
    scnfile->setText(fileName);
    SetDescriptionText(description);
    TabSettings();
    if (SSTab1->isHidden()) SSTab1->show();
    // Only the Load button unlocks the information window; a double click or Enter does not.
    if (viaLoadButton) Menu31->setEnabled(true);
    return true;
}

void TYX::TabSettings() {
    const QByteArray bytes = ReadWholeFile(ScnDir->text() + scnfile->text()).value_or(QByteArray());
    const ScenarioReadResult read = ReadScenario(bytes);
    Document = read.document;
    Document.Description = DescriptionText();

    // Start date and time.
    ShowDate(Calendar, Document.StartDate);
    SelectIndex(Hour, Document.StartHour);
    SelectIndex(Minute, Document.StartMinute);

    // The user-controlled ship.
    ShipFocus->setText(Document.FocusShip);

    // The planetary system: the last entry of that name, or a new one with its file. The
    // entry is set without running the change handler, which would empty the scenario.
    int found = -1;
    for (int i = 0; i < PlanetarySystem->count(); ++i) {
        if (PlanetarySystem->itemText(i) == Document.SystemName) found = i;
    }
    {
        const QSignalBlocker block(PlanetarySystem);
        if (found == -1) {
            PlanetarySystem->addItem(Document.SystemName);
            while (PlanetarySystemFile.size() < PlanetarySystem->count() - 1)
                PlanetarySystemFile.append(QString());
            PlanetarySystemFile.append(Document.SystemName + ".cfg");
            found = PlanetarySystem->count() - 1;
        }
        PlanetarySystem->setCurrentIndex(found);
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ExtractPlanet(CfgDir->text() + PlanetarySystemFile.value(found));
    QGuiApplication::restoreOverrideCursor();
    BaseUpDate();

    // The ship headers offered as user-controlled ships.
    Refill(PossibleShipFocus, read.possibleShipFocus);
    SelectFirst(PossibleShipFocus);

    // Stations, with row 0 shown.
    StationTabReset();
    if (!read.stationNames.isEmpty() && !Document.StationTable.empty()) {
        Refill(StationName, read.stationNames);
        Select(StationName, 0);
        StationParameterDisplay();
        const StationRow& first = Document.StationTable.front();
        ShowDate(StationOrbitalRefTime, first.EpochDate);
        SelectIndex(StationOrbitalRefHour, qRound(LeadingNumber(first.EpochHour)));
        SelectIndex(StationOrbitalRefMin, qRound(LeadingNumber(first.EpochMinute)));
    }
    StationTreeUpdate();
    BaseTreeUpdate();

    // Ships. A file without any ship leaves none of the previous scenario's ships behind:
    // saving would otherwise write them into this scenario.
    if (read.hasShips) {
        Refill(ShipName, read.shipNames);
        ShipIndex->setText(read.shipIndexText);
    } else {
        Document.ShipTableRedim(0);
        Refill(ShipName, {});
        ShipTabReset();
        ShipIndex->setText("0");
    }
    if (Document.StationTable.empty()) Document.StationTableRedim(0);

    // Final display.
    SelectFirst(ShipName);
    SelectFirst(Spacecraft);
    if (ShipName->count() > 0) ShipParameterDisplay();
    SelectFirst(ShipName);
    MakeVisible(ShipDockedTree);
    MakeVisible(ShipLandingTree);
    MakeVisible(Description);
    MakeVisible(PossibleShipFocus);
    SelectFirst(StationRef);
    SelectFirst(OrbitingRef);
    StationDockTreeUpdate();
    BasePadTreeUpdate();
}
