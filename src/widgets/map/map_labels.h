#pragma once
// Where a name goes beside its mark in the map's pictures: near the mark, clear of the names
// already placed and of what must stay visible (the body's disc).
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

// A disc the names keep off.
struct LabelDisc {
    QPointF centre;
    double radius = 0;
};

// The rectangle of the name, tried at growing distances from the mark, first in the direction
// given (from the mark, any length), then round it; the nearest place clear of the rectangles
// taken and of the disc wins, and the first tried when none is. The rectangle stays inside the
// bounds.
QRectF PlacedLabel(const QFontMetricsF& metrics, const QString& text, const QPointF& mark, QPointF direction,
                   const QVector<QRectF>& taken, const QRectF& bounds, const LabelDisc& disc = {});
