#include "widgets/orbit/orbit_panels.h"

#include "core/editing/ship_orbit_forms.h"
#include "core/orbit/apsides_helper.h"
#include "core/orbit/orbit_outline.h"
#include "widgets/common/object_names.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString TextOf(const QLineEdit* box) {
    return box ? box->text() : QString();
}

std::optional<OrbitOutline> OutlineOf(const OrbitInsight& insight, const PlanetData& planet) {
    if (insight.Problem != OrbitInsightProblem::None) return std::nullopt;
    return OutlineOfOrbit(insight.Figures, planet);
}
} // namespace

StationOrbitPanel::StationOrbitPanel(const StationOrbitControls& controls, QWidget* parent)
    : OrbitPanel(StationOrbitCaptions(), parent), c_(controls) {
    setObjectName(ObjectNames::StationOrbitPanel);

    auto* helper = new QGroupBox(QStringLiteral("From periapsis and apoapsis"), this);
    helper->setObjectName(ObjectNames::StationOrbitHelper);
    auto* grid = new QGridLayout(helper);
    periapsisKm_ = new QLineEdit(helper);
    periapsisKm_->setObjectName(ObjectNames::StationOrbitPeriapsisKm);
    periapsisKm_->setToolTip(QStringLiteral("Lowest altitude above the mean radius, in km"));
    apoapsisKm_ = new QLineEdit(helper);
    apoapsisKm_->setObjectName(ObjectNames::StationOrbitApoapsisKm);
    apoapsisKm_->setToolTip(QStringLiteral("Highest altitude above the mean radius, in km"));
    auto* fillButton = new QPushButton(QStringLiteral("Fill semi-major axis and excentricity"), helper);
    fillButton->setObjectName(ObjectNames::StationOrbitFill);
    fillButton->setToolTip(
        QStringLiteral("Writes the matching semi-major axis and excentricity into the orbit boxes; "
                       "validate the station as usual afterwards"));
    helperNote_ = new QLabel(helper);
    helperNote_->setObjectName(ObjectNames::StationOrbitHelperNote);
    helperNote_->setWordWrap(true);
    helperNote_->hide();
    grid->addWidget(new QLabel(QStringLiteral("Periapsis altitude (km)"), helper), 0, 0);
    grid->addWidget(periapsisKm_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Apoapsis altitude (km)"), helper), 1, 0);
    grid->addWidget(apoapsisKm_, 1, 1);
    grid->addWidget(fillButton, 2, 0, 1, 2);
    grid->addWidget(helperNote_, 3, 0, 1, 2);
    figureColumn_->insertWidget(figureColumn_->count() - 1, helper);
    connect(fillButton, &QPushButton::clicked, this, [this] { fillFromApsides(); });

    Watch({c_.SemiMajorAxis, c_.Excentricity, c_.Inclination, c_.AscendingNodeLongitude,
           c_.PeriapsisLongitude, c_.MeanLongitude});
    Refresh();
}

void StationOrbitPanel::Refresh() {
    const PlanetData& planet = Planet();
    const StationElementTexts texts{TextOf(c_.SemiMajorAxis),      TextOf(c_.Excentricity),
                                    TextOf(c_.Inclination),        TextOf(c_.AscendingNodeLongitude),
                                    TextOf(c_.PeriapsisLongitude), TextOf(c_.MeanLongitude)};
    const OrbitInsight insight = StationOrbitInsight(texts, planet);
    Show(StationOrbitTexts(insight), OutlineOf(insight, planet));
}

void StationOrbitPanel::fillFromApsides() {
    const ApsidesElements elements = ElementsFromApsides(periapsisKm_->text(), apoapsisKm_->text(), Planet());
    helperNote_->setText(elements.Problem);
    helperNote_->setVisible(!elements.Ok);
    if (!elements.Ok || !c_.SemiMajorAxis || !c_.Excentricity) return;
    c_.SemiMajorAxis->setText(elements.SemiMajorAxis);
    c_.Excentricity->setText(elements.Excentricity);
}

ShipOrbitPanel::ShipOrbitPanel(const ShipOrbitControls& controls, QWidget* parent)
    : OrbitPanel(ShipOrbitCaptions(), parent), c_(controls) {
    setObjectName(ObjectNames::ShipOrbitPanel);
    QList<QLineEdit*> boxes{c_.RposX, c_.RposY, c_.RposZ, c_.RvelX, c_.RvelY, c_.RvelZ};
    for (QLineEdit* box : c_.Elements)
        if (box) boxes.append(box);
    Watch(boxes);
    Refresh();
}

void ShipOrbitPanel::SetForm(bool byElements, std::function<double()> startMjd) {
    byElements_ = byElements;
    startMjd_ = std::move(startMjd);
    Refresh();
}

void ShipOrbitPanel::SetEclipticTexts(std::function<ShipEditorTexts()> texts) {
    eclipticTexts_ = std::move(texts);
    Refresh();
}

void ShipOrbitPanel::Refresh() {
    const PlanetData& planet = Planet();
    ShipEditorTexts texts;
    if (eclipticTexts_) {
        texts = eclipticTexts_();
    } else {
        const QLineEdit* stateBoxes[6] = {c_.RposX, c_.RposY, c_.RposZ, c_.RvelX, c_.RvelY, c_.RvelZ};
        for (int k = 0; k < 6; ++k)
            texts.*kShipStateBoxes[k] = TextOf(stateBoxes[k]);
        for (int k = 0; k < 7; ++k)
            texts.*kShipElementBoxes[k] = TextOf(c_.Elements[k]);
    }
    const double start = startMjd_ ? startMjd_() : 0.0;
    OrbitInsight insight =
        byElements_
            ? ShipElementsInsight(texts, planet, start)
            : ShipOrbitInsight({texts.rposX, texts.rposY, texts.rposZ, texts.rvelX, texts.rvelY, texts.rvelZ},
                               planet);
    // The equator as it stands at the start, where the ship is.
    if (insight.Problem == OrbitInsightProblem::None && startMjd_)
        insight.Figures.EquatorInclination =
            InclinationToEquator(insight.Figures, EquatorFrameAt(planet.rotation, start));
    Show(ShipOrbitTexts(insight), OutlineOf(insight, planet));
}
