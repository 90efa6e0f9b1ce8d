#include "core/scenario/scenario_sections.h"
#include "core/text/line_views.h"

#include <array>

namespace {
// Splits at single blanks: each value is the text before the next blank and the last one
// is the whole rest, so two blanks in a row give an empty value and shift the others.
template <std::size_t N> std::array<QString, N> SplitValues(QStringView text, ValuePool& pool) {
    std::array<QString, N> values;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const SplitPair pair = SplitAtFirst(text, u' ');
        values[i] = pool.Take(pair.before);
        text = pair.after;
    }
    values[N - 1] = pool.Take(text);
    return values;
}

void ReadArot(StationRow& row, QStringView trimmed, ValuePool& pool) {
    auto [x, y, z] = SplitValues<3>(CutFront(trimmed, 5), pool);
    row.ArotX = std::move(x);
    row.ArotY = std::move(y);
    row.ArotZ = std::move(z);
}
} // namespace

bool StationSectionReader::Line(QStringView line) {
    const QStringView cleared = ClearCommentsView(line);
    const QStringView trimmed = TrimView(cleared);
    if (UpperEquals(trimmed, QLatin1StringView("END_STATIONS"))) {
        step_ = Step::Header;
        return false;
    }
    // A blank line is never a value of a block: skipping it keeps the blocks in step.
    if (trimmed.isEmpty()) return true;
    if (UpperEquals(trimmed, QLatin1StringView("END"))) {
        // END closes the block wherever it stands: a block cut short keeps empty values, a
        // block with extra lines passes them over, and the next block stays in step. An
        // END with no block before it opens nothing. After a frequency line END may follow
        // at once: this program writes no AROT line for such a station.
        step_ = Step::Header;
        return true;
    }
    switch (step_) {
    case Step::Header: {
        StationRow& row = rows_.emplace_back();
        const SplitPair pair = SplitAtFirst(cleared, u':');
        row.Name = pool_.Take(pair.before);
        row.ClassName = HoldsChar(cleared, u':') ? pool_.Take(pair.after) : row.Name;
        epochs_.emplace_back();
        step_ = Step::Ref;
        break;
    }
    case Step::Ref:
        rows_.back().Ref = pool_.Take(CutFront(trimmed, 4));
        step_ = Step::Epoch;
        break;
    case Step::Epoch:
        epochs_.back() = CutFront(trimmed, 7);
        step_ = Step::Elements;
        break;
    case Step::Elements: {
        auto values = SplitValues<6>(CutFront(trimmed, 9), pool_);
        StationRow& row = rows_.back();
        row.SemiMajorAxis = std::move(values[0]);
        row.Excentricity = std::move(values[1]);
        row.Inclination = std::move(values[2]);
        row.AscendingNodeLongitude = std::move(values[3]);
        row.PeriapsisLongitude = std::move(values[4]);
        row.MeanLongitude = std::move(values[5]);
        step_ = Step::Rotation;
        break;
    }
    case Step::Rotation: {
        StationRow& row = rows_.back();
        if (UpperStartsWith(trimmed, QLatin1StringView("ZROT_FREQ"))) {
            // The value follows the keyword and one blank, whether the keyword is written
            // ZROT_FREQ or ZROT_FREQUENCY (which is what this program writes).
            row.ClassRotation = false;
            row.ZrotFrequency = pool_.Take(SplitAtFirst(trimmed, u' ').after);
            step_ = Step::ArotOrEnd;
        } else {
            row.ClassRotation = true;
            ReadArot(row, trimmed, pool_);
            step_ = Step::End;
        }
        break;
    }
    case Step::ArotOrEnd:
        ReadArot(rows_.back(), trimmed, pool_);
        step_ = Step::End;
        break;
    case Step::End:
        break;
    }
    return true;
}
