#pragma once
// What the tests of opening from outside the load dialog share: scenarios that carry their
// own name as description, the check that a file was opened as the Load button opens it, and
// files dropped on the window as a file manager drops them.
#include "support/simulator_fixture.h"
#include "support/submenus.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

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
        QCOMPARE(LabelText((window), ObjectNames::scnfile), opened_);                                        \
        QCOMPARE(DocumentOf(window).Description, opened_.chopped(4));                                        \
        QCOMPARE(FindControl<QPlainTextEdit>((window), ObjectNames::Description)->toPlainText(),             \
                 opened_.chopped(4));                                                                        \
        QVERIFY(FindControl<QAction>((window), ObjectNames::Menu31)->isEnabled());                           \
    } while (false)

// The drag's data as a file manager gives it: the paths below the fixture's root as file URLs,
// or, for a path with a scheme, that URL.
inline QMimeData* DraggedFiles(const SimulatorFixture& sim, const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << (path.contains("://") ? QUrl(path) : QUrl::fromLocalFile(sim.Root() + "/" + path));
    data->setUrls(urls);
    return data;
}

inline QPoint Middle(const QWidget& window) {
    return window.rect().center();
}

// Drags the files over the window and drops them, as a file manager does; whether the window
// took them.
inline bool Drop(TYX& window, const QMimeData& data) {
    const Qt::DropActions possible = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(Middle(window), possible, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDragMoveEvent move(Middle(window), possible, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QDropEvent drop(Middle(window), possible, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}
