#pragma once
// The simulator's .cfg files (and scenario files, where single keys are looked up in them)
// are read as records: a record ends at a comma or at a line end; a record that begins
// with a double quote runs to the next double quote.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Every record of the text, in file order, leading blanks skipped.
QStringList ReadConfigRecord(const QByteArray& bytes);

// The last record (trimmed) whose first characters equal the key, letter case ignored;
// "No Data" when none does. The whole record is returned, key included.
QString GetData(const QByteArray& bytes, const QString& flag);

inline const QString kNoData = QStringLiteral("No Data");
