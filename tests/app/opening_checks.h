#pragma once
// What the tests of opening from outside the load dialog share: scenarios that carry their
// own name as description, and the check that a file was opened as the Load button opens it.
#include "app_fixture.h"
#include "support/submenus.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

// A scenario of the test installation whose description is the text given.
inline QByteArray ScenarioDescribed(const QString& description) {
    return "BEGIN_DESC\r\n" + description.toLatin1() + "\r\nEND_DESC\r\n\r\n" +
           ReadTestFile(AppInstallation() + "/Scenarios/Plain.scn");
}

// Writes a scenario described by its own name without ".scn".
inline void WriteDescribedScenario(const SimulatorFixture& sim, const QString& name) {
    sim.WriteScenario(name, ScenarioDescribed(QString(name).chopped(4)));
}

// The window holds the file as the Load button leaves it: its name, its description in the
// document and on the first tab, the planetary system information unlocked.
#define VERIFY_OPENED_AS_LOAD_BUTTON(window, name)                                                           \
    do {                                                                                                     \
        const QString opened_ = (name);                                                                      \
        QCOMPARE(LabelText((window), "scnfile"), opened_);                                                   \
        QCOMPARE(DocumentOf(window).Description, opened_.chopped(4));                                        \
        QCOMPARE(FindControl<QPlainTextEdit>((window), "Description")->toPlainText(), opened_.chopped(4));   \
        QVERIFY(FindControl<QAction>((window), "Menu31")->isEnabled());                                      \
    } while (false)
