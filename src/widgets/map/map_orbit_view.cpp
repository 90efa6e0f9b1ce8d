#include "widgets/map/map_orbit_view.h"

#include "core/orbit/orbit_outline.h"
#include "core/orbit/orbit_text.h"
#include "widgets/map/map_labels.h"
#include "widgets/orbit/orbit_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kMargin = 40;      // pixels kept free round the orbits at the least
constexpr double kSmallestDisc = 3; // a body far smaller than its orbits still shows as a dot
const QColor kBackground(14, 18, 34);
const QColor kFaint(150, 160, 185);
const QColor kStation(120, 210, 255);
const QColor kShip(250, 215, 90);

// A station's or ship's name with the ships docked to it.
QString Caption(const MapOrbit& orbit, const std::vector<MapOrbit>& orbits) {
    QString caption = orbit.Name;
    for (const MapOrbit& other : orbits)
        if (other.Kind == OrbiterKind::ShipDocked && other.DockedAt == orbit.Name)
            caption += " + " + other.Name;
    return caption;
}

bool DockedAtOneShown(const MapOrbit& orbit, const std::vector<MapOrbit>& orbits) {
    if (orbit.Kind != OrbiterKind::ShipDocked) return false;
    return std::any_of(orbits.begin(), orbits.end(),
                       [&orbit](const MapOrbit& other) { return other.Name == orbit.DockedAt; });
}
} // namespace

MapOrbitView::MapOrbitView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapOrbitView::showMap(const ScenarioMap& map) {
    map_ = map;
    update();
}

void MapOrbitView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kBackground);
    p.setPen(kFaint);
    if (map_.Orbits.empty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Nothing orbits %1.").arg(map_.Body));
        return;
    }
    p.drawText(rect().adjusted(10, 8, -10, -8), Qt::AlignTop | Qt::AlignLeft,
               QStringLiteral("Orbits round %1, seen from above its equator at the start").arg(map_.Body));
    // Room round the orbits for the widest name, so that a name beside an orbit that grazes the
    // body need not lie on the body.
    const QFontMetricsF metrics(font());
    double margin = kMargin;
    for (const MapOrbit& orbit : map_.Orbits)
        margin = std::max(margin, metrics.horizontalAdvance(Caption(orbit, map_.Orbits)) + 20);
    const OrbitViewMapping m = FitOrbitView(map_.Bounds, QSizeF(size()), margin);
    if (!(m.Scale > 0)) return;
    const QPointF centre = m.Map(QPointF(0, 0));
    const double disc = std::max(map_.Radius * m.Scale, kSmallestDisc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 100, 150));
    p.drawEllipse(centre, disc, disc);

    for (const MapOrbit& orbit : map_.Orbits) {
        if (orbit.Path.size() < 2) continue;
        QPainterPath path(m.Map(orbit.Path.first()));
        for (qsizetype k = 1; k < orbit.Path.size(); ++k)
            path.lineTo(m.Map(orbit.Path.at(k)));
        if (orbit.Closed) path.closeSubpath();
        const QColor colour = orbit.Kind == OrbiterKind::Station ? kStation : kShip;
        p.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 170), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }

    // Names last, each clear of the body and of the names before it.
    QVector<QRectF> taken;
    for (const MapOrbit& orbit : map_.Orbits) {
        if (DockedAtOneShown(orbit, map_.Orbits)) continue;
        const QPointF at = m.Map(orbit.AtStart);
        const QColor colour = orbit.Kind == OrbiterKind::Station ? kStation : kShip;
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        if (orbit.Kind == OrbiterKind::Station)
            p.drawRect(QRectF(at - QPointF(4, 4), QSizeF(8, 8)));
        else
            p.drawEllipse(at, 4, 4);
        taken.append(QRectF(at - QPointF(5, 5), QSizeF(10, 10)));
    }
    for (const MapOrbit& orbit : map_.Orbits) {
        if (DockedAtOneShown(orbit, map_.Orbits)) continue;
        const QPointF at = m.Map(orbit.AtStart);
        const QString caption = Caption(orbit, map_.Orbits);
        const QRectF place =
            PlacedLabel(metrics, caption, at, at - centre, taken, QRectF(rect()), LabelDisc{centre, disc});
        taken.append(place);
        p.setPen(orbit.Kind == OrbiterKind::Station ? kStation : kShip);
        p.drawText(place, Qt::AlignCenter, caption);
    }
    DrawScaleBar(p, m.Scale, size(), 10, kFaint,
                 map_.Radius * m.Scale < kSmallestDisc ? QStringLiteral("body not to scale") : QString());
    // What the marks stand for, in the corner the scale bar leaves free.
    const QPointF key(width() - 150, height() - 14);
    p.setPen(Qt::NoPen);
    p.setBrush(kStation);
    p.drawRect(QRectF(key - QPointF(0, 8), QSizeF(8, 8)));
    p.setBrush(kShip);
    p.drawEllipse(key + QPointF(78, -4), 4, 4);
    p.setPen(kFaint);
    p.drawText(key + QPointF(12, 0), QStringLiteral("station"));
    p.drawText(key + QPointF(88, 0), QStringLiteral("ship"));
}
