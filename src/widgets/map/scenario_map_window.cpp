#include "widgets/map/scenario_map_window.h"

#include "core/editing/editor_session.h"
#include "core/editing/ship_orbit_forms.h"
#include "widgets/common/object_names.h"
#include "widgets/map/map_orbit_view.h"
#include "widgets/map/map_surface_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

ScenarioMapWindow::ScenarioMapWindow(const EditorSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(ObjectNames::ScenarioMap);
    setWindowTitle(QStringLiteral("Scenario map"));
    bodyList_ = new QComboBox;
    bodyList_->setObjectName(ObjectNames::ScenarioMapBody);
    bodyList_->setToolTip(QStringLiteral("The body whose orbits, landed ships and bases are shown"));
    auto* bodyLabel = new QLabel(QStringLiteral("&Body"));
    bodyLabel->setBuddy(bodyList_);
    nothing_ = new QLabel;
    nothing_->setObjectName(ObjectNames::ScenarioMapNothing);
    nothing_->setAlignment(Qt::AlignCenter);
    orbits_ = new MapOrbitView;
    orbits_->setObjectName(ObjectNames::ScenarioMapOrbits);
    surface_ = new MapSurfaceView;
    surface_->setObjectName(ObjectNames::ScenarioMapSurface);

    auto* pictures = new QWidget;
    auto* side = new QHBoxLayout(pictures);
    side->setContentsMargins(0, 0, 0, 0);
    // The orbits get the larger, squarer part: their picture is round.
    side->addWidget(orbits_, 3);
    side->addWidget(surface_, 2);
    pages_ = new QStackedWidget;
    pages_->addWidget(pictures);
    pages_->addWidget(nothing_);

    auto* top = new QHBoxLayout;
    top->addWidget(bodyLabel);
    top->addWidget(bodyList_);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);
    resize(1180, 620);

    connect(bodyList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { showBody(index >= 0 ? bodyList_->itemText(index) : QString()); });
    // Everything that moves, adds or takes away something the map shows.
    for (auto changed :
         {&EditorSession::stationsChanged, &EditorSession::shipsChanged, &EditorSession::shipPlacesChanged,
          &EditorSession::startTimeChanged, &EditorSession::bodiesChanged})
        connect(&session_, changed, this, &ScenarioMapWindow::refresh);
    connect(&session_, &EditorSession::systemNameChanged, this, &ScenarioMapWindow::refresh);
}

void ScenarioMapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void ScenarioMapWindow::refresh() {
    showBody(map_.Body);
}

void ScenarioMapWindow::showBody(const QString& body) {
    const EditorSession& s = session_;
    const QString config = s.folders().config;
    const ScenarioMapSources sources{s.document(),
                                     s.stationCount(),
                                     s.shipCount(),
                                     s.bodies(),
                                     [&config](const QString& b) { return PlanetDataOfBody(config, b); },
                                     s.installedBases(),
                                     StartMjdOf(s.document())};
    map_ = ScenarioMapOf(sources, body);
    {
        // The list is refilled without the pick of its first entry counting as the user's.
        const QSignalBlocker quiet(bodyList_);
        bodyList_->clear();
        bodyList_->addItems(map_.Bodies);
        bodyList_->setCurrentIndex(int(map_.Bodies.indexOf(map_.Body)));
    }
    const bool empty = map_.Empty();
    nothing_->setText(map_.Body.isEmpty() ? QStringLiteral("No scenario is open.") : map_.NothingText());
    pages_->setCurrentWidget(empty ? static_cast<QWidget*>(nothing_) : pages_->widget(0));
    orbits_->showMap(map_);
    surface_->showMap(map_);
}
