#include "support/window_access.h"

#include <QLabel>
#include <QMenu>

namespace window_access {
bool OwnedBy(const QObject* object, const QObject* window) {
    for (const QObject* up = object->parent(); up && up != window; up = up->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(up);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget)) return false;
    }
    return true;
}
} // namespace window_access

QString LabelText(const QObject& window, const char* name) {
    const QLabel* label = FindControl<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}
