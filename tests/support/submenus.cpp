#include "support/submenus.h"

#include "support/window_access.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
void Fail(const QString& message) {
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

// Opens the submenu through its menu; null (and a failure) when the user cannot.
QMenu* OpenSubmenu(const QObject& window, const char* name) {
    auto* submenu = FindControl<QMenu>(window, name);
    if (!submenu) return nullptr;
    QMenu* menu = nullptr;
    for (QObject* owner : submenu->menuAction()->associatedObjects()) {
        if ((menu = qobject_cast<QMenu*>(owner))) break;
    }
    auto* main = qobject_cast<const QMainWindow*>(&window);
    QMenuBar* bar = main ? main->menuBar() : nullptr;
    if (!menu || !bar || !bar->isVisible()) {
        Fail(QString("the submenu %1 is not in the window's menus").arg(QLatin1String(name)));
        return nullptr;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!menu->isVisible()) {
        Fail(QString("the menu holding %1 did not open").arg(QLatin1String(name)));
        return nullptr;
    }
    // The submenu's access key opens it, as the underlined letter of its caption says.
    const QKeySequence key = QKeySequence::mnemonic(submenu->title());
    if (key.isEmpty()) {
        menu->close();
        Fail(QString("the submenu %1 has no access key").arg(QLatin1String(name)));
        return nullptr;
    }
    QTest::keyClick(menu, key[0].key());
    if (!QTest::qWaitFor([submenu] { return submenu->isVisible(); }, 2000)) {
        menu->close();
        Fail(QString("the submenu %1 did not open").arg(QLatin1String(name)));
        return nullptr;
    }
    return submenu;
}

void CloseMenus(QMenu* submenu) {
    for (QWidget* open = submenu; open; open = open->parentWidget()) {
        if (qobject_cast<QMenu*>(open) && open->isVisible()) open->close();
    }
    for (QObject* owner : submenu->menuAction()->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner); menu && menu->isVisible()) menu->close();
    }
}
} // namespace

QStringList SubmenuEntries(const QObject& window, const char* submenu) {
    QMenu* menu = OpenSubmenu(window, submenu);
    if (!menu) return {};
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        entries << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
    }
    CloseMenus(menu);
    return entries;
}

bool ChooseSubmenuEntry(const QObject& window, const char* submenu, const QString& caption) {
    QMenu* menu = OpenSubmenu(window, submenu);
    if (!menu) return false;
    for (QAction* action : menu->actions()) {
        if (action->text() != caption) continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        CloseMenus(menu);
        return true;
    }
    CloseMenus(menu);
    Fail(QString("no entry \"%1\" in %2").arg(caption, QLatin1String(submenu)));
    return false;
}
