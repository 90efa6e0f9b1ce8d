#pragma once
// What the window tests of the main window share: the test installation tests/data/app/sim
// (one planetary system, a planet with a moon, one class of each kind and five scenarios) and
// the test support library.
#include "support/scripted_answers.h"
#include "support/simulator_fixture.h"
#include "support/trash_scope.h"
#include "support/user_actions.h"
#include "support/window_access.h"

#include <QFile>

inline QString AppInstallation() {
    return TestDataFile("app/sim");
}

// A test installation laid out as the simulator installs it today: scenarios in nested
// folders below the scenario folder, links back up, a folder with no scenario.
inline QString TodayInstallation() {
    return TestDataFile("today");
}

inline QByteArray ReadTestFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
