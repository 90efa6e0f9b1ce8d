#include "widgets/orbit/orbit_panel.h"

#include "core/editing/planet_orbit_data.h"
#include "core/orbit/orbit_outline.h"
#include "widgets/orbit/orbit_drawing.h"

#include "core/text/text_rules.h"

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
    Body = new QVBoxLayout;
    auto* figures = new QGridLayout;
    int row = 0;
    for (const QString& caption : captions) {
        auto* value = new QLabel(kDash, this);
        value->setObjectName(ValueName(caption));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(new QLabel(caption, this), row, 0);
        figures->addWidget(value, row, 1);
        Values.append(value);
        ++row;
    }
    figures->setColumnStretch(1, 1);
    Body->addLayout(figures);

    Warning = new QLabel(this);
    Warning->setObjectName(QStringLiteral("OrbitWarning"));
    Warning->setWordWrap(true);
    Warning->hide();
    Note = new QLabel(this);
    Note->setObjectName(QStringLiteral("OrbitNote"));
    Note->setWordWrap(true);
    Note->hide();
    Body->addWidget(Warning);
    Body->addWidget(Note);
    Body->addStretch(1);
    Drawing = new OrbitDrawing(this);
    Drawing->setObjectName(QStringLiteral("OrbitDrawing"));
    outer->addLayout(Body, 0);
    outer->addWidget(Drawing, 1);
}

QLabel* OrbitPanel::Value(const QString& caption) const {
    return findChild<QLabel*>(ValueName(caption), Qt::FindDirectChildrenOnly);
}

void OrbitPanel::Show(const OrbitPanelTexts& texts, const std::optional<OrbitOutline>& outline) {
    for (qsizetype k = 0; k < Values.size(); ++k)
        Values[k]->setText(k < texts.Values.size() ? texts.Values.at(k) : kDash);
    Warning->setText(texts.Warning);
    Warning->setStyleSheet(WarningStyle(texts.Place));
    Warning->setVisible(!texts.Warning.isEmpty());
    Note->setText(texts.Note);
    Note->setVisible(!texts.Note.isEmpty());
    Drawing->SetOrbit(outline, texts.Place);
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

const PlanetOrbitData& OrbitPanel::Planet() {
    const QString file = configFolder_ + QChar(0) + body_;
    if (!planetRead_ || file != planetFile_) {
        planetData_ = PlanetOrbitDataOfBody(configFolder_, body_);
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
