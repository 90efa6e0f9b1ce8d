// What the station tab does: show a row, reset, and the buttons that validate a station into
// the table, add one, delete one, and change its class, planet and rotation choice.
#include "core/editing/editor_session.h"
#include "core/editing/row_validation.h"
#include "core/scenario/day_dates.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"
#include "widgets/common/pending_label.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/orbit_panels.h"
#include "widgets/tabs/station_tab.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace {
// The entry whose number the text holds; a number outside the list gives the nearest end.
int NumberIndex(const QComboBox* box, const QString& text) {
    const double value = std::nearbyint(LeadingNumber(text));
    const double last = box->count() - 1;
    return static_cast<int>(std::clamp(std::isfinite(value) ? value : 0.0, 0.0, last));
}

// The current row kept within the rows the list shows.
int ListedRow(int current, int listed) {
    return listed <= 0 ? 0 : std::clamp(current, 0, listed - 1);
}
} // namespace

void StationTab::setPlanet(const QString& body) {
    planet_->setText(body);
    orbitPanel_->SetPlanet(session_.folders().config, body);
}

void StationTab::setCurrentRow(int row, const QString& mirrorText) {
    session_.setCurrentStation(row);
    indexMirror_->setText(mirrorText);
}

void StationTab::showNames() {
    FillQuietly(nameList_, session_.stationNames(), -1);
}

void StationTab::pickStation(int index) {
    showRow(index);
}

void StationTab::selectRow(int row) {
    SetIndexQuietly(nameList_, row);
    showRow(row);
}

void StationTab::showRow(int i) {
    const auto& table = session_.document().StationTable;
    if (i < 0 || i >= static_cast<int>(table.size()) || i >= session_.stationCount())
        return; // no station picked (an empty list or a typed name): nothing to show
    const StationRow& row = table[std::size_t(i)];
    setCurrentRow(i, Trim(NumberText(i)));
    setPlanet(row.Ref);
    className_->setText(row.ClassName);
    epochDate_->setSelectedDate(DateFromDayCount(row.EpochDate));
    SetIndexQuietly(epochHour_, NumberIndex(epochHour_, row.EpochHour));
    SetIndexQuietly(epochMinute_, NumberIndex(epochMinute_, row.EpochMinute));
    semiMajorAxis_->setText(row.SemiMajorAxis);
    excentricity_->setText(row.Excentricity);
    inclination_->setText(row.Inclination);
    ascendingNodeLongitude_->setText(row.AscendingNodeLongitude);
    periapsisLongitude_->setText(row.PeriapsisLongitude);
    meanLongitude_->setText(row.MeanLongitude);
    SetCheckedQuietly(classRotation_, row.ClassRotation);
    rotationFrequency_->setEnabled(!row.ClassRotation);
    rotationFrequency_->setText(row.ClassRotation ? QStringLiteral("Class value") : row.ZrotFrequency);
    xAngle_->setText(row.ArotX);
    yAngle_->setText(row.ArotY);
    zAngle_->setText(row.ArotZ);
    pending_->formShown();
}

void StationTab::reset() {
    {
        // The entries are the session's; the reset only selects none of them.
        const QSignalBlocker block(nameList_);
        nameList_->setCurrentIndex(-1);
        nameList_->clearEditText();
    }
    setPlanet(QString());
    className_->clear();
    for (QLineEdit* box : {rotationFrequency_, xAngle_, yAngle_, zAngle_, semiMajorAxis_, excentricity_,
                           inclination_, ascendingNodeLongitude_, periapsisLongitude_, meanLongitude_})
        box->clear();
    epochDate_->setSelectedDate(DateFromDayCount(0));
    SetIndexQuietly(epochHour_, 0);
    SetIndexQuietly(epochMinute_, 0);
    pending_->formShown();
}

void StationTab::clearStations() {
    reset();
    setCurrentRow(0, QStringLiteral("0"));
}

void StationTab::showStations() {
    reset();
    const auto& table = session_.document().StationTable;
    if (session_.stationNames().isEmpty()) return;
    selectRow(0);
    // The first station's epoch time is rounded as the file's numbers are.
    const StationRow& first = table.front();
    SetIndexQuietly(epochHour_,
                    std::clamp(qRound(LeadingNumber(first.EpochHour)), 0, epochHour_->count() - 1));
    SetIndexQuietly(epochMinute_,
                    std::clamp(qRound(LeadingNumber(first.EpochMinute)), 0, epochMinute_->count() - 1));
    pending_->formShown();
}

void StationTab::toggleClassRotation() {
    const bool classValue = classRotation_->isChecked();
    rotationFrequency_->setEnabled(!classValue);
    rotationFrequency_->setText(classValue ? QStringLiteral("Station class") : QStringLiteral("0"));
}

void StationTab::changeClass() {
    className_->setText(classList_->currentText());
}

void StationTab::changePlanet() {
    setPlanet(planetList_->currentText());
}

StationControlTexts StationTab::formTexts() const {
    StationControlTexts texts;
    texts.name = nameList_->currentText();
    texts.classRotation = classRotation_->isChecked();
    texts.rotationFrequency = rotationFrequency_->text();
    texts.xAngle = xAngle_->text();
    texts.yAngle = yAngle_->text();
    texts.zAngle = zAngle_->text();
    texts.semiMajorAxis = semiMajorAxis_->text();
    texts.excentricity = excentricity_->text();
    texts.inclination = inclination_->text();
    texts.ascendingNodeLongitude = ascendingNodeLongitude_->text();
    texts.periapsisLongitude = periapsisLongitude_->text();
    texts.meanLongitude = meanLongitude_->text();
    texts.refPlanet = planet_->text();

    return texts;
}

QStringList StationTab::formValues() const {
    const StationControlTexts texts = formTexts();
    return {texts.name,
            texts.classRotation ? QStringLiteral("class rotation") : QString(),
            texts.rotationFrequency,
            texts.xAngle,
            texts.yAngle,
            texts.zAngle,
            texts.semiMajorAxis,
            texts.excentricity,
            texts.inclination,
            texts.ascendingNodeLongitude,
            texts.periapsisLongitude,
            texts.meanLongitude,
            texts.refPlanet,
            className_->text(),
            epochDate_->selectedDate().toString(Qt::ISODate),
            epochHour_->currentText(),
            epochMinute_->currentText()};
}

void StationTab::validateStation() {
    const StationControlTexts texts = formTexts();

    // A station typed into an empty list becomes row 0, whatever row was shown before.
    const ScenarioDocument& document = session_.document();
    const int listed = session_.stationCount();
    const int i = ListedRow(session_.currentStation(), listed);

    const QStringList messages = ValidateStationRow(texts, PlanetFilesOnDisk(session_.folders().config),
                                                    OtherStationNames(document.StationTable, listed, i));
    if (!messages.isEmpty()) {
        ShowMessage(this, ValidationBoxText(messages), kStationValidationTitle, MsgButtons::Ok,
                    MsgIcon::None);
        return;
    }

    session_.storeStation(i, texts,
                          {className_->text(), DayCountFromDate(epochDate_->selectedDate()),
                           epochHour_->currentText(), epochMinute_->currentText()});
    selectRow(i);
    emit stationStored();
    emit edited("validation of station " + texts.name, "Validated station " + texts.name);
}

void StationTab::addStation() {
    const int n = session_.addStation();
    selectRow(n);
    if (!classRotation_->isChecked()) {
        SetCheckedQuietly(classRotation_, true);
        toggleClassRotation();
    }
    pending_->formShown();
    emit edited(QStringLiteral("addition of a station"), QString());
}

void StationTab::deleteStation() {
    const QString name = nameList_->currentText();
    const ScenarioDocument& document = session_.document();
    const int ships = std::min(session_.shipCount(), static_cast<int>(document.ShipTable.size()));
    for (int j = 0; j < ships; ++j) {
        if (document.ShipTable[std::size_t(j)].DockedStation == name) {
            ShowMessage(this, "You may not withdraw a station with a docked ship !", "Forbidden action",
                        MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    }
    if (ShowMessage(this, "Are you sure you want to delete the station ?", "Deleting confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;

    const int n = session_.stationCount();
    const int i = ListedRow(session_.currentStation(), n);
    session_.deleteStation(i);
    if (n <= 1) {
        reset();
        emit stationDeleted();
        emit edited("deletion of station " + name, QString());
        return;
    }
    if (i > 0) indexMirror_->setText(NumberText(i - 1));
    selectRow(ListedRow(session_.currentStation(), session_.stationCount()));
    emit stationDeleted();
    emit edited("deletion of station " + name, QString());
}

void StationTab::showRestored() {
    reset();
    if (session_.stationNames().isEmpty()) {
        setCurrentRow(0, QStringLiteral("0"));
        return;
    }
    selectRow(ListedRow(session_.currentStation(), session_.stationCount()));
}
