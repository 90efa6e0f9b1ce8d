// Saving: the document as the controls hold it, written whole or not at all.
#include "app/tyx.h"
#include "core/io/file_access.h"
#include "core/scenario/day_dates.h"
#include "core/scenario/scenario_writer.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

ScenarioDocument TYX::DocumentSnapshot() const {
    ScenarioDocument document = Document;
    document.Description = DescriptionText();
    document.SystemName = PlanetarySystem->currentText();
    document.StartDate = DayCountFromDate(Calendar->selectedDate());
    document.StartHour = static_cast<int>(LeadingNumber(Hour->currentText()));
    document.StartMinute = static_cast<int>(LeadingNumber(Minute->currentText()));
    document.FocusShip = ShipFocus->text();
    return document;
}

bool TYX::ScenarioFileSaving(const QString& fileName) {
    const int stations = StationName ? StationName->count() : 0;
    const int ships = ShipName ? ShipName->count() : 0;
    ScenarioDocument document = DocumentSnapshot();
    // Every listed entry is written from its row; a row missing after an edit is written empty.
    if (static_cast<int>(document.StationTable.size()) < stations)
        document.StationTableRedimPreserve(stations);
    if (static_cast<int>(document.ShipTable.size()) < ships) document.ShipTableRedimPreserve(ships);
    const QByteArray bytes = ScenarioFileBytes(document, stations, ships);
    QString error;
    if (!WriteWholeFile(fileName, bytes, &error)) {
        ShowMessage(this,
                    "The scenario could not be saved to " + PlatformPath(fileName) + ":\n" + error +
                        "\nAn earlier file of that name is left as it was.",
                    "Saving failed", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}
