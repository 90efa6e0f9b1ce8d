#include "core/check/check_report.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

QString CheckProblemKey(CheckProblemKind kind) {
    switch (kind) {
    case CheckProblemKind::Unreadable:
        return QStringLiteral("unreadable");
    case CheckProblemKind::NoSystem:
        return QStringLiteral("no-system");
    case CheckProblemKind::SystemNotInstalled:
        return QStringLiteral("system-not-installed");
    case CheckProblemKind::NoFocusShip:
        return QStringLiteral("no-focus-ship");
    case CheckProblemKind::FocusShipMissing:
        return QStringLiteral("focus-ship-missing");
    case CheckProblemKind::Validation:
        return QStringLiteral("validation");
    case CheckProblemKind::ClassNotInstalled:
        return QStringLiteral("class-not-installed");
    case CheckProblemKind::BaseMissing:
        return QStringLiteral("base-missing");
    case CheckProblemKind::PadMissing:
        return QStringLiteral("pad-missing");
    case CheckProblemKind::PadTaken:
        return QStringLiteral("pad-taken");
    case CheckProblemKind::PortTaken:
        return QStringLiteral("port-taken");
    case CheckProblemKind::StationMissing:
        return QStringLiteral("station-missing");
    case CheckProblemKind::DockPartnerMissing:
        return QStringLiteral("dockinfo-partner-missing");
    case CheckProblemKind::DockNotReturned:
        return QStringLiteral("dockinfo-not-returned");
    case CheckProblemKind::PeriapsisBelowSurface:
        return QStringLiteral("periapsis-below-surface");
    case CheckProblemKind::PeriapsisInAtmosphere:
        return QStringLiteral("periapsis-in-atmosphere");
    }
    return QString();
}

CheckSeverity SeverityOf(CheckProblemKind kind) {
    switch (kind) {
    case CheckProblemKind::PeriapsisBelowSurface:
    case CheckProblemKind::PeriapsisInAtmosphere:
        return CheckSeverity::Note;
    default:
        return CheckSeverity::Error;
    }
}

QString CheckSeverityWord(CheckSeverity severity) {
    return severity == CheckSeverity::Note ? QStringLiteral("note") : QStringLiteral("error");
}

int FileCheck::Errors() const {
    return static_cast<int>(std::count_if(problems.begin(), problems.end(), [](const CheckProblem& problem) {
        return problem.Severity() == CheckSeverity::Error;
    }));
}

int FileCheck::Notes() const {
    return static_cast<int>(problems.size()) - Errors();
}

QString CheckRowWord(CheckRow row) {
    switch (row) {
    case CheckRow::Station:
        return QStringLiteral("station");
    case CheckRow::Ship:
        return QStringLiteral("ship");
    case CheckRow::File:
        break;
    }
    return QString();
}

int CheckReport::FilesWithProblems() const {
    int count = 0;
    for (const FileCheck& file : files)
        count += file.problems.empty() ? 0 : 1;
    return count;
}

int CheckReport::Problems() const {
    int count = 0;
    for (const FileCheck& file : files)
        count += static_cast<int>(file.problems.size());
    return count;
}

int CheckReport::FilesWithErrors() const {
    int count = 0;
    for (const FileCheck& file : files)
        count += file.Errors() > 0 ? 1 : 0;
    return count;
}

int CheckReport::Errors() const {
    int count = 0;
    for (const FileCheck& file : files)
        count += file.Errors();
    return count;
}

int CheckReport::Notes() const {
    return Problems() - Errors();
}

QString ProblemLine(const QString& file, const CheckProblem& problem) {
    // A report can hold tens of thousands of lines: each is laid out in one allocation.
    const bool row = problem.row != CheckRow::File;
    const bool note = problem.Severity() == CheckSeverity::Note;
    const QString word = CheckRowWord(problem.row);
    const std::array<QStringView, 7> parts = {file,
                                              u": ",
                                              row ? QStringView(word) : QStringView(),
                                              row ? QStringView(u" ") : QStringView(),
                                              row ? QStringView(problem.name) : QStringView(),
                                              row ? QStringView(u": ") : QStringView(),
                                              note ? QStringView(u"note: ") : QStringView()};
    qsizetype size = problem.message.size();
    for (const QStringView part : parts)
        size += part.size();
    QString line(size, Qt::Uninitialized);
    QChar* at = line.data();
    for (const QStringView part : parts)
        at = std::copy(part.begin(), part.end(), at);
    std::copy(problem.message.begin(), problem.message.end(), at);
    return line;
}

namespace {
QString Counted(int count, const char* one, const char* many) {
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}
} // namespace

QString CountLine(const CheckReport& report) {
    return Counted(static_cast<int>(report.files.size()), "file", "files") + QStringLiteral(", ") +
           QString::number(report.FilesWithErrors()) + QStringLiteral(" with errors, ") +
           Counted(report.Errors(), "error", "errors") + QStringLiteral(", ") +
           Counted(report.Notes(), "note", "notes");
}

QStringList ReportLines(const CheckReport& report) {
    QStringList lines;
    lines.reserve(report.Problems() + 1);
    for (const FileCheck& file : report.files) {
        for (const CheckProblem& problem : file.problems)
            lines.append(ProblemLine(file.file, problem));
    }
    lines.append(CountLine(report));
    return lines;
}

QByteArray ReportJson(const CheckReport& report) {
    QJsonArray files;
    for (const FileCheck& file : report.files) {
        QJsonArray problems;
        for (const CheckProblem& problem : file.problems) {
            QJsonObject entry{
                {"row", problem.row == CheckRow::File ? QStringLiteral("file") : CheckRowWord(problem.row)},
                {"kind", CheckProblemKey(problem.kind)},
                {"severity", CheckSeverityWord(problem.Severity())},
                {"message", problem.message}};
            if (problem.row != CheckRow::File) entry.insert("name", problem.name);
            problems.append(entry);
        }
        files.append(QJsonObject{{"file", file.file}, {"readable", file.readable}, {"problems", problems}});
    }
    const QJsonObject counts{{"files", static_cast<int>(report.files.size())},
                             {"filesWithErrors", report.FilesWithErrors()},
                             {"errors", report.Errors()},
                             {"notes", report.Notes()},
                             {"filesWithProblems", report.FilesWithProblems()},
                             {"problems", report.Problems()}};
    const QJsonObject root{{"simulator", QDir::toNativeSeparators(report.simulatorFolder)},
                           {"files", files},
                           {"counts", counts}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
