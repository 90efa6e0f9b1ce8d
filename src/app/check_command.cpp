// The check of scenario files from the command line: the logic does the check; this prints
// its report, and a progress line on a terminal while many files are checked.
#include "app/check_command.h"

#include "app/command_line_request.h"
#include "core/check/check_run.h"

#include <QDir>
#include <QTextStream>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define SKELVAN_ISATTY(stream) _isatty(_fileno(stream))
#else
#include <unistd.h>
#define SKELVAN_ISATTY(stream) isatty(fileno(stream))
#endif

namespace {
// Only a long check on a terminal shows its progress: a file or pipe gets the report alone.
constexpr qsizetype kFilesBeforeProgress = 50;
} // namespace

int RunCheckCommand(const CommandLine& line) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    CheckRequest request;
    request.paths = line.paths;
    request.simulator = line.simulator;
    request.workingFolder = QDir::currentPath();
    request.recursive = line.recursive;

    const bool terminal = SKELVAN_ISATTY(stderr) != 0;
    bool progressShown = false;
    const CheckRun run = RunCheck(request, [&](qsizetype done, qsizetype total) {
        if (!terminal || total <= kFilesBeforeProgress) return;
        err << "\rChecked " << done << " of " << total << " files" << Qt::flush;
        progressShown = true;
    });
    if (progressShown) err << "\r\033[K" << Qt::flush;
    if (!run.ran) {
        err << "skelvan-scenario-editor: " << run.error << '\n';
        return 2;
    }
    if (line.json)
        out << QString::fromUtf8(ReportJson(run.report));
    else
        for (const QString& text : ReportLines(run.report))
            out << text << '\n';
    out.flush();
    // Notes tell of orbits that may well be meant: only errors fail the check.
    return run.report.Errors() > 0 ? 1 : 0;
}
