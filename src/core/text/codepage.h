#pragma once
// Scenario and configuration files are 8-bit text in the Windows-1252 code page. One table
// decodes and encodes, so every byte read comes back as the same byte when written.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

QString DecodeText(const QByteArray& bytes);
// Characters outside the code page are written as "?".
QByteArray EncodeText(const QString& text);
// The same, appended to bytes already there.
void AppendEncoded(QByteArray& out, QStringView text);

// Lines end at CR LF, at a lone CR and at a lone LF; the line ends are not part of the lines.
// A final line end does not start another, empty line.
QStringList SplitLines(const QString& text);
