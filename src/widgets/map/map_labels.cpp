#include "widgets/map/map_labels.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kEighthTurn = 3.14159265358979323846 / 4; // between two directions tried
QRectF Kept(QRectF rect, const QRectF& bounds) {
    if (rect.right() > bounds.right()) rect.moveRight(bounds.right());
    if (rect.left() < bounds.left()) rect.moveLeft(bounds.left());
    if (rect.bottom() > bounds.bottom()) rect.moveBottom(bounds.bottom());
    if (rect.top() < bounds.top()) rect.moveTop(bounds.top());
    return rect;
}

bool Free(const QRectF& rect, const QVector<QRectF>& taken, const LabelDisc& disc) {
    // The point of the rectangle nearest the disc's centre lies outside the disc.
    const double x = std::clamp(disc.centre.x(), rect.left(), rect.right());
    const double y = std::clamp(disc.centre.y(), rect.top(), rect.bottom());
    if (std::hypot(x - disc.centre.x(), y - disc.centre.y()) < disc.radius) return false;
    for (const QRectF& other : taken)
        if (rect.intersects(other)) return false;
    return true;
}
} // namespace

QRectF PlacedLabel(const QFontMetricsF& metrics, const QString& text, const QPointF& mark, QPointF direction,
                   const QVector<QRectF>& taken, const QRectF& bounds, const LabelDisc& disc) {
    const QSizeF size(metrics.horizontalAdvance(text) + 4, metrics.height());
    const double length = std::hypot(direction.x(), direction.y());
    direction = length > 0 ? direction / length : QPointF(1, -1) / std::sqrt(2.0);
    const double start = std::atan2(direction.y(), direction.x());
    QRectF first;
    // Eight directions, the asked one first, then alternately either side of it.
    for (double distance : {8.0, 20.0, 34.0, 50.0}) {
        for (int step : {0, 1, -1, 2, -2, 3, -3, 4}) {
            const double angle = start + step * kEighthTurn;
            const QPointF towards(std::cos(angle), std::sin(angle));
            // The rectangle's side that faces the mark sits at the distance: its centre moves
            // out by half its own extent in that direction.
            const QPointF centre = mark + towards * distance +
                                   QPointF(towards.x() * size.width() / 2, towards.y() * size.height() / 2);
            const QRectF rect =
                Kept(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size), bounds);
            if (first.isNull()) first = rect;
            if (Free(rect, taken, disc)) return rect;
        }
    }
    return first;
}
