#pragma once
// A main window over a small simulator installation, with the station tab loaded the way the
// scenario reader leaves it, and every message box answered from a script.
#include "app/tyx.h"
#include "simulator_fixture.h"
#include "widgets/common/location_trees_view.h"
#include "widgets/common/message_box.h"
#include "widgets/common/selection.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <memory>

struct ShownBox {
    QString text;
    QString title;
    MsgButtons buttons;
    MsgIcon icon;
};

// Answers boxes in order from `answers`; a box beyond them counts as unexpected.
struct MessageScript {
    QList<ShownBox> shown;
    QList<MsgResult> answers;
    int unexpected = 0;
    MessageScript() {
        SetMessageResponder(
            [this](const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
                shown << ShownBox{text, title, buttons, icon};
                if (answers.isEmpty()) {
                    ++unexpected;
                    return MsgResult::Cancel;
                }
                return answers.takeFirst();
            });
    }
    ~MessageScript() { SetMessageResponder({}); }
    void Reset() {
        shown.clear();
        answers.clear();
        unexpected = 0;
    }
};

inline StationRow Station(const QString& name, const QString& className, const QString& ref,
                          bool classRotation, const QString& frequency) {
    StationRow row;
    row.Name = name;
    row.ClassName = className;
    row.Ref = ref;
    row.ClassRotation = classRotation;
    row.ZrotFrequency = frequency;
    row.SemiMajorAxis = "7000000";
    row.Excentricity = "0.05";
    row.Inclination = "51.6";
    row.AscendingNodeLongitude = "10";
    row.PeriapsisLongitude = "20";
    row.MeanLongitude = "30";
    row.ArotX = "1";
    row.ArotY = "2";
    row.ArotZ = "3";
    row.EpochDate = 37000;
    row.EpochHour = "13";
    row.EpochMinute = "5";
    return row;
}

inline ShipRow Ship(const QString& name, const QString& status, const QString& statusRef,
                    const QString& station, const QString& port, const QString& base = QString(),
                    const QString& pad = QString()) {
    ShipRow row;
    row.Name = name;
    row.Status = status;
    row.StatusRef = statusRef;
    row.DockedStation = station;
    row.DockedPort = port;
    row.Base = base;
    row.Pad = pad;
    return row;
}

class StationWindow {
  public:
    SimulatorFixture sim;
    MessageScript messages;
    std::unique_ptr<TYX> tyx;

    StationWindow() {
        sim.CopyTree(QStringLiteral(SKELVAN_TEST_DATA "/stations/config"), sim.ConfigFolder());
        tyx = std::make_unique<TYX>();
        SetItems(tyx->StationRef, {"Earth", "   Moon", "Mars"});
        SetItems(tyx->StationClass, {"Ring", "Plain", "Wheel"});
        tyx->Buffer = QStringList{"Ring.cfg", "Plain.cfg", "Wheel.cfg", "Missing.cfg"};
        tyx->StationDockScan();
        messages.Reset();
    }

    static void SetItems(QComboBox* box, const QStringList& items) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(items);
    }

    // Fills the document and the lists as reading a scenario does, and builds both trees.
    void Load(const std::vector<StationRow>& stations, const std::vector<ShipRow>& ships) {
        tyx->StationTabReset();
        const int n = static_cast<int>(stations.size());
        tyx->Document.StationTableRedim(n);
        for (int s = 0; s < n; ++s) {
            tyx->Document.StationTable[s] = stations[s];
            const QSignalBlocker block(tyx->StationName);
            tyx->StationName->addItem(stations[s].Name);
        }
        if (n > 0) Select(tyx->StationName, 0);
        const int m = static_cast<int>(ships.size());
        tyx->Document.ShipTableRedim(m);
        {
            const QSignalBlocker block(tyx->ShipName);
            tyx->ShipName->clear();
            for (int j = 0; j < m; ++j) {
                tyx->Document.ShipTable[j] = ships[j];
                tyx->ShipName->addItem(ships[j].Name);
            }
        }
        tyx->BaseUpDate();
        tyx->StationTreeUpdate();
        tyx->StationDockTreeUpdate();
        tyx->BasePadTreeUpdate();
    }

    // The standard scenario: three stations and ships docked, landed and orbiting.
    void LoadStandard() {
        Load(
            {Station("Orion", "Wheel", "Earth", true, "0.05"),
             Station("Selene", "Ring", "   Moon", false, "0.1"), Station("Ares", "Plain", "Mars", false, "")},
            {Ship("Dart", "Docked", "Earth", "Orion", "2"), Ship("Kite", "DOCKED", "   Moon", "Selene", "1"),
             Ship("Moth", "docked", "   Moon", "selene", "2"), Ship("Gnat", "Docked", "Earth", "Orion", "02"),
             Ship("Hawk", "Landed", "Earth", "", "", "Alpha Base", "3"),
             Ship("Wasp", "Orbiting", "Mars", "Ares", "")});
    }
};

// The items of a tree, parents before children, as "[text] image", a "+" for an open item.
inline QStringList TreeItemLines(const QTreeWidget* tree) {
    QStringList lines;
    std::function<void(QTreeWidgetItem*, int)> visit = [&](QTreeWidgetItem* item, int depth) {
        lines << QString(depth * 2, u' ') + "[" + item->text(0) + "] " +
                     QString::number(item->data(0, Qt::UserRole).toInt()) + (item->isExpanded() ? " +" : "");
        for (int c = 0; c < item->childCount(); ++c)
            visit(item->child(c), depth + 1);
    };
    for (int r = 0; r < tree->topLevelItemCount(); ++r)
        visit(tree->topLevelItem(r), 0);
    return lines;
}
