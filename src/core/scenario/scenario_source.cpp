#include "core/scenario/scenario_source.h"

#include "core/text/codepage.h"

namespace {
// The value of a column no line gave: empty in the first row, the blank values after it.
QString BlankValue(ShipColumn column, bool blanked) {
    return blanked ? ShipBlankText(ShipColumnSpecOf(column).blank) : QString();
}

// The code page's character of a byte, as the reader decodes it.
QChar Decoded(char byte) {
    return DecodeText(QByteArray(1, byte)).at(0);
}
} // namespace

QString ShipColumnAsRead(const ScenarioSource& source, const ShipSource& block, ShipColumn column) {
    const ReadValue value = block.values[int(column)];
    if (value.at >= 0) return DecodeText(source.bytes.mid(value.at, value.size));
    if (value.at == ReadValue::kBlank) return BlankValue(column, block.blanked);
    return QString();
}

ShipRow ShipRowAsRead(const ScenarioSource& source, const ShipSource& block, const QString& otherLines) {
    ShipRow row;
    for (int c = 0; c < kShipColumns; ++c) {
        const ReadValue value = block.values[c];
        QString& column = row.*kShipColumnSpecs[std::size_t(c)].member;
        if (value.at >= 0 || value.at == ReadValue::kBlank)
            column = ShipColumnAsRead(source, block, ShipColumn(c));
    }
    row.OtherLines = otherLines;
    return row;
}

bool ShipRowIsAsRead(const ScenarioSource& source, const ShipSource& block, const ShipRow& row) {
    for (int c = 0; c < kShipColumns; ++c) {
        const ReadValue value = block.values[c];
        const QString& column = row.*kShipColumnSpecs[std::size_t(c)].member;
        if (value.at < 0) {
            const QString blank =
                value.at == ReadValue::kBlank ? BlankValue(ShipColumn(c), block.blanked) : QString();
            if (column != blank) return false;
            continue;
        }
        if (column.size() != value.size) return false;
        const char* bytes = source.bytes.constData() + value.at;
        for (qsizetype i = 0; i < column.size(); ++i) {
            const char16_t c16 = column[i].unicode();
            const unsigned char b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80 ? c16 != b : column[i] != Decoded(char(b))) return false;
        }
    }
    return true;
}
