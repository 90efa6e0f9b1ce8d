// Names as the check compares them: two keys are equal exactly when the names' upper-cased,
// trimmed forms are, whether the key is kept inside the value or on the heap.
#include "core/check/check_context.h"
#include "core/check/name_key.h"

#include <QSet>
#include <QTest>

class NameKeyTest : public QObject {
    Q_OBJECT
  private slots:
    void sameAsTheUpperCasedForm_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("letter case") << "Hub One"
                                     << "HUB one";
        QTest::newRow("blanks at the ends") << "  Hub "
                                            << "hub";
        QTest::newRow("blank inside counts") << "Hub One"
                                             << "HubOne";
        QTest::newRow("digits and signs") << "Pad-7_b"
                                          << "PAD-7_B";
        QTest::newRow("other names") << "Alpha"
                                     << "Alpah";
        QTest::newRow("prefix") << "Alpha"
                                << "Alpha 2";
        QTest::newRow("empty and blank") << ""
                                         << "   ";
        QTest::newRow("umlaut") << QString::fromUtf8("Ärger") << QString::fromUtf8("äRGER");
        QTest::newRow("umlaut against plain") << QString::fromUtf8("Ärger") << "Arger";
        QTest::newRow("sharp s grows") << QString::fromUtf8("Straße") << "STRASSE";
        QTest::newRow("ligature becomes ASCII") << QString::fromUtf8("\xef\xac\x80") << "ff";
        QTest::newRow("at the inline limit") << QString(24, u'x') << QString(24, u'X');
        QTest::newRow("just beyond it") << QString(25, u'x') << QString(25, u'X');
        QTest::newRow("long names that differ at the end")
            << QString(30, u'x') + "a" << QString(30, u'x') + "b";
        QTest::newRow("non-ASCII that grows beyond the limit")
            << QString(23, u'a') + QString::fromUtf8("ß") << QString(23, u'A') + "SS";
    }
    void sameAsTheUpperCasedForm() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        const bool same = CheckKey(a) == CheckKey(b);
        QCOMPARE(NameKey(a) == NameKey(b), same);
        QCOMPARE(NameKey(b) == NameKey(a), same);
        if (same) QCOMPARE(qHash(NameKey(a)), qHash(NameKey(b)));
        // As a set finds them.
        const QSet<NameKey> set{NameKey(a)};
        QCOMPARE(set.contains(NameKey(b)), same);
    }
};
QTEST_GUILESS_MAIN(NameKeyTest)
#include "test_name_key.moc"
