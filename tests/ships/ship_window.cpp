#include "ship_window.h"

namespace {
// Lines as a scenario file holds them, each ended by CR LF.
QString Lines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
} // namespace

ShipWindow::ShipWindow(const QString& installation, const QString& scenarioDir)
    : EditorWindow(QString(), [&](SimulatorFixture& folders) {
          if (installation.isEmpty()) {
              folders.CopyTree(TestDataPath("ships/Config"), folders.ConfigFolder());
          } else {
              folders.CopyTree(installation + "/Config", folders.ConfigFolder());
              folders.CopyTree(installation + "/Scenarios", folders.ScenarioFolder());
          }
          if (!scenarioDir.isEmpty())
              folders.Write("sim/skelvan.cfg",
                            "ConfigDir = .\\Config\\\r\nScenarioDir = " + scenarioDir.toLatin1() + "\r\n");
      }) {}

OpenedToday::OpenedToday(const QString& folder, const QString& name)
    : sw(TestDataPath("today"), ".\\Scenarios\\" + folder + "\\"), folder(folder), name(name) {
    sw.Open(name + ".scn");
    sw.ShowTab(Tab::Ships);
    sw.SaveAs(name + " loaded.scn");
    loaded = sw.folders().ScenarioBytes(folder + '/' + name + " loaded.scn");
}

std::vector<ScenarioDifference> OpenedToday::Saved() {
    sw.SaveAs(name + " edited.scn");
    return CompareScenarioTexts(loaded, sw.folders().ScenarioBytes(folder + '/' + name + " edited.scn"))
        .differences;
}

void ShipWindow::OpenShips(const QStringList& ships, const QString& focus, const QStringList& stations) {
    QString text = Lines({"BEGIN_DESC", "Ship tab test", "END_DESC", "", "BEGIN_ENVIRONMENT", "  System Sol",
                          "  Date MJD 51981.5", "END_ENVIRONMENT", ""});
    if (!focus.isEmpty()) text += Lines({"BEGIN_FOCUS", "  Ship " + focus, "END_FOCUS", ""});
    if (!stations.isEmpty())
        text += Lines({"BEGIN_STATIONS"}) + stations.join(QString()) + Lines({"END_STATIONS", ""});
    if (!ships.isEmpty()) text += Lines({"BEGIN_SHIPS"}) + ships.join(QString()) + Lines({"END_SHIPS"});
    Load(text.toLatin1());
    ShowTab(Tab::Ships);
}

// The blocks of a scenario file.

QString LandedShip(const QString& name, const QString& cls, const QString& planet, const QString& base,
                   const QString& pad, const QString& heading, const QString& fuel) {
    return Lines({name + ":" + cls, "  STATUS Landed " + planet, "  BASE " + base + ":" + pad,
                  "  HEADING " + heading, "  FUEL " + fuel, "END"});
}

QString DockedShip(const QString& name, const QString& cls, const QString& planet, const QString& station,
                   const QString& port, const QString& fuel) {
    return Lines({name + ":" + cls, "  STATUS Docked " + planet + ":" + station + ":" + port,
                  "  FUEL " + fuel, "END"});
}

QString OrbitingShip(const QString& name, const QString& cls, const QString& planet, const QString& fuel,
                     const QString& mainEngine, const QString& hoverEngine) {
    return Lines({name + ":" + cls, "  STATUS Orbiting " + planet, "  RPOS 7000000 0 0", "  RVEL 0 7546.05 0",
                  "  AROT 0 0 0", "  VROT 0", "  FUEL " + fuel, "  ENGINE_MAIN " + mainEngine,
                  "  ENGINE_HOVR " + hoverEngine, "END"});
}

QString WithLines(const QString& block, const QStringList& lines) {
    const QString end = Lines({"END"});
    return block.left(block.size() - end.size()) + Lines(lines) + end;
}

QString Station(const QString& name, const QString& cls, const QString& planet) {
    return Lines({name + ":" + cls, "  REF " + planet, "  EL_MJD 51981.5", "  ELEMENTS 6778137 0 51.6 0 0 0",
                  "  AROT 0 0 0", "END"});
}
