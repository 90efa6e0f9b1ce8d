#pragma once
// The busy pointer while the editor reads files the user waits for. It is restored on every way
// out, also after a message box shown meanwhile.
#include <QCursor>
#include <QGuiApplication>

class BusyPointer {
  public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
