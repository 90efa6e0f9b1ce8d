// The angle rule and the box text that the station and ship validations share.
#include "core/editing/validation_report.h"

#include <QTest>

class ValidationReportTest : public QObject {
    Q_OBJECT
  private slots:
    void angle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("angle");
        // The limit is 360 exclusive, on both sides.
        QTest::newRow("just below a turn") << "359.99" << true;
        QTest::newRow("just above minus a turn") << "-359.99" << true;
        QTest::newRow("a whole turn") << "360" << false;
        QTest::newRow("minus a whole turn") << "-360" << false;
        QTest::newRow("blanks around") << "  90  " << true;
        QTest::newRow("exponent form is no plain number") << "3e2" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("word") << "north" << false;
    }
    void angle() {
        QFETCH(QString, text);
        QFETCH(bool, angle);
        QCOMPARE(IsAngle(text), angle);
    }

    void boxText_data() {
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("lastEndsGroup");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing failed") << QStringList{} << false << "";
        QTest::newRow("nothing failed, group closer asked") << QStringList{} << true << "";
        QTest::newRow("each ended by a carriage return") << QStringList{"A.", "B."} << false << "A.\rB.\r";
        QTest::newRow("a closing check ends the text bare") << QStringList{"A.", "B."} << true << "A.\rB.";
        QTest::newRow("the closing check alone") << QStringList{"A."} << true << "A.";
    }
    void boxText() {
        QFETCH(QStringList, messages);
        QFETCH(bool, lastEndsGroup);
        QFETCH(QString, text);
        QCOMPARE(ValidationBoxText(messages, lastEndsGroup), text);
    }
};

QTEST_GUILESS_MAIN(ValidationReportTest)
#include "test_validation_report.moc"
