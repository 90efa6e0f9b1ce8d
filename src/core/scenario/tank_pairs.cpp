#include "core/scenario/tank_pairs.h"

#include "core/scenario/ship_lines.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
// Whether two level texts give the same number: a changed spelling ("1" for "1.000000") is no
// change, and a text that is no number is the same only as itself.
bool SameLevel(QStringView a, QStringView b) {
    if (TrimView(a) == TrimView(b)) return true;
    double x = 0;
    double y = 0;
    return IsWholeNumber(a, &x) && IsWholeNumber(b, &y) && x == y;
}
} // namespace

std::vector<TankPair> TankPairs(QStringView values) {
    std::vector<TankPair> pairs;
    QStringView rest = TrimView(values);
    while (!rest.isEmpty()) {
        const SplitPair word = SplitAtFirst(rest, u' ');
        if (HoldsChar(word.before, u':')) {
            const SplitPair pair = SplitAtFirst(word.before, u':');
            pairs.push_back({pair.before, pair.after});
        }
        rest = TrimView(word.after);
    }
    return pairs;
}

QString WrittenTankLevel(QStringView level) {
    return FixedNumberText(LeadingNumber(TrimView(level)), 6);
}

QString TankLineWith(QStringView line, QStringView now, QStringView read) {
    const std::vector<TankPair> nowPairs = TankPairs(now);
    const std::vector<TankPair> readPairs = TankPairs(read);
    const std::vector<TankPair> linePairs = TankPairs(AfterFirstWord(TrimView(ClearCommentsView(line))));
    QString text;
    qsizetype done = 0; // the characters of the line written so far
    for (std::size_t i = 0; i < linePairs.size() && i < nowPairs.size() && i < readPairs.size(); ++i) {
        const TankPair& pair = linePairs[i];
        if (pair.tank != nowPairs[i].tank || pair.tank != readPairs[i].tank) continue;
        if (SameLevel(nowPairs[i].level, readPairs[i].level)) continue;
        const qsizetype at = pair.level.data() - line.data();
        text += line.sliced(done, at - done);
        text += WrittenTankLevel(nowPairs[i].level);
        done = at + pair.level.size();
    }
    text += line.sliced(done);
    return text;
}
