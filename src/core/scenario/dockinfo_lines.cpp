#include "core/scenario/dockinfo_lines.h"

#include "core/scenario/ship_lines.h"
#include "core/scenario/written_lines.h"
#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

namespace {
template <class Lines> QStringList DockinfoLines(Lines&& forEachLine) {
    QStringList found;
    forEachLine([&](QStringView line) {
        const QStringView t = TrimView(ClearCommentsView(line));
        if (ShipLineKindOf(t) == ShipLineKind::Dockinfo) found.append(t.toString());
    });
    return found;
}
} // namespace

QStringList RowDockinfoLines(const ShipRow& row) {
    if (!row.OtherLines.contains(QLatin1StringView("DOCKINFO"), Qt::CaseInsensitive)) return {};
    return DockinfoLines([&](auto f) { ForEachLine(QStringView(row.OtherLines), f); });
}

QStringList BlockDockinfoLines(const ScenarioSource& source, const ShipSource& block) {
    if (block.body.begin < 0 || !block.facts.dockinfo) return {};
    const QString body = DecodeText(source.bytes.mid(block.body.begin, block.body.end - block.body.begin));
    return DockinfoLines([&](auto f) {
        ForEachLineOfSpan(QStringView(body), [&](QStringView line) {
            // The description may stand among the lines of a block; they are not the ship's.
            const qsizetype at = block.body.begin + (line.data() - body.constData());
            if (at >= source.description.begin && at <= source.description.end) return;
            f(line);
        });
    });
}

bool PlacedByItsDock(const ShipRow& row) {
    if (!TrimView(row.ElementsSemiMajorAxis).isEmpty()) return false;
    for (const QString* column : {&row.RposX, &row.RposY, &row.RposZ, &row.RvelX, &row.RvelY, &row.RvelZ})
        if (!TrimView(*column).isEmpty()) return false;
    return row.OtherLines.contains(QLatin1StringView("DOCKINFO"), Qt::CaseInsensitive);
}
