// The comparison of two scenario texts as the simulator reads them: what it reports and what
// it lets pass.
#include "core/scenario/scenario_comparison.h"
#include "scenario_columns.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<ScenarioDifference>)

namespace {
using Differences = std::vector<ScenarioDifference>;

QByteArray Ships(std::initializer_list<const char*> block) {
    QByteArray out = "BEGIN_SHIPS\r\n";
    for (const char* line : block)
        out += QByteArray(line) + "\r\n";
    return out + "END_SHIPS\r\n";
}
} // namespace

class ScenarioComparisonTest : public QObject {
    Q_OBJECT
  private slots:
    void differences_data() {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<Differences>("expected");
        const QByteArray env =
            Crlf({"BEGIN_ENVIRONMENT", "  System Sol", "  Date MJD 51981.5", "END_ENVIRONMENT"});
        const QByteArray focus = Crlf({"BEGIN_FOCUS", "  Ship Kite", "END_FOCUS"});
        QTest::newRow("same text") << env + focus << env + focus << Differences{};
        QTest::newRow("sections in another order") << env + focus << focus + env << Differences{};
        QTest::newRow("line ends, blank lines and comments")
            << env
            << QByteArray(
                   "\nBEGIN_ENVIRONMENT ; here\n\n  System Sol\r  Date MJD 51981.5 ; noon\nEND_ENVIRONMENT\n")
            << Differences{};
        QTest::newRow("a number written another way")
            << Ships({"A:B", "  VROT 0.5", "  FUEL 1.000", "END"})
            << Ships({"A:B", "  VROT  .5", "  FUEL 1", "END"}) << Differences{};
        QTest::newRow("tank pairs by index and value")
            << Ships({"A:B", "  PRPLEVEL 0:1.000000 1:0.250000", "END"})
            << Ships({"A:B", "  PRPLEVEL 0:1 1:.25", "END"}) << Differences{};
        QTest::newRow("a tank of another index")
            << Ships({"A:B", "  PRPLEVEL 0:1.000000", "END"})
            << Ships({"A:B", "  PRPLEVEL 1:1.000000", "END"})
            << Differences{{"SHIP A", "  PRPLEVEL 0:1.000000", "  PRPLEVEL 1:1.000000"}};
        QTest::newRow("a text that looks like a number is text")
            << Crlf({"BEGIN_CAMERA", "  FOV 20#", "END_CAMERA"})
            << Crlf({"BEGIN_CAMERA", "  FOV 20", "END_CAMERA"})
            << Differences{{"BEGIN_CAMERA", "  FOV 20#", "  FOV 20"}};
        QTest::newRow("class-less header named by its class")
            << Ships({"Mir", "  FUEL 1", "END"}) << Ships({"Mir:Mir", "  FUEL 1", "END"}) << Differences{};
        QTest::newRow("another class") << Ships({"Mir:Heron", "END"}) << Ships({"Mir:Petrel", "END"})
                                       << Differences{{"SHIP Mir", "Mir:Heron", "Mir:Petrel"}};
        QTest::newRow("base without pad written with its colon")
            << Ships({"A:B", "  BASE Canaveral", "END"}) << Ships({"A:B", "  BASE Canaveral:", "END"})
            << Differences{};
        QTest::newRow("a line dropped")
            << Ships({"A:B", "  AROT 1 2 3", "  XPDR 0", "END"}) << Ships({"A:B", "  XPDR 0", "END"})
            << Differences{{"SHIP A", "  AROT 1 2 3", ""}};
        QTest::newRow("a line added")
            << Ships({"A:B", "  XPDR 0", "END"}) << Ships({"A:B", "  XPDR 0", "  FUEL 0", "END"})
            << Differences{{"SHIP A", "", "  FUEL 0"}};
        QTest::newRow("a value changed")
            << Ships({"A:B", "  VROT 0 0 1", "END"}) << Ships({"A:B", "  VROT  0", "END"})
            << Differences{{"SHIP A", "  VROT 0 0 1", "  VROT  0"}};
        QTest::newRow("ships told apart by name, whatever their order")
            << Ships({"A:B", "  FUEL 1", "END", "C:D", "  FUEL 0.5", "END"})
            << Ships({"C:D", "  FUEL .5", "END", "A:B", "  FUEL 1", "END"}) << Differences{};
        QTest::newRow("a section dropped")
            << env + Crlf({"BEGIN_VC", "  SEAT 0", "END_VC"}) << env
            << Differences{
                   {"BEGIN_VC", "BEGIN_VC", ""}, {"BEGIN_VC", "  SEAT 0", ""}, {"BEGIN_VC", "END_VC", ""}};
        QTest::newRow("a section without its own END ends before the next BEGIN_")
            << Crlf({"BEGIN_ADDON", "  A 1", "", "BEGIN_FOCUS", "  Ship Kite", "END_FOCUS"})
            << Crlf({"BEGIN_FOCUS", "  Ship Kite", "END_FOCUS", "BEGIN_ADDON", "  A 1"}) << Differences{};
        QTest::newRow("a section ended by a bare END")
            << Crlf({"BEGIN_ExtMFD", "  WIDTH 300", "END", "Stray"})
            << Crlf({"Stray", "BEGIN_ExtMFD", "  WIDTH 300", "END"}) << Differences{};
        QTest::newRow("an empty description added")
            << env << QByteArray("BEGIN_DESC\r\n\r\nEND_DESC\r\n") + env << Differences{};
        QTest::newRow("a description added that says something")
            << env << QByteArray("BEGIN_DESC\r\nHello\r\nEND_DESC\r\n") + env
            << Differences{{"DESC", "", "Hello"}};
        QTest::newRow("description lines are text, semicolons included")
            << Crlf({"BEGIN_DESC", "One; two", "END_DESC"}) << Crlf({"BEGIN_DESC", "One", "END_DESC"})
            << Differences{{"DESC", "One; two", "One"}};
        const QByteArray station = Crlf({"BEGIN_STATIONS", "Ring:Carousel ; second", "  REF Mars",
                                         "  EL_MJD 52531.5211", "  ELEMENTS 3900000 0.001 10 20 30 40",
                                         "  ZROT_FREQ 0.0016", "  AROT 1 2 3", "END", "END_STATIONS"});
        QTest::newRow("a station in its fixed form")
            << station
            << Crlf({"BEGIN_STATIONS", "Ring:Carousel", "  REF Mars", "  EL_MJD 52531.5208333333",
                     "  ELEMENTS 3900000 0.001 10 20 30 40", "  ZROT_FREQUENCY 0.0016", "END",
                     "END_STATIONS"})
            << Differences{};
        QTest::newRow("a station epoch moved by more than a minute")
            << station
            << Crlf({"BEGIN_STATIONS", "Ring:Carousel", "  REF Mars", "  EL_MJD 52531.52",
                     "  ELEMENTS 3900000 0.001 10 20 30 40", "  ZROT_FREQUENCY 0.0016", "END",
                     "END_STATIONS"})
            << Differences{{"STATION Ring", "  EL_MJD 52531.5211", "  EL_MJD 52531.52"}};
        QTest::newRow("stray lines by their text")
            << Crlf({"Keep me", "BEGIN_FOCUS", "END_FOCUS"}) << Crlf({"BEGIN_FOCUS", "END_FOCUS", "Keep you"})
            << Differences{{"OUTSIDE Keep me #1", "Keep me", ""}, {"OUTSIDE Keep you #1", "", "Keep you"}};
    }
    void differences() {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, saved);
        QFETCH(Differences, expected);
        const ScenarioComparison c = CompareScenarioTexts(original, saved);
        QVERIFY2(c.differences == expected, qPrintable(DifferencesText(c)));
    }

    // Every line with something on it counts once, the markers of its section included.
    void countsTheLinesCompared() {
        const QByteArray text =
            Crlf({"BEGIN_DESC", "Text", "END_DESC", "", "BEGIN_ENVIRONMENT", "  System Sol", "; a comment",
                  "END_ENVIRONMENT", "BEGIN_SHIPS", "A:B", "  FUEL 1", "END", "END_SHIPS", "Stray"});
        const ScenarioComparison c = CompareScenarioTexts(text, text);
        QVERIFY(c.Same());
        // Text; BEGIN_ENVIRONMENT, System, END_ENVIRONMENT; A:B, FUEL, END; Stray.
        QCOMPARE(c.linesCompared, 8);
    }
};
QTEST_GUILESS_MAIN(ScenarioComparisonTest)
#include "test_scenario_comparison.moc"
