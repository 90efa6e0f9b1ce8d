#include "widgets/orbit/orbit_panel.h"

#include "core/installation/planet_data.h"
#include "core/orbit/orbit_outline.h"
#include "widgets/orbit/orbit_drawing.h"

#include "core/text/text_rules.h"
#include "widgets/common/object_names.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString kDash = QStringLiteral("\u2014");

QString WarningStyle(PeriapsisPlace place) {
    return place == PeriapsisPlace::BelowSurface
               ? QStringLiteral(
                     "QLabel { color: white; background: #c62828; font-weight: bold; padding: 3px; }")
               : QStringLiteral(
                     "QLabel { color: black; background: #f59b2a; font-weight: bold; padding: 3px; }");
}
} // namespace

QString OrbitPanel::ValueName(const QString& caption) {
    QString name = QStringLiteral("Orbit");
    bool upper = true;
    for (QChar c : caption) {
        if (c == u' ' || c == u'-') {
            upper = true;
            continue;
        }
        name += upper ? c.toUpper() : c;
        upper = false;
    }
    return name;
}

OrbitPanel::OrbitPanel(const QStringList& captions, QWidget* parent)
    : QGroupBox(QStringLiteral("Orbit"), parent) {
    // Figures on the left, the drawing on the right: the panel shares its tab with other
    // frames, and is wider than it is high.
    auto* outer = new QHBoxLayout(this);
    figureColumn_ = new QVBoxLayout;
    auto* figures = new QGridLayout;
    int row = 0;
    for (const QString& caption : captions) {
        auto* value = new QLabel(kDash, this);
        value->setObjectName(ValueName(caption));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(new QLabel(caption, this), row, 0);
        figures->addWidget(value, row, 1);
        values_.append(value);
        ++row;
    }
    figures->setColumnStretch(1, 1);
    figureColumn_->addLayout(figures);

    warning_ = new QLabel(this);
    warning_->setObjectName(ObjectNames::OrbitWarning);
    warning_->setWordWrap(true);
    warning_->hide();
    note_ = new QLabel(this);
    note_->setObjectName(ObjectNames::OrbitNote);
    note_->setWordWrap(true);
    note_->hide();
    figureColumn_->addWidget(warning_);
    figureColumn_->addWidget(note_);
    figureColumn_->addStretch(1);
    drawing_ = new OrbitDrawing(this);
    drawing_->setObjectName(ObjectNames::OrbitDrawing);
    outer->addLayout(figureColumn_, 0);
    outer->addWidget(drawing_, 1);
}

void OrbitPanel::Show(const OrbitPanelTexts& texts, const std::optional<OrbitOutline>& outline) {
    for (qsizetype k = 0; k < values_.size(); ++k)
        values_[k]->setText(k < texts.Values.size() ? texts.Values.at(k) : kDash);
    warning_->setText(texts.Warning);
    warning_->setStyleSheet(WarningStyle(texts.Place));
    warning_->setVisible(!texts.Warning.isEmpty());
    note_->setText(texts.Note);
    note_->setVisible(!texts.Note.isEmpty());
    drawing_->SetOrbit(outline, texts.Place);
}

void OrbitPanel::Watch(const QList<QLineEdit*>& boxes) {
    for (QLineEdit* box : boxes) {
        if (box) connect(box, &QLineEdit::textChanged, this, [this] { Refresh(); });
    }
}

void OrbitPanel::SetPlanet(const QString& configFolder, const QString& body) {
    configFolder_ = configFolder;
    body_ = Trim(body);
    Refresh();
}

const PlanetData& OrbitPanel::Planet() {
    const QString file = configFolder_ + QChar(0) + body_;
    if (!planetRead_ || file != planetFile_) {
        planetData_ = PlanetDataOfBody(configFolder_, body_);
        planetFile_ = file;
        planetRead_ = true;
    }
    return planetData_;
}

void OrbitPanel::showEvent(QShowEvent* event) {
    // The planet file may have changed while the panel was out of sight.
    planetRead_ = false;
    Refresh();
    QGroupBox::showEvent(event);
}
