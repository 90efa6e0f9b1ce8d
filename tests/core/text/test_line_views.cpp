// The reader's text rules on views, which the rules on whole texts are made of: each gives what
// plain Qt gives, at every place a character can stand within and across the blocks of
// characters looked at at once.
#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <QTest>

namespace {
// The lines of a text, the line ends made one kind and a final one starting no line.
QStringList LinesBySplit(QString text) {
    QStringList lines = text.replace("\r\n", "\n").replace(u'\r', u'\n').split(u'\n');
    if (lines.back().isEmpty()) lines.removeLast();
    return lines;
}
} // namespace

class LineViewsTest : public QObject {
    Q_OBJECT
  private slots:
    // One character sought among others, at every place of texts up to 40 characters long.
    void indexOfCharAtEveryPlace_data() {
        QTest::addColumn<QChar>("sought");
        QTest::addColumn<QChar>("filler");
        QTest::newRow("semicolon among letters") << QChar(u';') << QChar(u'x');
        QTest::newRow("colon among blanks") << QChar(u':') << QChar(u' ');
        QTest::newRow("blank among characters outside Latin-1") << QChar(u' ') << QChar(0x20AC);
        QTest::newRow("character whose low byte is the sought one's") << QChar(u',') << QChar(0x012C);
    }
    void indexOfCharAtEveryPlace() {
        QFETCH(QChar, sought);
        QFETCH(QChar, filler);
        for (int length = 0; length <= 40; ++length) {
            const QString none(length, filler);
            QCOMPARE(IndexOfChar(none, sought), -1);
            QVERIFY(!HoldsChar(none, sought));
            for (int at = 0; at < length; ++at) {
                QString text = none;
                text[at] = sought;
                text += sought; // a second one after the first is never the answer
                QCOMPARE(IndexOfChar(text, sought), qsizetype(at));
                QVERIFY(HoldsChar(text, sought));
                for (int from = 0; from <= text.size(); ++from)
                    QCOMPARE(IndexOfChar(text, sought, from), text.indexOf(sought, from));
            }
        }
    }

    // Line ends of each kind, and characters below a blank that end no line, at every place.
    void linesAtEveryPlace_data() {
        QTest::addColumn<QString>("inserted");
        QTest::newRow("CR LF") << "\r\n";
        QTest::newRow("lone CR") << "\r";
        QTest::newRow("lone LF") << "\n";
        QTest::newRow("tab") << "\t";
        QTest::newRow("control character") << QString(QChar(0x01));
        QTest::newRow("CR LF then a tab") << "\r\n\t";
        QTest::newRow("two line ends") << "\n\r";
    }
    void linesAtEveryPlace() {
        QFETCH(QString, inserted);
        for (int length = 0; length <= 40; ++length) {
            for (int at = 0; at <= length; ++at) {
                QString text(length, u'a');
                for (int k = 0; k < length; ++k)
                    text[k] = QChar(u'a' + k % 26);
                text.insert(at, inserted);
                QCOMPARE(SplitLines(text), LinesBySplit(text));
            }
        }
    }

    // The quick answer from the first character never differs from the comparison through
    // UCase, which upper-cases characters outside ASCII (a sharp s to two letters).
    void upperComparisons_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("same") << "END"
                              << "END";
        QTest::newRow("lower case") << "end_ships"
                                    << "END_SHIPS";
        QTest::newRow("first letter differs") << "XND"
                                              << "END";
        QTest::newRow("second letter differs") << "EL_MJD 1"
                                               << "END";
        QTest::newRow("longer text") << "ENDS"
                                     << "END";
        QTest::newRow("empty text") << ""
                                    << "END";
        QTest::newRow("empty key") << "END"
                                   << "";
        QTest::newRow("sharp s first") << QString::fromUtf8("\u00DFTATUS") << "SSTATUS";
        QTest::newRow("sharp s in the keyword") << QString::fromUtf8("STATU\u00DF Landed") << "STATUS";
        QTest::newRow("accent first") << QString::fromUtf8("\u00E9nd") << "END";
        QTest::newRow("dotless i upper-cases to I") << QString::fromUtf8("\u0131d") << "ID";
    }
    void upperComparisons() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        const QByteArray latin = key.toLatin1();
        QCOMPARE(UpperEquals(text, QLatin1StringView(latin)), UCase(text) == key);
        QCOMPARE(UpperStartsWith(text, QLatin1StringView(latin)), UCase(text).startsWith(key));
        QCOMPARE(UpperStartsWith(text, QStringView(key)), UCase(text).startsWith(key));
    }
};

QTEST_GUILESS_MAIN(LineViewsTest)
#include "test_line_views.moc"
