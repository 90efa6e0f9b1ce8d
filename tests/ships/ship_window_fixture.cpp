#include "ship_window_fixture.h"

#include "widgets/common/selection.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

MessageScript::MessageScript() {
    SetMessageResponder([this](const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
        ++shown_;
        if (expected_.empty()) {
            QTest::qFail(qPrintable("unexpected message box: " + title + " / " + text), __FILE__, __LINE__);
            return MsgResult::Cancel;
        }
        const ExpectedBox box = expected_.front();
        expected_.pop_front();
        if (box.text != text || box.title != title || box.buttons != buttons || box.icon != icon) {
            QTest::qFail(qPrintable("message box differs: got [" + title + "] [" + text + "], expected [" +
                                    box.title + "] [" + box.text + "]"),
                         __FILE__, __LINE__);
        }
        return box.answer;
    });
}

MessageScript::~MessageScript() {
    SetMessageResponder({});
}

ShipWindow::ShipWindow() {
    folders_.CopyTree(QStringLiteral(SKELVAN_TEST_DATA) + "/ships/Config", folders_.ConfigFolder());
    tyx_ = std::make_unique<TYX>();
}

ShipWindow::~ShipWindow() {
    tyx_.reset();
}

void ShipWindow::LoadShips(const std::vector<ShipRow>& rows, const QString& focus) {
    TYX& w = *tyx_;
    w.Document.ShipTableRedim(static_cast<int>(rows.size()));
    for (std::size_t k = 0; k < rows.size(); ++k)
        w.Document.ShipTable[k] = rows[k];
    w.ShipName->clear();
    w.PossibleShipFocus->clear();
    for (const ShipRow& row : rows) {
        w.ShipName->addItem(row.Name);
        w.PossibleShipFocus->addItem(row.Name + ":" + row.ClassName);
    }
    w.ShipFocus->setText(focus);
    if (!rows.empty()) Select(w.ShipName, 0);
}

namespace {
ShipRow Blank(const QString& name, const QString& cls, const QString& fuel) {
    ScenarioDocument d;
    d.ShipTableRedim(0);
    d.ShipTableBlanking(0);
    ShipRow row = d.ShipTable[0];
    row.Name = name;
    row.ClassName = cls;
    row.Fuel = fuel;
    return row;
}
} // namespace

ShipRow LandedShip(const QString& name, const QString& cls, const QString& planet, const QString& base,
                   const QString& pad, const QString& heading, const QString& fuel) {
    ShipRow row = Blank(name, cls, fuel);
    row.Status = "Landed";
    row.StatusRef = planet;
    row.Base = base;
    row.Pad = pad;
    row.Heading = heading;
    return row;
}

ShipRow DockedShip(const QString& name, const QString& cls, const QString& planet, const QString& station,
                   const QString& port, const QString& fuel) {
    ShipRow row = Blank(name, cls, fuel);
    row.Status = "Docked";
    row.StatusRef = planet;
    row.DockedStation = station;
    row.DockedPort = port;
    return row;
}

ShipRow OrbitingShip(const QString& name, const QString& cls, const QString& planet, const QString& fuel,
                     const QString& mainEngine, const QString& hoverEngine) {
    ShipRow row = Blank(name, cls, fuel);
    row.Status = "Orbiting";
    row.StatusRef = planet;
    row.RposX = "7000000";
    row.RvelY = "7546.05";
    row.MainEngine = mainEngine;
    row.HoverEngine = hoverEngine;
    return row;
}
