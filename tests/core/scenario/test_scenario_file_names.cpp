#include "core/scenario/description_text.h"
#include "core/scenario/scenario_file_names.h"

#include <QTest>

class ScenarioFileNamesTest : public QObject {
    Q_OBJECT
  private slots:
    void completedName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default text") << "NewScenario"
                                      << "NewScenario.scn";
        QTest::newRow("surrounding blanks") << "  Trip  "
                                            << "Trip.scn";
        QTest::newRow("already completed") << "Trip.scn"
                                           << "Trip.scn";
        QTest::newRow("extension in capitals") << "Trip.SCN"
                                               << "Trip.SCN";
        QTest::newRow("extension mixed case") << "Trip.Scn"
                                              << "Trip.Scn";
        QTest::newRow("other extension") << "Trip.txt"
                                         << "Trip.txt.scn";
        QTest::newRow("extension without dot") << "Tripscn"
                                               << "Tripscn.scn";
        QTest::newRow("tab is not a blank") << "\tTrip"
                                            << "\tTrip.scn";
        QTest::newRow("blank inside kept") << "Long trip"
                                           << "Long trip.scn";
        QTest::newRow("blanks only") << "   "
                                     << ".scn";
    }
    void completedName() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(CompletedScenarioName(typed), expected);
    }

    void protectedNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isProtected");
        QTest::newRow("current state") << "(Current state).scn" << true;
        QTest::newRow("quicksave state") << "(Quicksave state).scn" << true;
        QTest::newRow("current state, other case") << "(current state).scn" << false;
        QTest::newRow("quicksave, extension in capitals") << "(Quicksave state).SCN" << false;
        QTest::newRow("ordinary file") << "Mission.scn" << false;
        QTest::newRow("without parentheses") << "Current state.scn" << false;
    }
    void protectedNames() {
        QFETCH(QString, name);
        QFETCH(bool, isProtected);
        QCOMPARE(IsProtectedScenarioName(name), isProtected);
    }

    void descriptionFromEditor_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one line") << "A flight, with a comma"
                                  << "A flight, with a comma";
        QTest::newRow("paragraphs") << QString("First") + QChar::ParagraphSeparator +
                                           "  Second ; not a comment"
                                    << "First\r\n  Second ; not a comment";
        QTest::newRow("line separator") << QString("a") + QChar::LineSeparator + "b"
                                        << "a\r\nb";
        QTest::newRow("line feeds") << "a\nb\n"
                                    << "a\r\nb\r\n";
        QTest::newRow("already CR LF") << "a\r\nb"
                                       << "a\r\nb";
        QTest::newRow("non-breaking space stays")
            << QString("a") + QChar(0x00A0) + "b" << QString("a") + QChar(0x00A0) + "b";
        QTest::newRow("empty line kept")
            << QString("a") + QChar::ParagraphSeparator + QChar::ParagraphSeparator + "b"
            << "a\r\n\r\nb";
        QTest::newRow("empty") << ""
                               << "";
    }
    void descriptionFromEditor() {
        QFETCH(QString, raw);
        QFETCH(QString, expected);
        QCOMPARE(DescriptionFromEditor(raw), expected);
    }

    void descriptionForDisplay() {
        QCOMPARE(DescriptionForDisplay("First\r\n  Second, third\r\n"), QString("First\n  Second, third\n"));
        const QString text = "A\r\n\r\n;B";
        QCOMPARE(DescriptionFromEditor(DescriptionForDisplay(text)), text);
    }
};

QTEST_GUILESS_MAIN(ScenarioFileNamesTest)
#include "test_scenario_file_names.moc"
