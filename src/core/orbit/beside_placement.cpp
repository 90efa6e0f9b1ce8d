#include "core/orbit/beside_placement.h"

#include "core/orbit/universal_kepler.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kMaxSteps = 100;
// The widest step of the quadrature, in radians of eccentric (or hyperbolic) anomaly, and the
// most steps one length may take: five-point Gauss-Legendre over a twentieth of a radian is
// exact to rounding for all but the most eccentric orbits.
constexpr double kStepAngle = 0.05;
constexpr int kMaxPanels = 4096;

// The five-point Gauss-Legendre nodes on [-1, 1] and their weights.
constexpr double kNodes[5] = {0.0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                              0.9061798459386640};
constexpr double kWeights[5] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                0.2369268850561891, 0.2369268850561891};

class ArcLength {
  public:
    ArcLength(const UniversalKeplerOrbit& orbit, double r0) : orbit_(orbit) {
        // chi grows by sqrt(|a|) per radian of anomaly on an ellipse or hyperbola, and near
        // a parabola's periapsis by about sqrt(r0): the smaller gives the finer steps.
        perRadian_ = 1 / std::max(std::sqrt(std::fabs(orbit.Alpha())), 1 / std::sqrt(r0));
    }
    // ds/dchi at chi, m per square root of m.
    double Rate(double chi) const {
        const double r = orbit_.RadiusAt(chi);
        return std::sqrt(std::max(0.0, r * (2 - orbit_.Alpha() * r)));
    }
    // The arc length from the start to chi, negative before the start.
    double At(double chi) const {
        const int panels =
            int(std::clamp(std::ceil(std::fabs(chi) / (perRadian_ * kStepAngle)), 1.0, double(kMaxPanels)));
        const double width = chi / panels;
        double sum = 0;
        for (int k = 0; k < panels; ++k) {
            const double mid = (k + 0.5) * width;
            for (int j = 0; j < 5; ++j)
                sum += kWeights[j] * Rate(mid + kNodes[j] * width / 2);
        }
        return sum * width / 2;
    }

  private:
    const UniversalKeplerOrbit& orbit_;
    double perRadian_ = 1;
};
} // namespace

std::optional<OrbitState> PlacedBeside(const OrbitState& other, double mu, double kilometres) {
    const double metres = kilometres * 1000;
    if (!std::isfinite(metres)) return std::nullopt;
    const UniversalKeplerOrbit orbit(other, mu);
    if (!orbit.Valid()) return std::nullopt;
    const double r0 = Norm(other.Position);
    const ArcLength arc(orbit, r0);
    const double startRate = arc.Rate(0);
    // At rest there is no path to follow, only a fall.
    if (Norm(other.Velocity) == 0 || !(startRate > 0)) return std::nullopt;
    double x = 0;
    if (metres != 0) {
        // The length grows strictly with chi from 0 at the start: bounded on one side at
        // once; Newton's steps inside the bounds, halving or doubling otherwise.
        const double inf = std::numeric_limits<double>::infinity();
        double low = metres > 0 ? 0 : -inf, high = metres > 0 ? inf : 0;
        x = metres / startRate;
        for (int step = 0; step < kMaxSteps; ++step) {
            const double miss = arc.At(x) - metres;
            if (miss == 0) break;
            if (miss < 0)
                low = x;
            else
                high = x;
            double next = x - miss / arc.Rate(x);
            if (!(next > low && next < high) || !std::isfinite(next)) {
                if (std::isfinite(low) && std::isfinite(high))
                    next = low + (high - low) / 2;
                else
                    next = 2 * x;
            }
            const bool settled = std::fabs(next - x) <= 1e-14 * std::fabs(x);
            x = next;
            if (settled) break;
        }
    }
    const OrbitState placed = orbit.StateAt(x);
    if (!std::isfinite(Norm(placed.Position)) || !std::isfinite(Norm(placed.Velocity))) return std::nullopt;
    return placed;
}
