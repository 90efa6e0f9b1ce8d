#include "widgets/common/tree_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace {
// Each picture is drawn on a 32 by 32 grid and scaled to the size asked for. Colours and
// outlines are chosen so that the kinds differ by shape first and by colour second.
void DrawPlanet(QPainter& p) {
    QRadialGradient sea(QPointF(12, 11), 14);
    sea.setColorAt(0, QColor(110, 170, 255));
    sea.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 40, 110), 1.5));
    p.setBrush(sea);
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 80));
    p.drawEllipse(QRectF(9, 9, 8, 6));
    p.drawEllipse(QRectF(16, 18, 7, 5));
    // The ring tells a planet from a moon at a glance.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 190, 90), 2.5));
    p.drawEllipse(QPointF(16, 16), 15, 5);
}

void DrawMoon(QPainter& p) {
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), 12, 12);
    QPainterPath bite;
    bite.addEllipse(QPointF(23, 12), 11, 11);
    p.setPen(QPen(QColor(80, 80, 90), 1.5));
    p.setBrush(QColor(200, 200, 190));
    p.drawPath(disc.subtracted(bite));
}

void DrawStation(QPainter& p) {
    p.setPen(QPen(QColor(30, 30, 60), 1.2));
    p.setBrush(QColor(60, 110, 200));
    p.drawRect(QRectF(2, 11, 9, 10)); // solar panels
    p.drawRect(QRectF(21, 11, 9, 10));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(QPointF(11, 16), QPointF(21, 16));
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(220, 220, 225));
    p.drawRoundedRect(QRectF(12, 8, 8, 16), 2, 2); // the hull
}

void DrawBase(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(1, 23, 30, 7)); // the ground
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(235, 235, 235));
    p.drawChord(QRectF(5, 9, 22, 28), 0, 180 * 16); // the dome
    p.setBrush(QColor(255, 200, 60));
    p.drawRect(QRectF(14, 17, 4, 6)); // its door
}

void DrawLandingPad(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(250, 210, 40));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("H"));
}

void DrawDockPort(QPainter& p) {
    // An octagonal collar with a dark opening.
    QPolygonF collar;
    for (QPointF point : {QPointF(11, 3), QPointF(21, 3), QPointF(29, 11), QPointF(29, 21), QPointF(21, 29),
                          QPointF(11, 29), QPointF(3, 21), QPointF(3, 11)})
        collar << point;
    p.setPen(QPen(QColor(90, 50, 10), 1.5));
    p.setBrush(QColor(240, 140, 40));
    p.drawPolygon(collar);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QPointF(16, 16), 6.5, 6.5);
}

void DrawShip(QPainter& p) {
    QPolygonF hull;
    hull << QPointF(16, 2) << QPointF(24, 24) << QPointF(16, 20) << QPointF(8, 24);
    p.setPen(QPen(QColor(90, 10, 10), 1.5));
    p.setBrush(QColor(220, 40, 40));
    p.drawPolygon(hull);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 40));
    p.drawEllipse(QPointF(16, 26), 3, 4); // the exhaust
}

using Drawing = void (*)(QPainter&);
constexpr std::array<Drawing, 7> kDrawings = {DrawPlanet,     DrawMoon,     DrawStation, DrawBase,
                                              DrawLandingPad, DrawDockPort, DrawShip};

QPixmap Picture(int number, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 32.0, size / 32.0);
    kDrawings[number - 1](painter);
    return pixmap;
}
} // namespace

QIcon TreeImage(int number) {
    if (number < 1 || number > 7) return QIcon();
    // Kept for the whole run: pixmaps must not outlive the application object at exit.
    static auto* icons = new std::array<QIcon, 7>;
    QIcon& icon = (*icons)[number - 1];
    if (icon.isNull()) {
        for (int size : {16, 24, 32, 48, 64})
            icon.addPixmap(Picture(number, size));
    }
    return icon;
}
