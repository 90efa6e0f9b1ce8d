#include "core/editing/ship_percent.h"

#include "core/text/text_rules.h"

#include <climits>
#include <cmath>

QString PercentText(const QString& fraction) {
    return NumberText(LeadingNumber(fraction) * 100, QLatin1StringView(" %"));
}

int RoundHalfEven(double value) {
    // A stored level far out of range must not overflow the slider's integer.
    if (std::isnan(value)) return 0;
    if (value >= double(INT_MAX)) return INT_MAX;
    if (value <= double(INT_MIN)) return INT_MIN;
    const double below = std::floor(value);
    const double rest = value - below;
    double rounded = below;
    if (rest > 0.5)
        rounded = below + 1;
    else if (rest == 0.5)
        rounded = std::fmod(below, 2.0) == 0 ? below : below + 1;
    return static_cast<int>(rounded);
}

int PercentPosition(const QString& fraction) {
    return RoundHalfEven(LeadingNumber(fraction) * 100);
}

QString SliderText(int position) {
    return NumberText(position, QLatin1StringView(" %"));
}

QString FractionText(const QString& caption) {
    return NumberText(LeadingNumber(caption) / 100);
}
