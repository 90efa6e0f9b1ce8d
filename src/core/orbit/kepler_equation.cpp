#include "core/orbit/kepler_equation.h"

#include "core/orbit/orbit_angles.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMaxSteps = 100;
} // namespace

double EccentricAnomaly(double meanAnomaly, double eccentricity) {
    // Solved on [-pi, pi], where the left side only grows: Newton's steps inside the bracket.
    double m = std::remainder(meanAnomaly, 2 * kPi);
    if (!std::isfinite(m)) return 0;
    const double e = eccentricity;
    double low = -kPi, high = kPi;
    double x = e < 0.8 ? m : (m < 0 ? -kPi : kPi);
    for (int i = 0; i < kMaxSteps; ++i) {
        const double f = x - e * std::sin(x) - m;
        if (f == 0) break;
        if (f > 0)
            high = x;
        else
            low = x;
        const double slope = 1 - e * std::cos(x);
        double next = slope > 0 ? x - f / slope : (low + high) / 2;
        if (!(next > low && next < high)) next = (low + high) / 2;
        if (std::fabs(next - x) < 1e-15) return next + (meanAnomaly - m);
        x = next;
    }
    return x + (meanAnomaly - m);
}

double HyperbolicAnomaly(double meanAnomaly, double eccentricity) {
    const double m = meanAnomaly, e = eccentricity;
    if (!std::isfinite(m) || !(e > 1)) return 0;
    // The left side is odd; solve for |M| and give the sign back. For H >= 0,
    // sinh H >= H bounds e sinh H - H between (e - 1) sinh H and e sinh H, which brackets H
    // between asinh(|M| / e) and asinh(|M| / (e - 1)).
    const double target = std::fabs(m);
    double low = std::asinh(target / e);
    double high = std::asinh(target / (e - 1));
    // On the convex right half Newton's steps from above fall towards the root without
    // passing it; the bracket guards against rounding.
    double x = high;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double f = e * std::sinh(x) - x - target;
        if (f == 0) break;
        if (f > 0)
            high = x;
        else
            low = x;
        const double slope = e * std::cosh(x) - 1;
        double next = slope > 0 ? x - f / slope : (low + high) / 2;
        if (!(next >= low && next <= high)) next = (low + high) / 2;
        if (std::fabs(next - x) <= 1e-15 * std::max(1.0, std::fabs(x))) {
            x = next;
            break;
        }
        x = next;
    }
    return m < 0 ? -x : x;
}
