#pragma once
// A whole check as the command line asks for it: the installation found, the files gathered
// and each checked in turn.
#include "core/check/check_report.h"

#include <QString>
#include <QStringList>
#include <functional>

struct CheckRequest {
    QStringList paths; // files and folders; none: the installation's scenario folder and all below it
    QString simulator; // the installation folder given, or empty for the one "tyx.cfg" names
    QString workingFolder;
    bool recursive = false; // the folders below the folders named too
};

struct CheckRun {
    bool ran = false;
    QString error; // why the check could not run
    CheckReport report;
};

// Told after each file: how many are done out of how many.
using CheckProgress = std::function<void(qsizetype done, qsizetype total)>;

CheckRun RunCheck(const CheckRequest& request, const CheckProgress& progress = {});
