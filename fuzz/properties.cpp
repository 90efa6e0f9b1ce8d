#include "properties.h"

#include "core/editing/scenario_saving.h"
#include "core/editing/ship_display.h"
#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "core/text/codepage.h"
#include "core/text/record_lookup.h"
#include "core/text/text_rules.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {
QString Show(const QString& text) {
    QString shown;
    for (QChar c : text.left(200)) {
        if (c.unicode() < 32 || c.unicode() > 126)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return u'"' + shown + u'"';
}

QString Show(double value) {
    return QString::number(value, 'g', 17);
}

// The value of a plain decimal text ("-", digits, one "."), computed digit by digit without
// the conversions under test: exact for texts of up to 15 digits, which are all that the
// check below compares exactly.
bool PlainDecimal(const QString& text, double* value) {
    QString t = Trim(text);
    bool negative = false;
    if (t.startsWith(u'-')) {
        negative = true;
        t.remove(0, 1);
    }
    QString digits;
    int fraction = 0;
    bool point = false;
    for (QChar c : t) {
        if (c == u'.') {
            point = true;
            continue;
        }
        digits += c;
        if (point) ++fraction;
    }
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (fraction > 0 && digits.endsWith(u'0')) {
        digits.chop(1);
        --fraction;
    }
    if (digits.size() > 15) return false;
    double whole = 0;
    for (QChar c : digits)
        whole = whole * 10 + (c.unicode() - u'0');
    // Both the digits and the power of ten are exact doubles below 1e22, so one division
    // rounds correctly.
    if (fraction > 22) return false;
    *value = (negative ? -whole : whole) / std::pow(10.0, fraction);
    return true;
}

QString CheckNumberRoundTrip(double x) {
    if (!std::isfinite(x)) return {};
    const QString text = NumberText(x);
    const double back = LeadingNumber(text);
    // Half a unit of the 15th digit, plus the rounding of that decimal to the nearest double.
    if (std::fabs(back - x) > (5e-15 + 2 * DBL_EPSILON) * std::fabs(x))
        return QStringLiteral("LeadingNumber(NumberText(%1)) = %2 via %3")
            .arg(Show(x), Show(back), Show(text));
    if (NumberText(back) != text)
        return QStringLiteral("NumberText(%1) = %2 but the value read back gives %3")
            .arg(Show(x), Show(text), Show(NumberText(back)));
    return {};
}
} // namespace

QString CheckTextRules(const QByteArray& bytes) {
    const QString text = DecodeText(bytes);

    const QString once = ClearComments(text);
    if (ClearComments(once) != once)
        return QStringLiteral("ClearComments twice differs from once on %1").arg(Show(text));

    GetNumberValue(text);

    if (IsANumber(text)) {
        const double read = LeadingNumber(text);
        double expected = 0;
        if (PlainDecimal(text, &expected) && read != expected)
            return QStringLiteral("LeadingNumber(%1) = %2, the whole text is %3")
                .arg(Show(text), Show(read), Show(expected));
        if (!std::isfinite(read)) return QStringLiteral("LeadingNumber(%1) is not finite").arg(Show(text));
    }

    QString why = CheckNumberRoundTrip(LeadingNumber(text));
    if (!why.isEmpty()) return why;
    if (bytes.size() >= 8) {
        double raw;
        std::memcpy(&raw, bytes.constData(), sizeof raw);
        why = CheckNumberRoundTrip(raw);
        if (!why.isEmpty()) return why;
    }
    return {};
}

QString CheckRecordLookup(const QByteArray& bytes) {
    // The first line of the input is the key, the rest the file; a key is never empty in the
    // program, but an empty one must not break anything either.
    const qsizetype cut = bytes.indexOf('\n');
    const QString key = cut < 0 ? QString() : DecodeText(bytes.left(cut));
    const QByteArray file = cut < 0 ? bytes : bytes.mid(cut + 1);

    const QStringList records = ReadConfigRecord(file);
    for (const QString& r : records) {
        if (r.contains(u'\r') || r.contains(u'\n'))
            return QStringLiteral("a record holds a line end: %1").arg(Show(r));
    }

    // GetData gives the last record that begins with the key, as the records read one by
    // one show it, or "No Data".
    QString expected = kNoData;
    for (const QString& r : records) {
        const QString t = Trim(r);
        if (UCase(t.left(key.size())) == UCase(key)) expected = t;
    }
    const QString found = GetData(file, key);
    if (found != expected)
        return QStringLiteral("GetData(%1) gave %2, the records say %3")
            .arg(Show(key), Show(found), Show(expected));
    return {};
}

QString CheckScenarioRoundTrip(const QByteArray& bytes) {
    ScenarioReadResult first = ReadScenario(bytes);
    first.document.Description = ScenarioDescription(bytes);
    const QByteArray written =
        ScenarioFileBytes(first.document, int(first.stationNames.size()), int(first.shipNames.size()));

    ScenarioReadResult second = ReadScenario(written);
    second.document.Description = ScenarioDescription(written);
    const QByteArray again =
        ScenarioFileBytes(second.document, int(second.stationNames.size()), int(second.shipNames.size()));
    if (again != written) {
        qsizetype at = 0;
        while (at < written.size() && at < again.size() && written[at] == again[at])
            ++at;
        const qsizetype from = std::max<qsizetype>(0, at - 40);
        return QStringLiteral("the second write differs from the first at byte %1: %2 against %3")
            .arg(at)
            .arg(Show(DecodeText(written.mid(from, 100))), Show(DecodeText(again.mid(from, 100))));
    }
    // Every ship validated as the editor shows it, nothing edited: the save is the same.
    ScenarioDocument shown = first.document;
    const ScenarioSource* source = shown.Source.get();
    for (qsizetype r = 0; r < first.shipNames.size(); ++r) {
        ShipRow& row = shown.ShipTable[std::size_t(r)];
        if (source && row.ReadBlock >= 0)
            row = DisplayedShipRow(row, source->ships[std::size_t(row.ReadBlock)].facts);
    }
    const QByteArray validated =
        SavedScenarioBytes(shown, int(first.stationNames.size()), int(first.shipNames.size()));
    if (validated != written) {
        qsizetype at = 0;
        while (at < written.size() && at < validated.size() && written[at] == validated[at])
            ++at;
        const qsizetype from = std::max<qsizetype>(0, at - 40);
        return QStringLiteral("ships validated as shown change the save at byte %1: %2 against %3")
            .arg(at)
            .arg(Show(DecodeText(written.mid(from, 100))), Show(DecodeText(validated.mid(from, 100))));
    }
    if (first.stationNames.size() != second.stationNames.size() ||
        first.shipNames.size() != second.shipNames.size())
        return QStringLiteral("stations or ships were lost between the writes: %1/%2 then %3/%4")
            .arg(first.stationNames.size())
            .arg(first.shipNames.size())
            .arg(second.stationNames.size())
            .arg(second.shipNames.size());
    return {};
}
