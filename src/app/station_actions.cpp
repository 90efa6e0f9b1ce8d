// The actions of the station tab: validation, add, delete, change class and planet, and the
// choice between the class's rotation frequency and the user's.
#include "app/tyx.h"
#include "core/editing/station_validation.h"
#include "core/io/file_access.h"
#include "core/scenario/day_dates.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace {
// The row a hidden index label names, kept within the rows the list shows.
int RowOfIndexLabel(const QLabel* index, int listed) {
    const double value = std::nearbyint(LeadingNumber(index->text()));
    if (!std::isfinite(value) || listed <= 0) return 0;
    return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(listed - 1)));
}

int ShipCount(const QComboBox* ships, size_t tableRows) {
    return ships ? std::min(ships->count(), static_cast<int>(tableRows)) : 0;
}
} // namespace

void TYX::Check1Click() {
    const bool classValue = Check1->isChecked();
    StationRotationFrequency->setEnabled(!classValue);
    StationRotationFrequency->setText(classValue ? QStringLiteral("Station class") : QStringLiteral("0"));
}

void TYX::Command9Click() {
    StationClassName->setText(StationClass->currentText());
}

void TYX::Command8Click() {
    StationRefPlanet->setText(StationRef->currentText());
}

void TYX::Command1Click() {
    StationControlTexts texts;
    texts.name = StationName->currentText();
    texts.classRotation = Check1->isChecked();
    texts.rotationFrequency = StationRotationFrequency->text();
    texts.xAngle = StationXAngle->text();
    texts.yAngle = StationYAngle->text();
    texts.zAngle = StationZAngle->text();
    texts.semiMajorAxis = StationSemiMajorAxis->text();
    texts.excentricity = StationExcentricity->text();
    texts.inclination = StationInclination->text();
    texts.ascendingNodeLongitude = StationAscendingNodeLongitude->text();
    texts.periapsisLongitude = StationPeriapsisLongitude->text();
    texts.meanLongitude = StationMeanLongitude->text();
    texts.refPlanet = StationRefPlanet->text();

    const QString planetFile = CfgDir->text() + StationPlanetFileName(texts.refPlanet);
    const auto bytes = ReadWholeFile(planetFile);
    const std::optional<PlanetSize> planet = bytes ? std::optional(ReadPlanetSize(*bytes)) : std::nullopt;
    const QStringList messages = StationValidationMessages(texts, planet, planetFile);
    if (!messages.isEmpty()) {
        ShowMessage(this, ValidationBoxText(messages), kStationValidationTitle, MsgButtons::Ok,
                    MsgIcon::None);
        return;
    }

    // A station typed into an empty list becomes row 0, whatever row was shown before.
    const int listed = StationName->count();
    const int i = RowOfIndexLabel(StationIndex, listed);
    if (i >= static_cast<int>(Document.StationTable.size())) Document.StationTableRedimPreserve(i);
    StationRow& row = Document.StationTable[i];

    // Ships docked at the station move with it to its new planet; they are found by the name
    // stored before this validation.
    if (StationRefPlanet->text() != row.Ref) {
        const int ships = ShipCount(ShipName, Document.ShipTable.size());
        for (int j = 0; j < ships; ++j) {
            ShipRow& ship = Document.ShipTable[j];
            if (UCase(ship.Status) == u"DOCKED" && row.Name == ship.DockedStation)
                ship.StatusRef = StationRefPlanet->text();
        }
    }

    row.Name = StationName->currentText();
    row.ClassName = StationClassName->text();
    row.Ref = StationRefPlanet->text();
    row.ZrotFrequency = StationRotationFrequency->text();
    row.ArotX = StationXAngle->text();
    row.ArotY = StationYAngle->text();
    row.ArotZ = StationZAngle->text();
    row.ClassRotation = Check1->isChecked();
    row.SemiMajorAxis = StationSemiMajorAxis->text();
    row.Excentricity = StationExcentricity->text();
    row.Inclination = StationInclination->text();
    row.AscendingNodeLongitude = StationAscendingNodeLongitude->text();
    row.PeriapsisLongitude = StationPeriapsisLongitude->text();
    row.MeanLongitude = StationMeanLongitude->text();
    row.EpochDate = DayCountFromDate(StationOrbitalRefTime->selectedDate());
    row.EpochHour = StationOrbitalRefHour->currentText();
    row.EpochMinute = StationOrbitalRefMin->currentText();

    {
        const QSignalBlocker block(StationName);
        StationName->clear();
        if (listed > 0) {
            const int rows = std::min(listed, static_cast<int>(Document.StationTable.size()));
            for (int k = 0; k < rows; ++k)
                StationName->addItem(Document.StationTable[k].Name);
        } else {
            StationName->addItem(Document.StationTable[i].Name);
        }
    }
    Select(StationName, i);

    StationTreeUpdate();
    ShipParameterDisplay();
    StationDockTreeUpdate();
}

void TYX::Command3Click() {
    const int n = StationName->count();
    Document.StationTableRedimPreserve(n + 1);
    {
        const QSignalBlocker block(StationName);
        StationName->addItem("New Station");
    }
    Select(StationName, StationName->count() - 1);
    StationParameterDisplay();
    SetChecked(Check1, true);
}

void TYX::Command2Click() {
    const QString name = StationName->currentText();
    const int ships = ShipCount(ShipName, Document.ShipTable.size());
    for (int j = 0; j < ships; ++j) {
        if (Document.ShipTable[j].DockedStation == name) {
            ShowMessage(this, "You may not withdraw a station with a docked ship !", "Forbidden action",
                        MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    }
    if (ShowMessage(this, "Are you sure you want to delete the station ?", "Deleting confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;

    const int n = StationName->count();
    if (n <= 1) {
        StationTabReset();
        StationTreeUpdate();
        return;
    }
    const int i = RowOfIndexLabel(StationIndex, n);
    auto& table = Document.StationTable;
    // The rows after the deleted one move up; the last row stays as it was and becomes the spare.
    for (int k = i; k <= n - 2 && k + 1 < static_cast<int>(table.size()); ++k)
        table[k] = table[k + 1];
    Document.StationTableRedimPreserve(n - 1);
    {
        const QSignalBlocker block(StationName);
        StationName->removeItem(i);
    }
    if (i > 0) StationIndex->setText(NumberText(i - 1));
    Select(StationName, RowOfIndexLabel(StationIndex, StationName->count()));
    StationTreeUpdate();
}
