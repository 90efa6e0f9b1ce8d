#pragma once
// The report of a check: one line per problem and a line with the counts, or one JSON
// document with the same facts for other programs.
#include "core/check/check_problem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

struct CheckReport {
    QString simulatorFolder;
    std::vector<FileCheck> files;  // in the order checked
    int FilesWithProblems() const; // errors or notes
    int Problems() const;
    int FilesWithErrors() const;
    int Errors() const;
    int Notes() const;
};

// "<file>: <station|ship> <name>: <message>", or "<file>: <message>" for the file as a whole;
// a note has "note: " before its message.
QString ProblemLine(const QString& file, const CheckProblem& problem);
// "163 files, 2 with errors, 3 errors, 1 note".
QString CountLine(const CheckReport& report);
// Every problem line in file order then row order, then the count line.
QStringList ReportLines(const CheckReport& report);
// The JSON document: the simulator folder, each file with its problems, and the counts.
QByteArray ReportJson(const CheckReport& report);
