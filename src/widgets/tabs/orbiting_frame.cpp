#include "widgets/tabs/orbiting_frame.h"

#include "core/editing/editor_session.h"
#include "core/editing/ship_editor_texts.h"
#include "core/editing/ship_orbit_forms.h"
#include "core/text/text_rules.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/message_box.h"
#include "widgets/common/object_names.h"
#include "widgets/common/selection.h"
#include "widgets/orbit/orbit_panels.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {
// Three text boxes X, Y, Z in their own frame.
QGroupBox* AxisFrame(QWidget* parent, QGridLayout* into, int row, const QString& title,
                     const QString& tipPattern,
                     std::initializer_list<std::pair<QLineEdit**, const char*>> boxes) {
    auto* frame = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(frame);
    const char* axes[3] = {"X", "Y", "Z"};
    int a = 0;
    for (const auto& [box, name] : boxes) {
        *box = Named(new QLineEdit(frame), name, tipPattern.arg(QLatin1String(axes[a])));
        grid->addWidget(Caption(QLatin1String(axes[a]), frame), 0, 2 * a);
        grid->addWidget(*box, 0, 2 * a + 1);
        ++a;
    }
    into->addWidget(frame, row, 0, 1, 3);
    return frame;
}

struct ElementBox {
    const char* caption;
    const char* name;
    const char* tip;
};
constexpr ElementBox kElementBoxes[7] = {
    {"Semi-major axis (m)", ObjectNames::ShipElementsSemiMajorAxis,
     "Semi-major axis of the orbit in metres; below 0 for a hyperbola"},
    {"Excentricity", ObjectNames::ShipElementsExcentricity,
     "Excentricity of the orbit: 0 for a circle, below 1 for an ellipse, above 1 for a hyperbola"},
    {"Inclination (\xc2\xb0)", ObjectNames::ShipElementsInclination,
     "Inclination of the orbit to the ecliptic, from 0 to 180 degrees"},
    {"Ascending node (\xc2\xb0)", ObjectNames::ShipElementsAscendingNode,
     "Longitude of the ascending node in the ecliptic, in degrees (0 for an orbit in the ecliptic)"},
    {"Periapsis longitude (\xc2\xb0)", ObjectNames::ShipElementsPeriapsisLongitude,
     "Longitude of the periapsis: the ascending node plus the argument of periapsis, in degrees"},
    {"Mean longitude (\xc2\xb0)", ObjectNames::ShipElementsMeanLongitude,
     "Mean longitude at the epoch: the periapsis longitude plus the mean anomaly, in degrees"},
    {"Epoch (MJD)", ObjectNames::ShipElementsEpoch,
     "Time of the elements as a modified Julian date; empty for the scenario's start"},
};

} // namespace

OrbitingFrame::OrbitingFrame(EditorSession& session, QWidget* parent)
    : QGroupBox("Orbiting ship parameters", parent), session_(session) {
    setObjectName(ObjectNames::Orbiting);
    auto* grid = new QGridLayout(this);
    planet_ = ValueLabel(this, ObjectNames::ShipOrbitingPlanet, "Displays the planet the ship orbits around");
    planetList_ = Named(new QComboBox(this), ObjectNames::OrbitingRef,
                        "List of the planets within the planetary system");
    changePlanetButton_ =
        Named(new QPushButton("Change planet", this), ObjectNames::Command11,
              "Changes the planet the ships orbits around by choosing it from the \"Possible Planet\" list");
    placeBesideButton_ = Named(
        new QPushButton("Place beside...", this), ObjectNames::ShipPlaceBeside,
        "Puts the ship on the orbit of another ship or station, a given distance ahead of it or behind");
    grid->addWidget(Caption("Planet", this), 0, 0);
    grid->addWidget(planet_, 0, 1);
    grid->addWidget(placeBesideButton_, 0, 2);
    grid->addWidget(Caption("Possible planet", this), 1, 0);
    grid->addWidget(planetList_, 1, 1);
    grid->addWidget(changePlanetButton_, 1, 2);

    // The two options in a row of their own, so that they exclude each other and nothing else.
    auto* forms = new QWidget(this);
    auto* formRow = new QHBoxLayout(forms);
    formRow->setContentsMargins(0, 0, 0, 0);
    byState_ =
        Named(new QRadioButton("Orbit by position and velocity", forms), ObjectNames::ShipOrbitByState,
              "Gives the orbit by the ship's position and velocity relative to the planet (RPOS, RVEL)");
    byElements_ =
        Named(new QRadioButton("Orbit by elements", forms), ObjectNames::ShipOrbitByElements,
              "Gives the orbit by its orbital elements (ELEMENTS); switching converts the values at "
              "the scenario's start");
    frameList_ = Named(new QComboBox(forms), ObjectNames::ShipOrbitFrame,
                       "Shows the orbit relative to the ecliptic, as the file holds it, or to the planet's "
                       "equator at the scenario's start; the file always holds the ecliptic frame");
    frameList_->addItems({QStringLiteral("Ecliptic"), QStringLiteral("Equator")});
    formRow->addWidget(byState_);
    formRow->addWidget(byElements_);
    formRow->addStretch(1);
    formRow->addWidget(Caption(QStringLiteral("Frame"), forms));
    formRow->addWidget(frameList_);
    grid->addWidget(forms, 2, 0, 1, 3);

    positionFrame_ = AxisFrame(this, grid, 3, "Position rel. to reference",
                               "Displays the ship position relative to reference on axis %1",
                               {{&rposX_, ObjectNames::ShipOrbitingRposX},
                                {&rposY_, ObjectNames::ShipOrbitingRposY},
                                {&rposZ_, ObjectNames::ShipOrbitingRposZ}});
    velocityFrame_ = AxisFrame(this, grid, 4, "Velocity rel. to reference",
                               "Displays the ship velocity relative to reference on axis %1",
                               {{&rvelX_, ObjectNames::ShipOrbitingRvelX},
                                {&rvelY_, ObjectNames::ShipOrbitingRvelY},
                                {&rvelZ_, ObjectNames::ShipOrbitingRvelZ}});
    elementsFrame_ = new QGroupBox(QStringLiteral("Orbital elements (ecliptic)"), this);
    auto* elementGrid = new QGridLayout(elementsFrame_);
    for (int k = 0; k < 7; ++k) {
        const ElementBox& box = kElementBoxes[k];
        elements_[k] = Named(new QLineEdit(elementsFrame_), box.name, QString::fromUtf8(box.tip));
        elementGrid->addWidget(Caption(QString::fromUtf8(box.caption), elementsFrame_), k / 2, 2 * (k % 2));
        elementGrid->addWidget(elements_[k], k / 2, 2 * (k % 2) + 1);
    }
    elementGrid->setColumnStretch(1, 1);
    elementGrid->setColumnStretch(3, 1);
    grid->addWidget(elementsFrame_, 5, 0, 1, 3);
    AxisFrame(this, grid, 6, "Rot. angles orientation", "Object frame rotation angle orientation on axis %1",
              {{&arotX_, ObjectNames::ShipOrbitingArotX},
               {&arotY_, ObjectNames::ShipOrbitingArotY},
               {&arotZ_, ObjectNames::ShipOrbitingArotZ}});
    angularVelocity_ = Named(new QLineEdit(this), ObjectNames::ShipOrbitingAngularVelocity,
                             "Displays the ship orbiting angular velocity");
    grid->addWidget(Caption(QString::fromUtf8("Angular velocity (°/s)"), this), 7, 0);
    grid->addWidget(angularVelocity_, 7, 1);
    grid->setRowStretch(8, 1);
    grid->setColumnStretch(1, 1);

    ShipOrbitControls controls;
    controls.RposX = rposX_;
    controls.RposY = rposY_;
    controls.RposZ = rposZ_;
    controls.RvelX = rvelX_;
    controls.RvelY = rvelY_;
    controls.RvelZ = rvelZ_;
    for (int k = 0; k < 7; ++k)
        controls.Elements[k] = elements_[k];
    orbitPanel_ = new ShipOrbitPanel(controls, this);
    grid->addWidget(orbitPanel_, 8, 0, 1, 3);
    showForm(false);
    connect(changePlanetButton_, &QPushButton::clicked, this, &OrbitingFrame::changePlanet);
    connect(placeBesideButton_, &QPushButton::clicked, this, &OrbitingFrame::placeBeside);
    connect(byState_, &QRadioButton::clicked, this, [this] { chooseForm(false); });
    connect(byElements_, &QRadioButton::clicked, this, [this] { chooseForm(true); });
    connect(frameList_, &QComboBox::currentIndexChanged, this, &OrbitingFrame::chooseFrame);
    orbitPanel_->SetEclipticTexts([this] {
        ShipEditorTexts texts;
        readTexts(texts);
        return texts;
    });
    connect(&session_, &EditorSession::foldersChanged, this, [this] { setPlanet(planet_->text()); });
}

void OrbitingFrame::setPlanet(const QString& body) {
    planet_->setText(body);
    frameList_->setItemText(1, Trim(body).isEmpty() ? QStringLiteral("Equator")
                                                    : QStringLiteral("Equator of %1").arg(Trim(body)));
    orbitPanel_->SetPlanet(session_.folders().config, body);
}

void OrbitingFrame::changePlanet() {
    // The boxes turned to the present planet's equator go back to the ecliptic first.
    if (inEquator_) chooseFrame(0);
    if (inEquator_) return;
    setPlanet(planetList_->currentText());
}

void OrbitingFrame::showForm(bool byElements) {
    formByElements_ = byElements;
    SetCheckedQuietly(byState_, !byElements);
    SetCheckedQuietly(byElements_, byElements);
    // Only the chosen form's boxes are shown, so that the orbit panel below keeps its room; the
    // other's are disabled too, out of the keyboard's way.
    for (QGroupBox* frame : {positionFrame_, velocityFrame_}) {
        frame->setEnabled(!byElements);
        frame->setVisible(!byElements);
    }
    elementsFrame_->setEnabled(byElements);
    elementsFrame_->setVisible(byElements);
    orbitPanel_->SetForm(byElements, [this] { return StartMjdOf(session_.document()); });
}

QStringList OrbitingFrame::orbitTexts() const {
    QStringList texts;
    for (const QLineEdit* box : {rposX_, rposY_, rposZ_, rvelX_, rvelY_, rvelZ_})
        texts.append(box->text());
    for (const QLineEdit* box : elements_)
        texts.append(box->text());
    return texts;
}

void OrbitingFrame::setOrbitTexts(const QStringList& texts) {
    int k = 0;
    for (QLineEdit* box : {rposX_, rposY_, rposZ_, rvelX_, rvelY_, rvelZ_})
        box->setText(texts.value(k++));
    for (QLineEdit* box : elements_)
        box->setText(texts.value(k++));
}

void OrbitingFrame::chooseForm(bool byElements) {
    const bool shown = formByElements_;
    if (byElements == shown) return;
    if (lastSwitch_ && lastSwitch_->after == orbitTexts()) {
        // Back before any edit: the texts as they were, not converted there and back.
        setOrbitTexts(lastSwitch_->before);
        lastSwitch_.reset();
        showForm(byElements);
        return;
    }
    // Nothing typed in the form left (a new ship): nothing to convert, the other form's boxes
    // are the user's to fill.
    const QStringList all = orbitTexts();
    const QStringList own = shown ? all.mid(6) : all.mid(0, 6);
    if (std::all_of(own.begin(), own.end(), [](const QString& text) { return Trim(text).isEmpty(); })) {
        lastSwitch_.reset();
        showForm(byElements);
        return;
    }
    // Converted in the frame shown: the form's conversion is the same in every frame.
    ShipEditorTexts texts;
    readShownTexts(texts);
    const PlanetData planet = PlanetDataOfBody(session_.folders().config, texts.orbitingPlanet);
    const double start = StartMjdOf(session_.document());
    const OrbitFormSwitch converted = byElements ? ElementsFromStateTexts(texts, planet, start)
                                                 : StateFromElementTexts(texts, planet, start);
    if (!converted.Done()) {
        showForm(shown);
        ShowMessage(this, converted.problems.join(u'\r'), QStringLiteral("Orbit form not changed"),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const QStringList before = orbitTexts();
    setOrbitTexts(OrbitBoxTexts(converted.texts));
    lastSwitch_ = FormSwitch{before, orbitTexts()};
    showForm(byElements);
}

void OrbitingFrame::showTexts(const ShipEditorTexts& texts) {
    lastSwitch_.reset();
    showEclipticFrame();
    setPlanet(texts.orbitingPlanet);
    angularVelocity_->setText(texts.angularVelocity);
    rposX_->setText(texts.rposX);
    rposY_->setText(texts.rposY);
    rposZ_->setText(texts.rposZ);
    arotX_->setText(texts.arotX);
    arotY_->setText(texts.arotY);
    arotZ_->setText(texts.arotZ);
    rvelX_->setText(texts.rvelX);
    rvelY_->setText(texts.rvelY);
    rvelZ_->setText(texts.rvelZ);
    for (int k = 0; k < 7; ++k)
        elements_[k]->setText(texts.*kShipElementBoxes[k]);
    showForm(texts.orbitByElements);
}

void OrbitingFrame::clear() {
    lastSwitch_.reset();
    showEclipticFrame();
    setPlanet(QString());
    for (QLineEdit* box :
         {angularVelocity_, arotX_, arotY_, arotZ_, rposX_, rposY_, rposZ_, rvelX_, rvelY_, rvelZ_})
        box->clear();
    for (QLineEdit* box : elements_)
        box->clear();
    showForm(false);
}

void OrbitingFrame::readTexts(ShipEditorTexts& texts) const {
    readShownTexts(texts);
    if (!inEquator_) return;
    if (frameSwitch_ && frameSwitch_->after == orbitTexts()) {
        SetOrbitBoxTexts(texts, frameSwitch_->before);
        return;
    }
    // Typed in the equator frame: turned into the ecliptic; texts that cannot be turned are read
    // as they stand, and the validation names what is wrong with them.
    const PlanetData planet = PlanetDataOfBody(session_.folders().config, texts.orbitingPlanet);
    const double start = StartMjdOf(session_.document());
    const OrbitFormSwitch turned =
        OrbitTextsInFrame(texts, planet, EquatorFrameAt(planet.rotation, start), start, false);
    if (turned.Done()) texts = turned.texts;
}

void OrbitingFrame::readShownTexts(ShipEditorTexts& texts) const {
    texts.orbitingPlanet = planet_->text();
    texts.rposX = rposX_->text();
    texts.rposY = rposY_->text();
    texts.rposZ = rposZ_->text();
    texts.rvelX = rvelX_->text();
    texts.rvelY = rvelY_->text();
    texts.rvelZ = rvelZ_->text();
    texts.arotX = arotX_->text();
    texts.arotY = arotY_->text();
    texts.arotZ = arotZ_->text();
    texts.angularVelocity = angularVelocity_->text();
    for (int k = 0; k < 7; ++k)
        texts.*kShipElementBoxes[k] = elements_[k]->text();
    texts.orbitByElements = formByElements_;
}

void OrbitingFrame::showBodies(int selected) {
    FillQuietly(planetList_, session_.bodies(), selected);
}

void OrbitingFrame::showEclipticFrame() {
    inEquator_ = false;
    frameSwitch_.reset();
    SetIndexQuietly(frameList_, 0);
    showFrameTitle();
}

void OrbitingFrame::showFrameTitle() {
    const QString body = Trim(planet_->text());
    elementsFrame_->setTitle(!inEquator_      ? QStringLiteral("Orbital elements (ecliptic)")
                             : body.isEmpty() ? QStringLiteral("Orbital elements (equator)")
                                              : QStringLiteral("Orbital elements (equator of %1)").arg(body));
}

void OrbitingFrame::chooseFrame(int index) {
    const bool toEquator = index == 1;
    if (toEquator == inEquator_) return;
    if (!toEquator && frameSwitch_ && frameSwitch_->after == orbitTexts()) {
        const QStringList eclipticBefore = frameSwitch_->before;
        // Back before any edit: the ecliptic texts as they were.
        inEquator_ = false;
        frameSwitch_.reset();
        showFrameTitle();
        setOrbitTexts(eclipticBefore);
        return;
    }
    ShipEditorTexts texts;
    readShownTexts(texts);
    const PlanetData planet = PlanetDataOfBody(session_.folders().config, texts.orbitingPlanet);
    const double start = StartMjdOf(session_.document());
    const OrbitFormSwitch turned =
        OrbitTextsInFrame(texts, planet, EquatorFrameAt(planet.rotation, start), start, toEquator);
    if (!turned.Done()) {
        SetIndexQuietly(frameList_, inEquator_ ? 1 : 0);
        ShowMessage(this, turned.problems.join(u'\r'), QStringLiteral("Orbit frame not changed"),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const QStringList before = orbitTexts();
    // The panel reads the boxes through the frame: the frame is set before the texts change.
    inEquator_ = toEquator;
    frameSwitch_.reset();
    showFrameTitle();
    setOrbitTexts(OrbitBoxTexts(turned.texts));
    if (toEquator) frameSwitch_ = FormSwitch{before, orbitTexts()};
}
