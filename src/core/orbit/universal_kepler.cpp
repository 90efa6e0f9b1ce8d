#include "core/orbit/universal_kepler.h"

#include "core/orbit/orbit_angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kMaxSteps = 200;

struct Stumpff {
    double C2 = 0.5, C3 = 1.0 / 6;
};

// c2(psi) = (1 - cos sqrt psi) / psi and c3(psi) = (sqrt psi - sin sqrt psi) / sqrt psi^3,
// with cosh and sinh for psi < 0. 1 - cos x is written 2 sin^2(x / 2), which loses nothing
// near 0; near psi = 0 the series take over, where x - sin x would lose digits.
Stumpff StumpffOf(double psi) {
    Stumpff s;
    if (psi > 1) {
        const double x = std::sqrt(psi), half = std::sin(x / 2);
        s.C2 = 2 * half * half / psi;
        s.C3 = (x - std::sin(x)) / (psi * x);
    } else if (psi < -1) {
        const double x = std::sqrt(-psi), half = std::sinh(x / 2);
        s.C2 = 2 * half * half / -psi;
        s.C3 = (std::sinh(x) - x) / (-psi * x);
    } else {
        // c2 = sum (-psi)^k / (2k + 2)!, c3 = sum (-psi)^k / (2k + 3)!; twelve terms leave an
        // error below 1e-25 for |psi| <= 1.
        double c2 = 0, c3 = 0, term2 = 0.5, term3 = 1.0 / 6;
        for (int k = 0; k < 12; ++k) {
            c2 += term2;
            c3 += term3;
            term2 *= -psi / ((2 * k + 3) * (2 * k + 4));
            term3 *= -psi / ((2 * k + 4) * (2 * k + 5));
        }
        s.C2 = c2;
        s.C3 = c3;
    }
    return s;
}

} // namespace

UniversalKeplerOrbit::UniversalKeplerOrbit(const OrbitState& start, double mu) : start_(start), mu_(mu) {
    r0_ = Norm(start.Position);
    const double v0 = Norm(start.Velocity);
    valid_ = mu > 0 && std::isfinite(mu) && r0_ > 0 && std::isfinite(r0_) && std::isfinite(v0);
    if (!valid_) return;
    sqrtMu_ = std::sqrt(mu);
    sigma0_ = Dot(start.Position, start.Velocity) / sqrtMu_;
    alpha_ = 2 / r0_ - v0 * v0 / mu;
}

double UniversalKeplerOrbit::Period() const {
    if (!(alpha_ > 0)) return kInfinity;
    return 2 * kPi / (sqrtMu_ * alpha_ * std::sqrt(alpha_));
}

double UniversalKeplerOrbit::TimeAt(double chi) const {
    const double chi2 = chi * chi;
    const Stumpff s = StumpffOf(alpha_ * chi2);
    return (sigma0_ * chi2 * s.C2 + (1 - alpha_ * r0_) * chi2 * chi * s.C3 + r0_ * chi) / sqrtMu_;
}

double UniversalKeplerOrbit::RadiusAt(double chi) const {
    const double chi2 = chi * chi, psi = alpha_ * chi2;
    const Stumpff s = StumpffOf(psi);
    return chi2 * s.C2 + sigma0_ * chi * (1 - psi * s.C3) + r0_ * (1 - psi * s.C2);
}

OrbitState UniversalKeplerOrbit::StateAt(double chi) const {
    const double chi2 = chi * chi, psi = alpha_ * chi2;
    const Stumpff s = StumpffOf(psi);
    // The Lagrange coefficients. g is written without the time itself, t - chi^3 c3 / sqrt mu
    // reduced by the time equation, so that it loses nothing to cancellation.
    const double f = 1 - chi2 * s.C2 / r0_;
    const double g = (sigma0_ * chi2 * s.C2 + r0_ * chi * (1 - psi * s.C3)) / sqrtMu_;
    const Vector3 r = f * start_.Position + g * start_.Velocity;
    const double radius = Norm(r);
    const double fDot = sqrtMu_ / (radius * r0_) * chi * (psi * s.C3 - 1);
    const double gDot = 1 - chi2 * s.C2 / radius;
    return {r, fDot * start_.Position + gDot * start_.Velocity};
}

double UniversalKeplerOrbit::AnomalyAfter(double seconds) const {
    if (seconds == 0 || !valid_ || !std::isfinite(seconds)) return 0;
    // The time grows strictly with chi, and is 0 at chi = 0: that bounds the root on one side
    // from the start, and every step moves a bound. Newton's step is taken when it stays
    // inside the bounds, the middle otherwise, or a doubling while one bound is still open.
    double low = seconds > 0 ? 0 : -kInfinity;
    double high = seconds > 0 ? kInfinity : 0;
    // Vallado's first guesses: the mean motion for an ellipse, the logarithmic growth of the
    // hyperbolic anomaly for a hyperbola, the start's own pace otherwise.
    double x = sqrtMu_ * seconds / r0_;
    if (alpha_ > 1e-12 / r0_) {
        x = sqrtMu_ * seconds * alpha_;
    } else if (alpha_ < -1e-12 / r0_) {
        const double a = 1 / alpha_, sign = seconds > 0 ? 1 : -1;
        const double den = sigma0_ * sqrtMu_ + sign * std::sqrt(-mu_ * a) * (1 - r0_ * alpha_);
        const double arg = -2 * mu_ * alpha_ * seconds / den;
        if (arg > 0 && std::isfinite(arg)) x = sign * std::sqrt(-a) * std::log(arg);
    }
    if (!(x > low && x < high)) x = sqrtMu_ * seconds / r0_;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double miss = TimeAt(x) - seconds;
        if (miss == 0) return x;
        if (miss < 0)
            low = x;
        else
            high = x;
        const double rate = RadiusAt(x) / sqrtMu_;
        double next = x - miss / rate;
        if (!(next > low && next < high) || !std::isfinite(next)) {
            if (std::isfinite(low) && std::isfinite(high))
                next = low + (high - low) / 2;
            else if (std::isfinite(low))
                next = 2 * std::max(std::fabs(low), std::fabs(x)) + 1;
            else
                next = -2 * std::max(std::fabs(high), std::fabs(x)) - 1;
        }
        if (std::fabs(next - x) <= 1e-15 * std::max(std::fabs(x), 1e-300) || next == low || next == high)
            return next;
        x = next;
    }
    return x;
}
