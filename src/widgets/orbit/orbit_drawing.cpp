#include "widgets/orbit/orbit_drawing.h"

#include "core/orbit/orbit_text.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kMargin = 28;      // pixels kept free round the picture for the marks
constexpr double kSmallestDisc = 3; // a planet far smaller than its orbit still shows as a dot

QColor OrbitColour(PeriapsisPlace place) {
    switch (place) {
    case PeriapsisPlace::BelowSurface:
        return QColor(235, 64, 52);
    case PeriapsisPlace::InsideAtmosphere:
        return QColor(245, 150, 40);
    case PeriapsisPlace::Clear:
        break;
    }
    return QColor(250, 215, 90);
}

// A mark with a short name placed outside the orbit, away from the planet's centre.
void Mark(QPainter& p, const QPointF& at, const QPointF& centre, const QString& name, const QColor& colour) {
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, 4, 4);
    QPointF away = at - centre;
    const double length = std::hypot(away.x(), away.y());
    away = length > 0 ? away / length : QPointF(1, 0);
    const QPointF text = at + away * 14;
    p.drawText(QRectF(text.x() - 14, text.y() - 8, 28, 16), Qt::AlignCenter, name);
}
} // namespace

void DrawScaleBar(QPainter& p, double metresToPixels, const QSize& view, double inset, const QColor& colour,
                  const QString& note) {
    const double bar = ScaleBarLength(view.width() / 3.0 / metresToPixels);
    if (!(bar > 0)) return;
    const double pixels = bar * metresToPixels;
    const QPointF left(inset, view.height() - inset);
    p.setPen(QPen(colour, 1));
    p.drawLine(left, left + QPointF(pixels, 0));
    p.drawLine(left, left + QPointF(0, -4));
    p.drawLine(left + QPointF(pixels, 0), left + QPointF(pixels, -4));
    QString text = ScaleBarText(bar);
    if (!note.isEmpty()) text += QStringLiteral("   ") + note;
    p.drawText(QPointF(left.x() + 2, left.y() - 6), text);
}

OrbitDrawing::OrbitDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(180, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void OrbitDrawing::SetOrbit(const std::optional<OrbitOutline>& outline, PeriapsisPlace place) {
    outline_ = outline;
    place_ = place;
    update();
}

void OrbitDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(14, 18, 34));
    const QColor faint(150, 160, 185);
    if (!outline_) {
        p.setPen(faint);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("\u2014"));
        return;
    }
    const OrbitOutline& o = *outline_;
    const OrbitViewMapping m = FitOrbitView(o.Bounds, QSizeF(size()), kMargin);
    if (!(m.Scale > 0)) return;
    const QPointF centre = m.Map(QPointF(0, 0));

    // Planet and atmosphere, to scale; only a planet too small to see is enlarged, and says so.
    const double disc = std::max(o.PlanetRadius * m.Scale, kSmallestDisc);
    const bool enlarged = o.PlanetRadius * m.Scale < kSmallestDisc;
    if (o.AtmosphereRadius > o.PlanetRadius) {
        const double ring = std::max(o.AtmosphereRadius * m.Scale, disc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 150, 230, 70));
        p.drawEllipse(centre, ring, ring);
        p.setPen(QPen(QColor(120, 180, 255), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, ring, ring);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 100, 150));
    p.drawEllipse(centre, disc, disc);

    // The orbit.
    const QColor colour = OrbitColour(place_);
    if (o.Path.size() > 1) {
        QPainterPath path(m.Map(o.Path.first()));
        for (qsizetype k = 1; k < o.Path.size(); ++k)
            path.lineTo(m.Map(o.Path.at(k)));
        if (o.Closed) path.closeSubpath();
        p.setPen(QPen(colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    Mark(p, m.Map(o.Periapsis), centre, QStringLiteral("Pe"), colour);
    if (o.Closed) Mark(p, m.Map(o.Apoapsis), centre, QStringLiteral("Ap"), QColor(200, 210, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(m.Map(o.Body), 3.5, 3.5);

    DrawScaleBar(p, m.Scale, size(), 8, faint, enlarged ? QStringLiteral("planet not to scale") : QString());
}
