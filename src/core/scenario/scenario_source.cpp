#include "core/scenario/scenario_source.h"

#include "core/text/codepage.h"

#include <array>

namespace {
constexpr std::array<QString ShipRow::*, kShipColumns> kMembers = {
    &ShipRow::Name,          &ShipRow::ClassName,  &ShipRow::Status,     &ShipRow::StatusRef, &ShipRow::Base,
    &ShipRow::DockedStation, &ShipRow::Heading,    &ShipRow::DockedPort, &ShipRow::Pad,       &ShipRow::RposX,
    &ShipRow::RposY,         &ShipRow::RposZ,      &ShipRow::RvelX,      &ShipRow::RvelY,     &ShipRow::RvelZ,
    &ShipRow::ArotX,         &ShipRow::ArotY,      &ShipRow::ArotZ,      &ShipRow::Vrot,      &ShipRow::Fuel,
    &ShipRow::MainEngine,    &ShipRow::HoverEngine};

// The value of a column no line gave: empty in the first row, the blank values after it.
QStringView BlankValue(ShipColumn column, bool blanked) {
    if (!blanked) return QStringView();
    switch (column) {
    case ShipColumn::Heading:
        return u"Toto";
    case ShipColumn::RposX:
    case ShipColumn::RposY:
    case ShipColumn::RposZ:
    case ShipColumn::RvelX:
    case ShipColumn::RvelY:
    case ShipColumn::RvelZ:
    case ShipColumn::ArotX:
    case ShipColumn::ArotY:
    case ShipColumn::ArotZ:
    case ShipColumn::Vrot:
    case ShipColumn::Fuel:
    case ShipColumn::MainEngine:
    case ShipColumn::HoverEngine:
        return u"0";
    default:
        return QStringView();
    }
}

// The code page's character of a byte, as the reader decodes it.
QChar Decoded(char byte) {
    return DecodeText(QByteArray(1, byte)).at(0);
}
} // namespace

QString ShipRow::*ShipColumnMember(ShipColumn column) {
    return kMembers[std::size_t(column)];
}

QString ShipColumnAsRead(const ScenarioSource& source, const ShipSource& block, ShipColumn column) {
    const ReadValue value = block.values[int(column)];
    if (value.at >= 0) return DecodeText(source.bytes.mid(value.at, value.size));
    if (value.at == ReadValue::kBlank) return BlankValue(column, block.blanked).toString();
    return QString();
}

ShipRow ShipRowAsRead(const ScenarioSource& source, const ShipSource& block, const QString& otherLines) {
    ShipRow row;
    for (int c = 0; c < kShipColumns; ++c) {
        const ReadValue value = block.values[c];
        QString& column = row.*kMembers[std::size_t(c)];
        if (value.at >= 0 || value.at == ReadValue::kBlank)
            column = ShipColumnAsRead(source, block, ShipColumn(c));
    }
    row.OtherLines = otherLines;
    return row;
}

bool ShipRowIsAsRead(const ScenarioSource& source, const ShipSource& block, const ShipRow& row) {
    for (int c = 0; c < kShipColumns; ++c) {
        const ReadValue value = block.values[c];
        const QString& column = row.*kMembers[std::size_t(c)];
        if (value.at < 0) {
            const QStringView blank =
                value.at == ReadValue::kBlank ? BlankValue(ShipColumn(c), block.blanked) : QStringView();
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
