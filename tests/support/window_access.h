#pragma once
// What a window test may know of the main window besides what a user sees: its controls are
// found by their object names, as other programs find them, and the open scenario is read
// through one accessor, so that the window's inner members can change without the tests.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "widgets/common/object_names.h"

#include <QTest>
#include <QWidget>

namespace window_access {
// True when the object belongs to `window` itself, not to a dialog or window of its own
// inside it (a menu is a window too, but belongs to the menu bar).
bool OwnedBy(const QObject* object, const QObject* window);
} // namespace window_access

// The named control of the window (or dialog), or null when there is none. A missing name, or
// a name that two controls of the window carry, fails the test.
template <class T> T* FindControl(const QObject& window, const char* name) {
    T* found = nullptr;
    int count = 0;
    for (T* control : window.findChildren<T*>(QLatin1String(name))) {
        if (!window_access::OwnedBy(control, &window)) continue;
        if (!found) found = control;
        ++count;
    }
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control named %1").arg(QLatin1String(name))), __FILE__,
                     __LINE__);
    else if (count > 1)
        QTest::qFail(qPrintable(QStringLiteral("%1 controls named %2").arg(count).arg(QLatin1String(name))),
                     __FILE__, __LINE__);
    return found;
}

// The text of a named label (the hidden folder and file name labels among them).
QString LabelText(const QObject& window, const char* name);

// The scenario as the main window holds it between loading and saving.
inline const ScenarioDocument& DocumentOf(const TYX& window) {
    return window.session().document();
}
