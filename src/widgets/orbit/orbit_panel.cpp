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

void OrbitPanel::Watch(const QList<QLineEdit*>& boxes, QLabel* planet, QLabel* cfgDir,
                       QAbstractButton* changePlanet) {
    for (QLineEdit* box : boxes) {
        if (box) connect(box, &QLineEdit::textChanged, this, [this] { Refresh(); });
    }
    // Connected after the tab's own handler, so the caption has already changed.
    if (changePlanet) connect(changePlanet, &QAbstractButton::clicked, this, [this] { Refresh(); });
    planet_ = planet;
    cfgDir_ = cfgDir;
    if (planet_) planet_->installEventFilter(this);
}

const PlanetOrbitData& OrbitPanel::Planet() {
    const QString body = planet_ ? Trim(planet_->text()) : QString();
    const QString file = (cfgDir_ ? cfgDir_->text() : QString()) + QChar(0) + body;
    if (!planetRead_ || file != planetFile_) {
        planetData_ = PlanetOrbitDataOfBody(cfgDir_ ? cfgDir_->text() : QString(), body);
        planetFile_ = file;
        planetRead_ = true;
    }
    return planetData_;
}

bool OrbitPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == planet_ && event->type() == QEvent::Paint && planetRead_) {
        const QString file = (cfgDir_ ? cfgDir_->text() : QString()) + QChar(0) + Trim(planet_->text());
        if (file != planetFile_) Refresh();
    }
    return QGroupBox::eventFilter(watched, event);
}

void OrbitPanel::showEvent(QShowEvent* event) {
    // The planet file may have changed while the panel was out of sight.
    planetRead_ = false;
    Refresh();
    QGroupBox::showEvent(event);
}
