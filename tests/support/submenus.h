#pragma once
// Submenus as the user meets them: a click on the menu bar's title opens the menu, the
// submenu's access key opens the submenu, a click on an entry chooses it.
#include <QString>
#include <QStringList>

class QObject;

// The entries of the window's submenu of that object name, read while it is open, each as its
// caption, followed by " (disabled)" for one the user cannot choose. Empty (and a failure)
// when the submenu does not open.
QStringList SubmenuEntries(const QObject& window, const char* submenu);

// Chooses the entry of that caption from the submenu; false (and a failure) when the submenu
// does not open or has no such entry. A disabled entry takes the click and does nothing.
bool ChooseSubmenuEntry(const QObject& window, const char* submenu, const QString& caption);
