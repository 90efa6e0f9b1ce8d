#include "widgets/dialogs/planetary_system_information.h"

#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "core/text/text_rules.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {
QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}
} // namespace

PlanetarySystemInformation::PlanetarySystemInformation(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("PlanetarySystemInformation");
    setWindowTitle("Planetary System Information");

    Planet = new QComboBox(this);
    Planet->setObjectName("Planet");
    Planet->setToolTip("Displays the planetary system planet list.");
    Label1 = NamedLabel("Label1", "Mass", this);
    PlanetMass = NamedLabel("PlanetMass", QString(), this);
    PlanetMass->setToolTip("Displays the planet mass in kg.");
    Label2 = NamedLabel("Label2", "Mean radius", this);
    PlanetMeanRadius = NamedLabel("PlanetMeanRadius", QString(), this);
    PlanetMeanRadius->setToolTip("Displays the planet mean radius in m.");
    Label3 = NamedLabel("Label3", "Sideral rotation period", this);
    PlanetSideralRotationPeriod = NamedLabel("PlanetSideralRotationPeriod", QString(), this);
    PlanetSideralRotationPeriod->setToolTip("Displays the planet sideral rotation period.");
    Label5 = NamedLabel("Label5", "Atmosphere altitude limit", this);
    PlanetAtmosphereLimit = NamedLabel("PlanetAtmosphereLimit", QString(), this);
    Command1 = new QPushButton("Close", this);
    Command1->setObjectName("Command1");
    Command1->setToolTip("Hide the Planetary System Information dialog box.");

    auto* grid = new QGridLayout(this);
    grid->addWidget(Planet, 0, 0, 1, 2);
    int row = 1;
    for (auto [caption, value] :
         {std::pair{Label1, PlanetMass}, std::pair{Label2, PlanetMeanRadius},
          std::pair{Label3, PlanetSideralRotationPeriod}, std::pair{Label5, PlanetAtmosphereLimit}}) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(220);
        ++row;
    }
    grid->addWidget(Command1, row, 1, Qt::AlignRight);

    connect(Planet, &QComboBox::activated, this, &PlanetarySystemInformation::showSelectedBody);
    // Hidden, not destroyed: showing the window again shows the same body.
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
}

void PlanetarySystemInformation::showBodies(const QStringList& bodies, int shown,
                                            const QString& configFolder) {
    configFolder_ = configFolder;
    FillQuietly(Planet, bodies, shown);
    showSelectedBody();
}

void PlanetarySystemInformation::showSelectedBody() {
    if (Planet->currentIndex() < 0) {
        for (QLabel* value :
             {PlanetMass, PlanetMeanRadius, PlanetSideralRotationPeriod, PlanetAtmosphereLimit})
            value->clear();
        return;
    }
    const QString body = Trim(Planet->currentText());
    const PlanetDataTexts texts = PlanetData(ReadWholeFile(configFolder_ + body + ".cfg"), QLocale());
    PlanetMass->setText(texts.mass);
    PlanetMeanRadius->setText(texts.meanRadius);
    PlanetSideralRotationPeriod->setText(texts.rotationPeriod);
    PlanetAtmosphereLimit->setText(texts.atmosphereLimit);
}
