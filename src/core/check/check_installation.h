#pragma once
// The installation a check works against, found as the editor finds it at start-up: the
// folder given, or else the one the setting "tyx.cfg" of the working folder names; then the
// folders its "skelvan.cfg" names and the catalogs of its configuration folder. Nothing is
// written: the check leaves "tyx.cfg" as it is.
#include "core/installation/installed_catalogs.h"

#include <QString>
#include <optional>

struct CheckInstallation {
    QString simulatorFolder; // absolute, ending in "/"
    QString configFolder;    // as "skelvan.cfg" names it, ending in a separator
    QString scenarioFolder;
    InstalledCatalogs catalogs;
};

struct InstallationSearch {
    std::optional<CheckInstallation> installation;
    QString error; // why none was found, for the user
};

// simulatorOption: the folder given on the command line, or empty. Relative folders are
// taken from the working folder.
InstallationSearch FindCheckInstallation(const QString& simulatorOption, const QString& workingFolder);
