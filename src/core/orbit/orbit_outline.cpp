#include "core/orbit/orbit_outline.h"

#include "core/orbit/orbit_angles.h"

#include <algorithm>
#include <cmath>

namespace {
QPointF AtAngle(double radius, double radians) {
    return {radius * std::cos(radians), radius * std::sin(radians)};
}

QRectF Including(QRectF rect, const QPointF& p) {
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return rect;
    const double left = std::min(rect.left(), p.x());
    const double right = std::max(rect.right(), p.x());
    const double top = std::min(rect.top(), p.y());
    const double bottom = std::max(rect.bottom(), p.y());
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}
} // namespace

OrbitOutline OutlineOfOrbit(const OrbitFigures& f, const PlanetData& planet, int samples) {
    OrbitOutline o;
    o.Closed = f.Closed;
    o.PlanetRadius = planet.MeanRadius;
    o.AtmosphereRadius = planet.MeanRadius + planet.AtmosphereLimit;
    const double omega = f.ArgumentOfPeriapsis * kDegree;
    o.Periapsis = AtAngle(f.PeriapsisRadius, omega);
    o.Apoapsis = f.Closed ? AtAngle(f.ApoapsisRadius, omega + kPi) : QPointF();
    o.Body = AtAngle(f.Radius, omega + f.TrueAnomaly * kDegree);

    const double p = f.SemiLatusRectum;
    const double e = f.Eccentricity;
    samples = std::max(samples, 8);
    if (p > 0 && std::isfinite(p)) {
        double limit = kPi; // the true anomaly reached on either side of the periapsis
        if (!f.Closed) {
            const double reach = 4 * std::max({f.PeriapsisRadius, f.Radius, o.AtmosphereRadius});
            limit = std::acos(std::clamp((p / reach - 1) / e, -1.0, 1.0));
        }
        o.Path.reserve(samples + 1);
        for (int k = 0; k <= samples; ++k) {
            const double nu = -limit + 2 * limit * k / samples;
            const double r = p / (1 + e * std::cos(nu));
            o.Path.append(AtAngle(r, omega + nu));
        }
    }

    const double outer = std::max(o.PlanetRadius, o.AtmosphereRadius);
    QRectF bounds(-outer, -outer, 2 * outer, 2 * outer);
    for (const QPointF& point : o.Path)
        bounds = Including(bounds, point);
    bounds = Including(bounds, o.Body);
    o.Bounds = bounds;
    return o;
}

OrbitViewMapping FitOrbitView(const QRectF& bounds, const QSizeF& view, double margin) {
    OrbitViewMapping m;
    const double width = std::max(1.0, view.width() - 2 * margin);
    const double height = std::max(1.0, view.height() - 2 * margin);
    if (!(bounds.width() > 0) || !(bounds.height() > 0)) return m;
    m.Scale = std::min(width / bounds.width(), height / bounds.height());
    const QPointF centre = bounds.center();
    m.Origin = QPointF(view.width() / 2 - centre.x() * m.Scale, view.height() / 2 + centre.y() * m.Scale);
    return m;
}

double ScaleBarLength(double atMost) {
    if (!(atMost > 0) || !std::isfinite(atMost)) return 0;
    double power = std::pow(10.0, std::floor(std::log10(atMost)));
    // log10 may land a hair off for exact powers of ten.
    if (power > atMost)
        power /= 10;
    else if (power * 10 <= atMost)
        power *= 10;
    for (double step : {5.0, 2.0, 1.0}) {
        if (step * power <= atMost) return step * power;
    }
    return power;
}
