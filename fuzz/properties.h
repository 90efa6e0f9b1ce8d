#pragma once
// What must hold for any bytes at all, checked by the fuzz targets and, on every input that
// once broke it, by the regression test. Each check returns an empty text when the property
// holds and otherwise says what broke; a crash or a hang is a failure of its own.
#include <QByteArray>
#include <QString>

// ClearComments twice equals once; a text IsANumber accepts is read by LeadingNumber in full;
// LeadingNumber of NumberText gives the number back to 15 significant digits.
QString CheckTextRules(const QByteArray& bytes);
// ReadConfigRecord, GetData and ExtractData agree with each other on any file.
QString CheckRecordLookup(const QByteArray& bytes);
// Read, write, read, write: the two writes are equal.
QString CheckScenarioRoundTrip(const QByteArray& bytes);
