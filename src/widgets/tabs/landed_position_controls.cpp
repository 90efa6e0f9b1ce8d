#include "widgets/tabs/landed_position_controls.h"

#include "core/editing/editor_session.h"
#include "core/text/text_rules.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/object_names.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {
QHBoxLayout* Row(QWidget* widget) {
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    return row;
}
} // namespace

LandedPositionControls::LandedPositionControls(EditorSession& session, QWidget* frame)
    : QObject(frame), session_(session) {
    // The two options in a widget of their own, so that they exclude each other and not the
    // status options.
    options_ = new QWidget(frame);
    atPad_ = Named(new QRadioButton("On a landing pad", options_), ObjectNames::ShipLandedAtPad,
                   "The ship stands on a pad of a base: double click on a pad in the list below to pick it");
    atPosition_ =
        Named(new QRadioButton("At a surface position", options_), ObjectNames::ShipLandedAtPosition,
              "The ship stands at a longitude and latitude of a planet or moon, on no pad");
    atPad_->setChecked(true);
    QHBoxLayout* options = Row(options_);
    options->addWidget(atPad_);
    options->addWidget(atPosition_);
    options->addStretch(1);

    body_ = Named(new QComboBox(frame), ObjectNames::ShipLandedBody,
                  "Planet or moon of the planetary system where the ship stands");
    degrees_ = new QWidget(frame);
    longitude_ = Named(new QLineEdit(degrees_), ObjectNames::ShipLandedLongitude,
                       QString::fromUtf8("Longitude of the ship (in °, east positive, from -180 to 180)"));
    latitude_ = Named(new QLineEdit(degrees_), ObjectNames::ShipLandedLatitude,
                      QString::fromUtf8("Latitude of the ship (in °, north positive, from -90 to 90)"));
    QHBoxLayout* degrees = Row(degrees_);
    degrees->addWidget(longitude_, 1);
    degrees->addWidget(Caption(QString::fromUtf8("Latitude (°)"), degrees_));
    degrees->addWidget(latitude_, 1);
    showChoice();

    // A click (or an arrow key) on the option already chosen changes nothing.
    connect(atPad_, &QRadioButton::clicked, this, [this] {
        if (shown_ != LandedAt::Pad) showChoice();
    });
    connect(atPosition_, &QRadioButton::clicked, this, [this] {
        if (shown_ == LandedAt::Position) return;
        showChoice();
        emit positionChosen();
    });
}

QWidget* LandedPositionControls::body() const {
    return body_;
}

void LandedPositionControls::showChoice() {
    shown_ = landedAt();
    const bool position = shown_ == LandedAt::Position;
    body_->setEnabled(position);
    degrees_->setEnabled(position);
    emit landedAtChanged(shown_);
}

LandedAt LandedPositionControls::landedAt() const {
    return atPosition_->isChecked() ? LandedAt::Position : LandedAt::Pad;
}

void LandedPositionControls::showBodies() {
    FillQuietly(body_, session_.bodies());
}

// The entry of the body as the row names it; a body the system does not list is added after
// the others, so that the ship keeps it when the user changes something else.
void LandedPositionControls::selectBody(const QString& body) {
    const QString wanted = Trim(body);
    QStringList entries = session_.bodies();
    int index = -1;
    for (int i = 0; i < entries.size() && index < 0; ++i)
        if (Trim(entries[i]) == wanted) index = i;
    if (index < 0 && !wanted.isEmpty()) {
        entries << wanted;
        index = int(entries.size()) - 1;
    }
    FillQuietly(body_, entries, index);
}

void LandedPositionControls::showTexts(const ShipEditorTexts& texts) {
    selectBody(texts.landedBody);
    longitude_->setText(texts.landedLongitude);
    latitude_->setText(texts.landedLatitude);
    SetCheckedQuietly(texts.landedAt == LandedAt::Position ? atPosition_ : atPad_, true);
    showChoice();
}

void LandedPositionControls::clear() {
    FillQuietly(body_, session_.bodies());
    longitude_->clear();
    latitude_->clear();
    SetCheckedQuietly(atPad_, true);
    showChoice();
}

void LandedPositionControls::readTexts(ShipEditorTexts& texts) const {
    texts.landedAt = landedAt();
    texts.landedBody = Trim(body_->currentText());
    texts.landedLongitude = longitude_->text();
    texts.landedLatitude = latitude_->text();
}

void LandedPositionControls::choosePad() {
    SetCheckedQuietly(atPad_, true);
    showChoice();
}
