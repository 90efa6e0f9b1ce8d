// What a save writes back as the file had it: the text outside the sections the editor writes,
// the camera, HUD and MFD sections, the environment's other lines, and ship blocks line by
// line. Exact bytes, then written again from what was written: the same bytes.
#include "core/scenario/scenario_reader.h"
#include "core/scenario/scenario_writer.h"
#include "scenario_columns.h"

#include <QTest>

namespace {
QByteArray Save(const QByteArray& bytes, const std::function<void(ScenarioDocument&)>& edit = {}) {
    ScenarioReadResult r = ReadScenario(bytes);
    r.document.Description = ScenarioDescription(bytes);
    if (edit) edit(r.document);
    return ScenarioFileBytes(r.document, int(r.stationNames.size()), int(r.shipNames.size()));
}

const char* const kEmptyDescription[] = {"BEGIN_DESC", "", "END_DESC", ""};

QByteArray WithDescription(std::initializer_list<const char*> rest) {
    QByteArray out;
    for (const char* line : kEmptyDescription)
        out += QByteArray(line) + "\r\n";
    return out + Crlf(rest);
}
} // namespace

class KeptTextTest : public QObject {
    Q_OBJECT
  private slots:
    void files_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("text before every section stays at the top")
            << Crlf({"BEGIN_VC", "  SEAT 0", "END_VC", "BEGIN_DESC", "Hello", "END_DESC", "BEGIN_CAMERA",
                     "  TARGET A", "END_CAMERA"})
            << Crlf({"BEGIN_VC", "  SEAT 0", "END_VC", "", "BEGIN_DESC", "Hello", "END_DESC", "",
                     "BEGIN_CAMERA", "  TARGET A", "END_CAMERA", "", ""});
        // The first BEGIN_DESC of a file is its description: a file without one gets its
        // section before the text kept, which may hold a BEGIN_DESC that was none.
        QTest::newRow("without a description: the section the save adds comes first")
            << Crlf({"BEGIN_VC", "  SEAT 0", "END_VC", "BEGIN_DESC", "never closed", "BEGIN_ENVIRONMENT",
                     "  System Sol", "END_ENVIRONMENT", "BEGIN_CAMERA", "  TARGET A", "END_CAMERA"})
            << WithDescription({"BEGIN_VC", "  SEAT 0", "END_VC", "BEGIN_DESC", "never closed", "",
                                "BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "", "BEGIN_CAMERA",
                                "  TARGET A", "END_CAMERA", "", ""});
        QTest::newRow("a section without its END ends before the next BEGIN_, its blank lines left out")
            << Crlf({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "BEGIN_ADDON", "  X 1", "",
                     "  Y 2", "", "", "BEGIN_HUD", "  TYPE Orbit", "END_HUD"})
            << WithDescription({"BEGIN_ENVIRONMENT", "  System Sol", "END_ENVIRONMENT", "", "BEGIN_ADDON",
                                "  X 1", "", "  Y 2", "", "BEGIN_HUD", "  TYPE Orbit", "END_HUD", "", ""});
        QTest::newRow("a bare END ends a section; stray lines are kept, comments are not")
            << Crlf({"BEGIN_HUD", "  TYPE Orbit", "END_HUD", "; a note", "BEGIN_ExtMFD", "  W 3", "END",
                     "Stray words", "", "BEGIN_Other", "  Z 1", "END_OTHER"})
            << WithDescription({"BEGIN_HUD", "  TYPE Orbit", "END_HUD", "", "BEGIN_ExtMFD", "  W 3", "END",
                                "Stray words", "BEGIN_Other", "  Z 1", "END_OTHER", "", ""});
        QTest::newRow("an empty station section stays, with the text after it")
            << Crlf({"BEGIN_CAMERA", "  TARGET A", "END_CAMERA", "BEGIN_STATIONS", "END_STATIONS",
                     "After the stations"})
            << WithDescription({"BEGIN_CAMERA", "  TARGET A", "END_CAMERA", "", "BEGIN_STATIONS",
                                "END_STATIONS", "", "After the stations", ""});
        QTest::newRow("after the ships")
            << Crlf({"BEGIN_MFD Left", "  TYPE Map", "END_MFD", "BEGIN_SHIPS", "A:B", "  XPDR 1", "END",
                     "END_SHIPS", "BEGIN_AFTER", "  Q 1"})
            << WithDescription({"BEGIN_MFD Left", "  TYPE Map", "END_MFD", "", "", "BEGIN_SHIPS", "A:B",
                                "  XPDR 1", "END", "END_SHIPS", "", "BEGIN_AFTER", "  Q 1", ""});
        QTest::newRow("the environment's other lines and the date in its own form")
            << Crlf({"BEGIN_ENVIRONMENT", "  Help Notes", "  SYSTEM  Sol", "  Date JE 2001.5 ; mid-year",
                     "  Script Run", "END_ENVIRONMENT", "BEGIN_FOCUS", "  Ship A", "  Mode 2", "END_FOCUS",
                     "BEGIN_CAMERA", "END_CAMERA"})
            << WithDescription({"BEGIN_ENVIRONMENT", "  Help Notes", "  SYSTEM  Sol",
                                "  Date JE 2001.5 ; mid-year", "  Script Run", "END_ENVIRONMENT", "",
                                "BEGIN_FOCUS", "  Ship A", "  Mode 2", "END_FOCUS", "", "BEGIN_CAMERA",
                                "END_CAMERA", "", ""});
        QTest::newRow("no camera, HUD or MFD: the editor's own")
            << Crlf({"BEGIN_FOCUS", "  Ship A", "END_FOCUS"})
            << WithDescription({"BEGIN_FOCUS",
                                "  Ship A",
                                "END_FOCUS",
                                "",
                                "BEGIN_CAMERA",
                                "  Target A",
                                "  MODE Extern",
                                "  POS 40 -115.88 -24.15",
                                "  TRACKMODE TargetRelative",
                                "  FOV 20#",
                                "END_CAMERA",
                                "",
                                "BEGIN_HUD",
                                "  Type Surface",
                                "END_HUD",
                                "",
                                "BEGIN_MFD Left",
                                "  Type Surface",
                                "END_MFD",
                                "",
                                "BEGIN_MFD Right",
                                "  Type Launch",
                                "END_MFD",
                                "",
                                ""});
        QTest::newRow("ship lines as read: comments, blank lines, a repeated header, the name's own lines")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_SHIPS", "N:B", "  STATUS Landed Earth ; here",
                     "  BASE Canaveral", "", "  N:B", "  NAVFREQ 4 84", "  VROT 0 0 1", "END", "END_SHIPS"})
            << WithDescription({"BEGIN_HUD", "END_HUD", "", "", "BEGIN_SHIPS", "N:B",
                                "  STATUS Landed Earth ; here", "  BASE Canaveral", "", "  N:B",
                                "  NAVFREQ 4 84", "  VROT 0 0 1", "END", "END_SHIPS"});
        // Files of today have no station section and one empty line before the ships.
        QTest::newRow("one empty line before the ships, no stations: as read")
            << Crlf(
                   {"BEGIN_MFD Right", "  Type Map", "END_MFD", "", "BEGIN_SHIPS", "A:B", "END", "END_SHIPS"})
            << WithDescription({"BEGIN_MFD Right", "  Type Map", "END_MFD", "", "BEGIN_SHIPS", "A:B", "END",
                                "END_SHIPS"});
        QTest::newRow("the old hover keyword becomes the simulator's")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_SHIPS", "A:B", "  STATUS Orbiting Earth",
                     "  HOVER_MAIN  .25", "END", "END_SHIPS"})
            << WithDescription({"BEGIN_HUD", "END_HUD", "", "", "BEGIN_SHIPS", "A:B",
                                "  STATUS Orbiting Earth", "  ENGINE_HOVR  .25", "END", "END_SHIPS"});
        QTest::newRow("beside the simulator's hover keyword the old one stays")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_SHIPS", "A:B", "  HOVER_MAIN 0.9", "  ENGINE_HOVR 0.4",
                     "END", "END_SHIPS"})
            << WithDescription({"BEGIN_HUD", "END_HUD", "", "", "BEGIN_SHIPS", "A:B", "  HOVER_MAIN 0.9",
                                "  ENGINE_HOVR 0.4", "END", "END_SHIPS"});
    }
    void files() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        const QByteArray written = Save(input);
        QCOMPARE(written, expected);
        QCOMPARE(Save(written), written);
    }

    // Another program's section holds what it holds until its own END_ line, section markers
    // of ours included: they are its text, never stations or ships.
    void foreignSections_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("ships");
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray realShips = Crlf({"BEGIN_SHIPS", "A:B", "END", "END_SHIPS"});
        const auto saved = [](std::initializer_list<const char*> kept) {
            QByteArray out = WithDescription({"BEGIN_HUD", "END_HUD", ""}) + Crlf(kept);
            return out + Crlf({"", "", "BEGIN_SHIPS", "A:B", "END"}) + "END_SHIPS\r\n";
        };
        QTest::newRow("ships marker inside a closed section")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_PANEL", "BEGIN_SHIPS", "X:Y", "END", "END_SHIPS",
                     "END_PANEL"}) +
                   realShips
            << 1 << Crlf({"BEGIN_PANEL", "BEGIN_SHIPS", "X:Y", "END", "END_SHIPS", "END_PANEL"})
            << saved({"BEGIN_PANEL", "BEGIN_SHIPS", "X:Y", "END", "END_SHIPS", "END_PANEL"});
        QTest::newRow("stations marker inside a closed section")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_PANEL", "BEGIN_STATIONS", "S:C", "END", "END_STATIONS",
                     "end_panel"}) +
                   realShips
            << 1 << Crlf({"BEGIN_PANEL", "BEGIN_STATIONS", "S:C", "END", "END_STATIONS", "end_panel"})
            << saved({"BEGIN_PANEL", "BEGIN_STATIONS", "S:C", "END", "END_STATIONS", "end_panel"});
        QTest::newRow("never closed: ends before the ships section")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_PANEL", "  P 1", ""}) + realShips << 1
            << Crlf({"BEGIN_PANEL", "  P 1"})
            << WithDescription({"BEGIN_HUD", "END_HUD", "", "BEGIN_PANEL", "  P 1", "", "BEGIN_SHIPS", "A:B",
                                "END", "END_SHIPS"});
        QTest::newRow("closed by a bare END")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_PANEL", "  P 1", "END"}) + realShips << 1
            << Crlf({"BEGIN_PANEL", "  P 1", "END"}) << saved({"BEGIN_PANEL", "  P 1", "END"});
        QTest::newRow("nested sections")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_PANEL", "BEGIN_GAUGE", "BEGIN_SHIPS", "X:Y", "END",
                     "END_SHIPS", "END_GAUGE", "END", "End_Panel"}) +
                   realShips
            << 1
            << Crlf({"BEGIN_PANEL", "BEGIN_GAUGE", "BEGIN_SHIPS", "X:Y", "END", "END_SHIPS", "END_GAUGE",
                     "END", "End_Panel"})
            << saved({"BEGIN_PANEL", "BEGIN_GAUGE", "BEGIN_SHIPS", "X:Y", "END", "END_SHIPS", "END_GAUGE",
                      "END", "End_Panel"});
        // The save puts the focus before the HUD, whose END_P line would otherwise close P.
        QTest::newRow("left open while its END line stands elsewhere: closed on saving")
            << Crlf({"BEGIN_HUD", "END_P", "END_HUD", "BEGIN_FOCUS", "  Ship A", "END_FOCUS", "BEGIN_P",
                     "  x"}) +
                   realShips
            << 1 << Crlf({"BEGIN_P", "  x", "END_P"})
            << WithDescription({"BEGIN_FOCUS", "  Ship A", "END_FOCUS", "", "BEGIN_P", "  x", "END_P", "",
                                "BEGIN_HUD", "END_P", "END_HUD", "", "", "BEGIN_SHIPS", "A:B", "END",
                                "END_SHIPS"});
        QTest::newRow("the description is no other section's text")
            << Crlf({"BEGIN_HUD", "END_HUD", "BEGIN_PANEL", "BEGIN_DESC", "d", "END_DESC", "END_PANEL"}) +
                   realShips
            << 1 << Crlf({"BEGIN_PANEL", "END_PANEL"})
            << Crlf({"BEGIN_DESC", "d", "END_DESC", "", "END_PANEL", "", "BEGIN_HUD", "END_HUD", "",
                     "BEGIN_PANEL", "END_PANEL", "", "", "BEGIN_SHIPS", "A:B", "END", "END_SHIPS"});
    }
    void foreignSections() {
        QFETCH(QByteArray, input);
        QFETCH(int, ships);
        QFETCH(QByteArray, kept);
        QFETCH(QByteArray, expected);
        const ScenarioReadResult r = ReadScenario(input);
        QCOMPARE(r.shipNames.size(), ships);
        QVERIFY(r.stationNames.isEmpty());
        const QByteArray written = Save(input);
        QVERIFY2(written.contains(kept), written.constData());
        QCOMPARE(written, expected);
        QCOMPARE(Save(written), written);
    }

    // Values changed in the document: only their lines follow.
    void changes_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("gone");
        const QByteArray file = Crlf({"BEGIN_ENVIRONMENT",
                                      "  System Sol",
                                      "  Date JE 2001.5",
                                      "END_ENVIRONMENT",
                                      "BEGIN_FOCUS",
                                      "  Ship A",
                                      "END_FOCUS",
                                      "BEGIN_CAMERA",
                                      "  TARGET A",
                                      "  BEGIN_PRESET",
                                      "    TARGET A",
                                      "  END_PRESET",
                                      "END_CAMERA",
                                      "BEGIN_MFD Left",
                                      "  TARGET A",
                                      "END_MFD",
                                      "BEGIN_SHIPS",
                                      "A:B",
                                      "  STATUS Docked Earth:Beacon:1",
                                      "  RPOS 1 2 3",
                                      "  DOCKINFO 0:1,C",
                                      "  FUEL 1",
                                      "END",
                                      "C:D",
                                      "  STATUS Landed Earth",
                                      "END",
                                      "END_SHIPS"});
        QTest::newRow("system") << file << "system Vega" << QByteArray("\n  System Vega\r")
                                << QByteArray("  System Sol");
        QTest::newRow("date back to the minute")
            << file << "date" << QByteArray("\n  Date MJD 52091.5\r") << QByteArray("  Date JE");
        QTest::newRow("focus: camera target follows, preset and MFD targets stay")
            << file << "focus C" << QByteArray("\r\n  TARGET C\r\n  BEGIN_PRESET\r\n    TARGET A\r\n")
            << QByteArray("\n  Ship A\r");
        QTest::newRow("MFD target stays")
            << file << "focus C" << QByteArray("BEGIN_MFD Left\r\n  TARGET A\r\n")
            << QByteArray("\n  TARGET A\r\n  BEGIN_PRESET");
        QTest::newRow("docked elsewhere: placement lines go")
            << file << "port 2" << QByteArray("\n  STATUS Docked Earth:Beacon:2\r\n  FUEL 1\r\nEND\r")
            << QByteArray("RPOS");
        QTest::newRow("status as read while the place stays")
            << file << "fuel .5"
            << QByteArray(
                   "\n  STATUS Docked Earth:Beacon:1\r\n  RPOS 1 2 3\r\n  DOCKINFO 0:1,C\r\n  FUEL .5\r")
            << QByteArray();
        QTest::newRow("a line the block lacked, for a value given")
            << file << "heading 90" << QByteArray("\nC:D\r\n  STATUS Landed Earth\r\n  HEADING 90\r\nEND\r")
            << QByteArray("BASE");
    }
    void changes() {
        QFETCH(QByteArray, input);
        QFETCH(QString, change);
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, gone);
        const QString value = change.section(u' ', 1);
        const QByteArray written = Save(input, [&](ScenarioDocument& d) {
            if (change.startsWith("system")) d.SystemName = value;
            if (change == "date") d.StartHour = 12, d.StartMinute = 0, d.StartDate = 37073; // 1 July 2001
            if (change.startsWith("focus")) d.FocusShip = value;
            if (change.startsWith("port")) d.ShipTable[0].DockedPort = value;
            if (change.startsWith("fuel")) d.ShipTable[0].Fuel = value;
            if (change.startsWith("heading")) d.ShipTable[1].Heading = value;
        });
        QVERIFY2(written.contains(line), written.constData());
        if (!gone.isEmpty()) QVERIFY2(!written.contains(gone), written.constData());
        QCOMPARE(Save(written), written);
    }
};
QTEST_GUILESS_MAIN(KeptTextTest)
#include "test_kept_text.moc"
