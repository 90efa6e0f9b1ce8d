#pragma once
// What a window test may know of the main window besides what a user sees: its controls are
// found by their object names, as other programs find them, and the open scenario is read
// through one accessor, so that the window's inner members can change without the tests.
#include "app/tyx.h"
#include "core/editing/editor_session.h"

#include <QTest>
#include <QWidget>

// The named control of the window (or dialog), or null when there is none; FindControl
// reports a missing name as a test failure.
template <class T> T* FindControl(const QObject& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1String(name));
    if (!control)
        QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(QLatin1String(name))), __FILE__, __LINE__);
    return control;
}

// The scenario as the main window holds it between loading and saving.
inline const ScenarioDocument& DocumentOf(const TYX& window) { return window.session().document(); }
