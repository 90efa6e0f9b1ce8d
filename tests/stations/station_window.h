#pragma once
// The main window over the station tests' installation, tests/data/stations/sim: the planetary
// system Home (Earth, its Moon, Mars), the bases Alpha Base (three pads) and Beta (one) on Earth
// and Gamma on the Moon, the station classes Ring (two ports) and Wheel (five), and the class
// Plain without a dock list.
#include "core/scenario/day_dates.h"
#include "support/simulator_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

// A station block of a scenario: the orbit 7000 km (or the axis given), excentricity 0.05,
// angles 51.6, 10, 20 and 30 degrees, frame angles 1, 2 and 3 degrees, the epoch day 37000 of
// the editor's count (MJD 52018) at 13:05, and the rotation of its class or the frequency given.
inline QByteArray StationBlock(const QByteArray& name, const QByteArray& className, const QByteArray& body,
                               bool classRotation, const QByteArray& frequency = QByteArray(),
                               const QByteArray& axis = "7000000") {
    QByteArray block = name + ":" + className + "\r\n  REF " + body +
                       "\r\n  EL_MJD 52018.5451388889\r\n  ELEMENTS " + axis + " 0.05 51.6 10 20 30\r\n";
    if (!classRotation) block += "  ZROT_FREQUENCY " + frequency + "\r\n";
    return block + "  AROT 1 2 3\r\nEND\r\n";
}

// A ship block of class Kite with its status line ("Docked Earth:Orion:2") and other lines.
inline QByteArray ShipBlock(const QByteArray& name, const QByteArray& status,
                            const QByteArray& more = QByteArray()) {
    return name + ":Kite\r\n  STATUS " + status + "\r\n" + more + "  FUEL 1\r\nEND\r\n";
}

// A scenario of the system Home with the blocks given.
inline QByteArray StationScenario(const QByteArray& stations, const QByteArray& ships) {
    QByteArray file = "BEGIN_ENVIRONMENT\r\n  System Home\r\n  Date MJD 51981.5\r\nEND_ENVIRONMENT\r\n\r\n";
    if (!stations.isEmpty()) file += "BEGIN_STATIONS\r\n" + stations + "END_STATIONS\r\n\r\n";
    if (!ships.isEmpty()) file += "BEGIN_SHIPS\r\n" + ships + "END_SHIPS\r\n";
    return file;
}

class StationWindow : public EditorWindow {
  public:
    StationWindow() : EditorWindow(TestDataPath("stations/sim")) {}

    // Three stations (Orion, Selene, Ares) and ships docked at them, landed and orbiting.
    void LoadStandard() { Open("Standard.scn"); }

    template <class T> T* Control(const char* name) const { return Get<T>(name); }
    QComboBox* List(const char* name) const { return Control<QComboBox>(name); }
    QLineEdit* Box(const char* name) const { return Control<QLineEdit>(name); }
    QString Text(const char* name) const { return LabelText(tyx(), name); }
    QStringList DockTree() const { return TreeItemLines(Control<QTreeWidget>(ObjectNames::ShipDockedTree)); }
    QStringList LandingTree() const {
        return TreeItemLines(Control<QTreeWidget>(ObjectNames::ShipLandingTree));
    }
    void Press(const char* name) const { ClickNamed(tyx(), name); }
};
