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
// The trimmed records strictly between a record equal to startFlag and the next equal to endFlag.
QStringList ExtractData(const QByteArray& bytes, const QString& startFlag, const QString& endFlag);

// The same on a file named by a folder text and a file name ("\" separators allowed);
// a file that cannot be read gives "No Data" and an empty list.
QString GetDataFromFile(const QString& path, const QString& flag);
QStringList ExtractDataFromFile(const QString& path, const QString& startFlag, const QString& endFlag);

inline const QString kNoData = QStringLiteral("No Data");
