// The pool of short values the reader shares: every value handed out is the text asked for,
// and a value that recurs among others keeps one copy.
#include "core/text/value_pool.h"

#include <QTest>

class ValuePoolTest : public QObject {
    Q_OBJECT
  private slots:
    // Values of every length around the longest one pooled, asked for again and again among
    // many others that come and go.
    void valuesComeBackAsAsked_data() {
        QTest::addColumn<qsizetype>("textSize");
        QTest::newRow("small file, fewest slots") << qsizetype(100);
        QTest::newRow("large file, most slots") << qsizetype(10000000);
    }
    void valuesComeBackAsAsked() {
        QFETCH(qsizetype, textSize);
        ValuePool pool(textSize);
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < 5000; ++i) {
                const QString value = QString::number(i * 7919 % 100003).repeated(1 + i % 4).left(1 + i % 20);
                QCOMPARE(pool.Take(value), value);
                QCOMPARE(pool.Take(u"Earth"), QStringLiteral("Earth"));
            }
        }
        QVERIFY(pool.Take(QStringView()).isNull());
        QVERIFY(pool.Take(u"").isNull());
    }

    void recurringValueKeepsOneCopy() {
        ValuePool pool(1000);
        const QString first = pool.Take(u"Orbiting");
        const QString again = pool.Take(u"Orbiting");
        QVERIFY(again.isSharedWith(first));
        // One other value, wherever it lands, does not push it out: each hash has two slots.
        const QString other = pool.Take(u"Landed");
        QVERIFY(pool.Take(u"Orbiting").isSharedWith(first));
        QVERIFY(pool.Take(u"Landed").isSharedWith(other));
    }

    void longValuesAreNotPooled() {
        ValuePool pool(1000);
        const QString value = QStringLiteral("6778137.123456789");
        const QString first = pool.Take(value);
        QCOMPARE(first, value);
        QVERIFY(!pool.Take(value).isSharedWith(first));
    }
};

QTEST_GUILESS_MAIN(ValuePoolTest)
#include "test_value_pool.moc"
