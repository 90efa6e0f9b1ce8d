#pragma once
// The to-scale picture of an orbit: the planet's disc, the atmosphere's upper limit as a
// ring, the orbit in its own plane with periapsis and apoapsis marked, and the body on it.
#include "core/orbit/orbit_insight.h"
#include "core/orbit/orbit_outline.h"

#include <QWidget>
#include <optional>

class QPainter;

// A scale bar of a round length, at most a third of the view's width, in its lower left corner
// at the inset given (pixels), with the note after its length ("planet not to scale").
// metresToPixels is the drawing's scale.
void DrawScaleBar(QPainter& p, double metresToPixels, const QSize& view, double inset, const QColor& colour,
                  const QString& note);

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
