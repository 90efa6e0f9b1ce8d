#include "widgets/dialogs/planetary_system_information.h"

#include "core/installation/planet_data.h"
#include "core/installation/planetary_system_data.h"
#include "core/io/file_access.h"
#include "core/text/text_rules.h"
#include "widgets/common/object_names.h"
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
    setObjectName(ObjectNames::PlanetarySystemInformation);
    setWindowTitle("Planetary System Information");

    bodyList_ = new QComboBox(this);
    bodyList_->setObjectName(ObjectNames::Planet);
    bodyList_->setToolTip("Displays the planetary system planet list.");
    QLabel* massCaption = NamedLabel(ObjectNames::Label1, "Mass", this);
    mass_ = NamedLabel(ObjectNames::PlanetMass, QString(), this);
    mass_->setToolTip("Displays the planet mass in kg.");
    QLabel* meanRadiusCaption = NamedLabel(ObjectNames::Label2, "Mean radius", this);
    meanRadius_ = NamedLabel(ObjectNames::PlanetMeanRadius, QString(), this);
    meanRadius_->setToolTip("Displays the planet mean radius in m.");
    QLabel* rotationPeriodCaption = NamedLabel(ObjectNames::Label3, "Sideral rotation period", this);
    rotationPeriod_ = NamedLabel(ObjectNames::PlanetSideralRotationPeriod, QString(), this);
    rotationPeriod_->setToolTip("Displays the planet sideral rotation period.");
    QLabel* atmosphereLimitCaption = NamedLabel(ObjectNames::Label5, "Atmosphere altitude limit", this);
    atmosphereLimit_ = NamedLabel(ObjectNames::PlanetAtmosphereLimit, QString(), this);
    auto* closeButton = new QPushButton("Close", this);
    closeButton->setObjectName(ObjectNames::Command1);
    closeButton->setToolTip("Hide the Planetary System Information dialog box.");

    auto* grid = new QGridLayout(this);
    grid->addWidget(bodyList_, 0, 0, 1, 2);
    int row = 1;
    for (auto [caption, value] : {std::pair{massCaption, mass_}, std::pair{meanRadiusCaption, meanRadius_},
                                  std::pair{rotationPeriodCaption, rotationPeriod_},
                                  std::pair{atmosphereLimitCaption, atmosphereLimit_}}) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(220);
        ++row;
    }
    grid->addWidget(closeButton, row, 1, Qt::AlignRight);

    connect(bodyList_, &QComboBox::activated, this, &PlanetarySystemInformation::showSelectedBody);
    // Hidden, not destroyed: showing the window again shows the same body.
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void PlanetarySystemInformation::showBodies(const QStringList& bodies, int shown,
                                            const QString& configFolder) {
    configFolder_ = configFolder;
    FillQuietly(bodyList_, bodies, shown);
    showSelectedBody();
}

void PlanetarySystemInformation::showSelectedBody() {
    if (bodyList_->currentIndex() < 0) {
        for (QLabel* value : {mass_, meanRadius_, rotationPeriod_, atmosphereLimit_})
            value->clear();
        return;
    }
    const QString body = Trim(bodyList_->currentText());
    const QStringList texts = PlanetDataTexts(PlanetDataOfFile(configFolder_ + body + ".cfg"), QLocale());
    mass_->setText(texts[0]);
    meanRadius_->setText(texts[1]);
    rotationPeriod_->setText(texts[2]);
    atmosphereLimit_->setText(texts[3]);
}
