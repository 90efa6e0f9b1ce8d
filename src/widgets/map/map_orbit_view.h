#pragma once
// The orbits round the map's body, to scale, seen from above its equator: the body as a disc of
// its mean radius, each orbit with its name and a mark where it is at the start, a scale bar.
#include "core/editing/scenario_map.h"

#include <QWidget>

class MapOrbitView : public QWidget {
    Q_OBJECT
  public:
    explicit MapOrbitView(QWidget* parent = nullptr);
    void showMap(const ScenarioMap& map);

    QSize sizeHint() const override { return {560, 560}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ScenarioMap map_;
};
