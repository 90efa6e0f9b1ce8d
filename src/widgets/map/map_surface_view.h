#pragma once
// The surface of the map's body as a longitude-latitude map (longitude -180 to 180 across,
// latitude -90 to 90 up, a grid line every 30 degrees): its bases and the ships landed on it,
// with their names, and below it a line for each with where it stands in degrees.
#include "core/editing/scenario_map.h"

#include <QWidget>

class MapSurfaceView : public QWidget {
    Q_OBJECT
  public:
    explicit MapSurfaceView(QWidget* parent = nullptr);
    void showMap(const ScenarioMap& map);

    QSize sizeHint() const override { return {600, 340}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ScenarioMap map_;
};
