#pragma once
// What must hold for any bytes at all, checked by the fuzz targets and, on every input that
// once broke it, by the regression test. Each check returns an empty text when the property
// holds and otherwise says what broke; a crash or a hang is a failure of its own.
#include <QByteArray>
#include <QString>

// ClearComments twice equals once; a text IsANumber accepts is read by LeadingNumber in full;
// LeadingNumber of NumberText gives the number back to 15 significant digits.
QString CheckTextRules(const QByteArray& bytes);
// ReadConfigRecord and GetData agree with each other on any file.
QString CheckRecordLookup(const QByteArray& bytes);
// Read, write, read, write: the two writes are equal; every ship validated as the editor shows
// it, nothing edited, gives the same save.
QString CheckScenarioRoundTrip(const QByteArray& bytes);

// The simulator's own files. A planetary system file gives a body list of trimmed planets and
// of moons written as three blanks and a trimmed name.
QString CheckPlanetarySystem(const QByteArray& bytes);
// A planet file gives four texts of the fixed shapes, under any locale.
QString CheckPlanetData(const QByteArray& bytes);
// The bytes up to the first "@@" line are a planet file, the next part the file of each base it
// names, the parts after it the files of each body's base folder: base file names hold no
// blank, pad counts are never negative (in the older form and in today's "BASE-V2.0"), bases
// of one name count once on a body, and every base of a base folder is in the catalog.
QString CheckBaseCatalog(const QByteArray& bytes);
// A station class file's dock count is -1 or at most its number of lines, and the byte-wise
// count agrees with the text rules. The parts between "@@" lines, as the DOCKINFO lines of
// ships, give pairs of ports and names and a dock tree whose ports are in order.
QString CheckDockCount(const QByteArray& bytes);
// The bytes split at "@@" lines are the files of a configuration folder: the catalogs keep
// names and files paired, and station classes are their file names less ".cfg". As vessel
// classes each path counts once whatever its letter case, and a dock list is found as the key
// scan finds it.
QString CheckCatalogScan(const QByteArray& bytes);
