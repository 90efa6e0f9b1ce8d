#include "widgets/map/map_surface_view.h"

#include "widgets/map/map_labels.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
const QColor kBackground(14, 18, 34);
const QColor kLand(34, 48, 72);
const QColor kGrid(70, 84, 112);
const QColor kFaint(150, 160, 185);
const QColor kBase(140, 230, 150);
const QColor kLander(250, 215, 90);

// The map's rectangle in the view: twice as wide as high, with room for the degree figures and,
// below it, for the list of what it shows.
QRectF MapRect(const QSize& view) {
    const double left = 34, top = 26, right = 16;
    const double width = std::max(10.0, view.width() - left - right);
    const double height = std::max(5.0, view.height() * 0.6 - top);
    const double w = std::min(width, 2 * height);
    return QRectF(left + (width - w) / 2, top, w, w / 2);
}

QPointF At(const QRectF& map, double longitude, double latitude) {
    return {map.left() + (longitude + 180) / 360 * map.width(),
            map.top() + (90 - latitude) / 180 * map.height()};
}

QString Degrees(double longitude, double latitude) {
    return QStringLiteral("%1\u00b0 %2, %3\u00b0 %4")
        .arg(std::abs(longitude), 0, 'f', 2)
        .arg(QLatin1String(longitude < 0 ? "W" : "E"))
        .arg(std::abs(latitude), 0, 'f', 2)
        .arg(QLatin1String(latitude < 0 ? "S" : "N"));
}

// One line per lander and base, under the map: where each stands in figures.
QStringList ListLines(const ScenarioMap& map) {
    QStringList lines;
    for (const MapLander& lander : map.Landers) {
        const QString where = lander.Base.isEmpty()
                                  ? QStringLiteral("at a surface position")
                                  : QStringLiteral("on pad %1 of %2").arg(lander.Pad, lander.Base);
        lines << QStringLiteral("%1, landed %2: %3")
                     .arg(lander.Name, where,
                          lander.Located ? Degrees(lander.Longitude, lander.Latitude)
                                         : QStringLiteral("the base's location is not known"));
    }
    for (const MapBase& base : map.Bases)
        lines << QStringLiteral("Base %1: %2").arg(base.Name, Degrees(base.Longitude, base.Latitude));
    return lines;
}

QString LanderCaption(const MapLander& lander) {
    if (lander.Base.isEmpty()) return lander.Name;
    return QStringLiteral("%1 (pad %2)").arg(lander.Name, lander.Pad);
}
} // namespace

MapSurfaceView::MapSurfaceView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MapSurfaceView::showMap(const ScenarioMap& map) {
    map_ = map;
    update();
}

void MapSurfaceView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kBackground);
    p.setPen(kFaint);
    p.drawText(rect().adjusted(10, 4, -10, 0), Qt::AlignTop | Qt::AlignLeft,
               QStringLiteral("The surface of %1: landed ships and bases").arg(map_.Body));
    const QRectF map = MapRect(size());
    p.fillRect(map, kLand);
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    p.setFont(small);
    for (int longitude = -180; longitude <= 180; longitude += 30) {
        const QPointF top = At(map, longitude, 90);
        p.setPen(QPen(kGrid, longitude == 0 ? 1.5 : 1));
        p.drawLine(top, At(map, longitude, -90));
        if (longitude % 60 == 0) {
            p.setPen(kFaint);
            p.drawText(QRectF(top.x() - 20, map.bottom() + 2, 40, 14), Qt::AlignCenter,
                       QStringLiteral("%1°").arg(longitude));
        }
    }
    for (int latitude = -90; latitude <= 90; latitude += 30) {
        const QPointF left = At(map, -180, latitude);
        p.setPen(QPen(kGrid, latitude == 0 ? 1.5 : 1));
        p.drawLine(left, At(map, 180, latitude));
        p.setPen(kFaint);
        p.drawText(QRectF(left.x() - 34, left.y() - 7, 30, 14), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1°").arg(latitude));
    }
    p.setFont(font());

    const QFontMetricsF metrics(font());
    QVector<QRectF> taken;
    for (const MapBase& base : map_.Bases)
        taken.append(QRectF(At(map, base.Longitude, base.Latitude) - QPointF(4, 4), QSizeF(8, 8)));
    for (const MapLander& lander : map_.Landers)
        if (lander.Located)
            taken.append(QRectF(At(map, lander.Longitude, lander.Latitude) - QPointF(4, 4), QSizeF(8, 8)));
    for (const MapBase& base : map_.Bases) {
        const QPointF at = At(map, base.Longitude, base.Latitude);
        p.setPen(QPen(kBase, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(at - QPointF(4, 4), QSizeF(8, 8)));
        const QRectF place = PlacedLabel(metrics, base.Name, at, QPointF(1, 1), taken, map);
        taken.append(place);
        p.drawText(place, Qt::AlignCenter, base.Name);
    }
    for (const MapLander& lander : map_.Landers) {
        if (!lander.Located) continue;
        const QPointF at = At(map, lander.Longitude, lander.Latitude);
        p.setPen(Qt::NoPen);
        p.setBrush(kLander);
        p.drawEllipse(at, 3.5, 3.5);
        const QString caption = LanderCaption(lander);
        const QRectF place = PlacedLabel(metrics, caption, at, QPointF(1, -1), taken, map);
        taken.append(place);
        p.setPen(kLander);
        p.drawText(place, Qt::AlignCenter, caption);
    }
    p.setPen(kFaint);
    if (map_.Landers.empty() && map_.Bases.empty())
        p.drawText(map, Qt::AlignCenter, QStringLiteral("Nothing stands on %1.").arg(map_.Body));
    double y = map.bottom() + 26;
    for (const QString& line : ListLines(map_)) {
        if (y + metrics.height() > height()) break;
        p.drawText(QPointF(map.left(), y + metrics.ascent()), line);
        y += metrics.height() + 2;
    }
}
