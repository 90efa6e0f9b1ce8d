#pragma once
// The tree views of the ship tab that show the locations (bodies, stations and their dock
// ports, bases and their landing pads) with the ships that occupy them.
#include <QString>

class QTreeWidget;
class QWidget;

QTreeWidget* MakeLocationTree(QWidget* parent, const QString& objectName);
