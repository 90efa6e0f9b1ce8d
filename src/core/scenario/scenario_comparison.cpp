#include "core/scenario/scenario_comparison.h"

#include "core/text/codepage.h"
#include "core/text/text_rules.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
enum class UnitKind { Description, Section, Station, Ship, Outside };

// One section, station block, ship block or stray line: its lines with something on them.
struct Unit {
    UnitKind kind = UnitKind::Section;
    QString key;
    QStringList lines;
};

QString Cleared(const QString& line) {
    return Trim(ClearComments(line));
}

QString Upper(const QString& line) {
    return UCase(Cleared(line));
}

QString BeginWord(const QString& upper) {
    return upper.mid(6).section(u' ', 0, 0);
}

bool IsSectionOfTheEditor(const QString& word) {
    static const QStringList kWords = {"DESC", "ENVIRONMENT", "FOCUS",    "CAMERA",
                                       "HUD",  "MFD",         "STATIONS", "SHIPS"};
    return kWords.contains(word);
}

// The line after the last one of a section that begins at line b.
qsizetype SectionStop(const QStringList& lines, qsizetype b) {
    const QString endWord = QStringLiteral("END_") + BeginWord(Upper(lines[b]));
    qsizetype bareEnd = -1;
    qsizetype lastFilled = b;
    bool otherBegin = false;
    for (qsizetype i = b + 1; i < lines.size(); ++i) {
        const QString u = Upper(lines[i]);
        if (u.startsWith(QLatin1String("BEGIN_"))) {
            if (IsSectionOfTheEditor(BeginWord(u))) break;
            otherBegin = true;
        }
        if (u == endWord) return i + 1;
        if (!otherBegin) {
            if (bareEnd < 0 && u == QLatin1String("END")) bareEnd = i;
            if (!Trim(lines[i]).isEmpty()) lastFilled = i;
        }
    }
    return (bareEnd >= 0 ? bareEnd : lastFilled) + 1;
}

QString NameOfHeader(const QString& header) {
    return Trim(Cleared(header).section(u':', 0, 0));
}

// Blocks from a header to END, the END line kept.
void SplitBlocks(const QStringList& lines, UnitKind kind, const char* prefix, std::vector<Unit>& units) {
    Unit* block = nullptr;
    for (const QString& line : lines) {
        const QString u = Upper(line);
        if (u.isEmpty()) continue;
        if (!block) {
            if (u == QLatin1String("END")) continue;
            units.push_back(Unit{kind, QLatin1String(prefix) + NameOfHeader(line), {}});
            block = &units.back();
        }
        block->lines.append(line);
        if (u == QLatin1String("END")) block = nullptr;
    }
}

std::vector<Unit> Units(const QByteArray& bytes) {
    const QStringList lines = SplitLines(DecodeText(bytes));
    std::vector<Unit> units;
    bool description = false;
    for (qsizetype i = 0; i < lines.size();) {
        const QString u = Upper(lines[i]);
        if (!description && Trim(lines[i]) == QLatin1String("BEGIN_DESC")) {
            qsizetype end = i + 1;
            while (end < lines.size() && Trim(lines[end]) != QLatin1String("END_DESC"))
                ++end;
            if (end < lines.size()) {
                description = true;
                units.push_back(
                    Unit{UnitKind::Description, QStringLiteral("DESC"), lines.mid(i + 1, end - i - 1)});
                i = end + 1;
                continue;
            }
        }
        if (u == QLatin1String("BEGIN_STATIONS") || u == QLatin1String("BEGIN_SHIPS")) {
            const bool ships = u == QLatin1String("BEGIN_SHIPS");
            const QString close = ships ? QStringLiteral("END_SHIPS") : QStringLiteral("END_STATIONS");
            qsizetype end = i + 1;
            while (end < lines.size() && Upper(lines[end]) != close)
                ++end;
            SplitBlocks(lines.mid(i + 1, end - i - 1), ships ? UnitKind::Ship : UnitKind::Station,
                        ships ? "SHIP " : "STATION ", units);
            i = end + 1;
            continue;
        }
        if (u.startsWith(QLatin1String("BEGIN_"))) {
            const qsizetype stop = SectionStop(lines, i);
            Unit unit{UnitKind::Section, u.simplified(), {}};
            for (qsizetype k = i; k < stop; ++k)
                if (!Cleared(lines[k]).isEmpty()) unit.lines.append(lines[k]);
            units.push_back(unit);
            i = stop;
            continue;
        }
        if (!u.isEmpty()) units.push_back(Unit{UnitKind::Outside, QStringLiteral("OUTSIDE"), {lines[i]}});
        ++i;
    }
    // Units of one key are told apart by their order.
    QHash<QString, int> seen;
    for (Unit& unit : units) {
        const int n = ++seen[unit.key];
        if (unit.kind == UnitKind::Outside) unit.key += u' ' + Cleared(unit.lines.first());
        if (n > 1 || unit.kind == UnitKind::Outside) unit.key += QStringLiteral(" #%1").arg(n);
    }
    return units;
}

// A line as the simulator reads it: words at blanks, then pairs and lists at ":" and ",".
QStringList Tokens(const QString& line) {
    QStringList tokens;
    for (const QString& word :
         Cleared(line).split(QRegularExpression(QStringLiteral("[ \\t]+")), Qt::SkipEmptyParts)) {
        QString part;
        for (QChar c : word) {
            if (c == u':' || c == u',') {
                if (!part.isEmpty()) tokens.append(part);
                tokens.append(QString(c));
                part.clear();
            } else {
                part += c;
            }
        }
        if (!part.isEmpty()) tokens.append(part);
    }
    return tokens;
}

bool SameToken(const QString& a, const QString& b) {
    if (a == b) return true;
    double x = 0;
    double y = 0;
    if (!IsWholeNumber(a, &x) || !IsWholeNumber(b, &y)) return false;
    return x == y || std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y));
}

QStringList Normalised(const QString& line, UnitKind kind, bool header) {
    QStringList t = Tokens(line);
    if (header && (kind == UnitKind::Ship || kind == UnitKind::Station)) {
        // A header without a class names the class by the ship's name.
        if (!t.contains(QStringLiteral(":"))) t << QStringLiteral(":") << t.value(0);
        return t;
    }
    const QString keyword = UCase(t.value(0));
    if (kind == UnitKind::Ship && keyword == QLatin1String("BASE") && t.size() == 3 && t[2] == u':')
        t.removeLast(); // a base without a pad, written with its ":"
    if (kind == UnitKind::Station && keyword.startsWith(QLatin1String("ZROT_FREQ")))
        t[0] = QStringLiteral("ZROT_FREQ");
    return t;
}

bool SameLine(const QString& a, const QString& b, UnitKind kind, bool header) {
    if (kind == UnitKind::Description) return a == b;
    if (a == b) return true;
    const QStringList x = Normalised(a, kind, header);
    const QStringList y = Normalised(b, kind, header);
    if (x.size() != y.size()) return false;
    // A station's epoch is kept to the minute.
    if (kind == UnitKind::Station && UCase(x.value(0)) == QLatin1String("EL_MJD") && x.size() == 2)
        return std::fabs(LeadingNumber(x[1]) - LeadingNumber(y[1])) < 1.0 / 1440;
    for (qsizetype k = 0; k < x.size(); ++k)
        if (!SameToken(x[k], y[k])) return false;
    return true;
}

void CompareUnit(const Unit& a, const Unit& b, std::vector<ScenarioDifference>& out) {
    const QStringList& x = a.lines;
    const QStringList& y = b.lines;
    const bool blocks = a.kind == UnitKind::Ship || a.kind == UnitKind::Station;
    const auto same = [&](qsizetype i, qsizetype j) {
        return SameLine(x[i], y[j], a.kind, blocks && i == 0 && j == 0);
    };
    // The longest run of lines both have, in order; what is left over differs.
    std::vector<std::vector<int>> lcs(std::size_t(x.size() + 1),
                                      std::vector<int>(std::size_t(y.size() + 1), 0));
    for (qsizetype i = x.size() - 1; i >= 0; --i)
        for (qsizetype j = y.size() - 1; j >= 0; --j)
            lcs[i][j] = same(i, j) ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    const bool zrot = a.kind == UnitKind::Station && std::any_of(x.begin(), x.end(), [](const QString& l) {
                          return Upper(l).startsWith(QLatin1String("ZROT_FREQ"));
                      });
    QStringList dropped;
    QStringList added;
    const auto flush = [&] {
        for (qsizetype k = 0; k < std::max(dropped.size(), added.size()); ++k)
            out.push_back({a.key, dropped.value(k), added.value(k)});
        dropped.clear();
        added.clear();
    };
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < x.size() || j < y.size()) {
        if (i < x.size() && j < y.size() && same(i, j)) {
            flush();
            ++i;
            ++j;
        } else if (j >= y.size() || (i < x.size() && lcs[i + 1][j] >= lcs[i][j + 1])) {
            // A station's fixed form carries its own rotation frequency or an AROT line, not both.
            if (!(zrot && Upper(x[i]).startsWith(QLatin1String("AROT")))) dropped.append(x[i]);
            ++i;
        } else {
            added.append(y[j]);
            ++j;
        }
    }
    flush();
}
} // namespace

ScenarioComparison CompareScenarioTexts(const QByteArray& original, const QByteArray& saved) {
    ScenarioComparison result;
    const std::vector<Unit> first = Units(original);
    const std::vector<Unit> second = Units(saved);
    QHash<QString, const Unit*> byKey;
    for (const Unit& unit : second)
        byKey.insert(unit.key, &unit);
    QHash<QString, bool> matched;
    for (const Unit& unit : first) {
        result.linesCompared += int(unit.lines.size());
        const Unit* other = byKey.value(unit.key);
        if (!other) {
            for (const QString& line : unit.lines)
                result.differences.push_back({unit.key, line, QString()});
            continue;
        }
        matched.insert(unit.key, true);
        CompareUnit(unit, *other, result.differences);
    }
    for (const Unit& unit : second) {
        if (matched.contains(unit.key)) continue;
        // A description section the original did not have is allowed while it says nothing.
        if (unit.kind == UnitKind::Description &&
            std::all_of(unit.lines.begin(), unit.lines.end(),
                        [](const QString& l) { return Trim(l).isEmpty(); }))
            continue;
        for (const QString& line : unit.lines)
            result.differences.push_back({unit.key, QString(), line});
    }
    return result;
}

QString DifferencesText(const ScenarioComparison& comparison) {
    QString text;
    for (const ScenarioDifference& d : comparison.differences)
        text += d.section + QStringLiteral(" | ") + d.original + QStringLiteral(" | ") + d.saved + u'\n';
    return text;
}
