#pragma once
// The to-scale picture of an orbit: the planet's disc, the atmosphere's upper limit as a
// ring, the orbit in its own plane with periapsis and apoapsis marked, and the body on it.
#include "core/orbit/orbit_insight.h"
#include "core/orbit/orbit_outline.h"

#include <QWidget>
#include <optional>

class OrbitDrawing : public QWidget {
    Q_OBJECT
  public:
    explicit OrbitDrawing(QWidget* parent = nullptr);
    // Nothing to draw: the picture shows the background and a dash.
    void SetOrbit(const std::optional<OrbitOutline>& outline, PeriapsisPlace place);
    const std::optional<OrbitOutline>& Outline() const { return outline_; }

    QSize sizeHint() const override { return {260, 240}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<OrbitOutline> outline_;
    PeriapsisPlace place_ = PeriapsisPlace::Clear;
};
