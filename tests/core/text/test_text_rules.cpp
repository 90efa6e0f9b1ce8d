#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <QTest>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

class TextRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void clearComments_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comment and blanks") << "  REF PlanetA ; home planet"
                                            << "REF PlanetA";
        QTest::newRow("no comment keeps blanks") << "  REF PlanetA"
                                                 << "  REF PlanetA";
        QTest::newRow("only a comment") << ";only a comment"
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("tab and CR after marker") << "END_SHIPS\t\r"
                                                 << "END_SHIPS";
        QTest::newRow("blank before tab stays") << "ABC \t"
                                                << "ABC ";
        QTest::newRow("leading tab stays") << "\tABC"
                                           << "\tABC";
        QTest::newRow("only control characters") << "\t\r\x01"
                                                 << "";
        QTest::newRow("tab before comment is not a blank") << "\tX ;c"
                                                           << "\tX";
        QTest::newRow("control character before the comment") << "FUEL 1\t;x"
                                                              << "FUEL 1";
        QTest::newRow("second semicolon") << "a;b;c"
                                          << "a";
        QTest::newRow("long line, late comment") << "  ELEMENTS 6778137 0.0010 51.6 12 34 56 78 ; orbit"
                                                 << "ELEMENTS 6778137 0.0010 51.6 12 34 56 78";
        QTest::newRow("characters outside Latin-1")
            << QString::fromUtf8("  Stra\u00DFe \u20AC ;x") << QString::fromUtf8("Stra\u00DFe \u20AC");
    }
    void clearComments() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(ClearComments(line), expected);
        QCOMPARE(ClearComments(ClearComments(line)), ClearComments(line));
        QCOMPARE(ClearCommentsView(line).toString(), expected);
    }

    void getNumberValue_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pad") << "Pad 12"
                             << " 12";
        QTest::newRow("dock") << "Dock 3"
                              << " 3";
        QTest::newRow("mixed") << "a1b2"
                               << " 12";
        QTest::newRow("minus dropped") << "-5"
                                       << " 5";
        QTest::newRow("point dropped") << "1.5"
                                       << " 15";
        QTest::newRow("leading zeros") << "007"
                                       << " 7";
        QTest::newRow("no digits") << "none"
                                   << " 0";
    }
    void getNumberValue() {
        QFETCH(QString, label);
        QFETCH(QString, expected);
        QCOMPARE(GetNumberValue(label), expected);
    }

    void isANumber_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("expected");
        // The orbit boxes also take the exponent form NumberText writes, and no other.
        QTest::addColumn<bool>("orExponent");
        for (const char* yes : {"12.5", "-3", " 7 ", "1.", ".", "-.", "0"})
            QTest::newRow(yes) << QString(yes) << true << true;
        for (const char* no : {"", "-", "1e5", "+1", "1,5", "--1", "1.2.3", "\t7", "7 8", "  "})
            QTest::newRow(no) << QString(no) << false << false;
        for (const char* exponent : {"1.5E-05", "-2E+15", " 6.971E+06 ", "3E-123"})
            QTest::newRow(exponent) << QString(exponent) << false << true;
        for (const char* no : {"6.7E6", "1E-", "E+05", "1.5E-0x", "1.5E+05 2", "1.5e-05"})
            QTest::newRow(no) << QString(no) << false << false;
    }
    void isANumber() {
        QFETCH(QString, value);
        QFETCH(bool, expected);
        QFETCH(bool, orExponent);
        const QString before = value;
        QCOMPARE(IsANumber(value), expected);
        QCOMPARE(IsANumberOrExponent(value), orExponent);
        QCOMPARE(value, before);
        // What the boxes take, the number rule reads whole.
        if (orExponent && !Trim(value).endsWith(u'.')) QCOMPARE(LeadingNumber(value), Trim(value).toDouble());
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("decimal") << "51981.5" << 51981.5;
        QTest::newRow("comment after") << "  12 ; x" << 12.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("exponent") << "2.5E3" << 2500.0;
        QTest::newRow("D exponent") << "1d2" << 100.0;
        QTest::newRow("half") << " .5" << 0.5;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("negative") << "-0.25" << -0.25;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("tab and LF ignored") << "\t4\n2" << 42.0;
        QTest::newRow("CR stops") << "4\r2" << 4.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("octal") << "&o17" << 15.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("lower exponent with sign") << "6.7e6" << 6700000.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(LeadingNumber(text), expected);
        // Read in place, within a longer text: the view ends where the text would.
        const QString within = QStringLiteral("#") + text + QStringLiteral("9");
        QCOMPARE(LeadingNumber(QStringView(within).mid(1, text.size())), expected);
    }

    void leadingNumberStaysFinite() {
        QVERIFY(std::isfinite(LeadingNumber("1e999")));
        QVERIFY(std::isfinite(LeadingNumber(QString(400, u'9'))));
        QVERIFY(LeadingNumber("-1e999") < 0);
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("origin") << 15018.0 << " 15018";
        QTest::newRow("mjd") << 52531.5208333333 << " 52531.5208333333";
        QTest::newRow("negative whole") << -3.0 << "-3";
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("negative quarter") << -0.25 << "-.25";
        QTest::newRow("tenth") << 0.1 << " .1";
        QTest::newRow("ten thousandth") << 0.0001 << " .0001";
        QTest::newRow("hundred thousandth") << 0.00001 << " 1E-05";
        QTest::newRow("1E15") << 1e15 << " 1E+15";
        QTest::newRow("just below 1E15") << 999999999999999.0 << " 999999999999999";
        QTest::newRow("rounded up to 1E15") << 999999999999999.9 << " 1E+15";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << " .333333333333333";
        QTest::newRow("fifty") << 50.0 << " 50";
        QTest::newRow("large mantissa") << -1.5e20 << "-1.5E+20";
        QTest::newRow("tiny") << 1.25e-300 << " 1.25E-300";
        QTest::newRow("negative zero") << -0.0 << " 0";
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberText(value), expected);
    }

    void numberTextReadsBack_data() {
        QTest::addColumn<double>("value");
        for (double v : {1.0, -2.5, 6778137.0, 0.0016, 51981.5, 1.23456789012345e-7, 9.87654321e22, -0.75})
            QTest::newRow(qPrintable(QString::number(v, 'g', 17))) << v;
    }
    void numberTextReadsBack() {
        QFETCH(double, value);
        const double back = LeadingNumber(NumberText(value));
        QVERIFY2(std::fabs(back - value) <= std::fabs(value) * 1e-14, qPrintable(NumberText(value)));
    }

    // The text holds the value rounded to 15 significant digits exactly, as a rounding by the C
    // library gives it, for values of every size, and for those whose digits after the 15th lie
    // at or near one half, where a shortcut through fewer digits could round the wrong way.
    void numberTextRoundsToFifteenDigits_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("kind");
        QTest::newRow("any bits") << quint64(1) << 0;
        QTest::newRow("ordinary sizes") << quint64(2) << 1;
        QTest::newRow("halves after the 15th digit") << quint64(3) << 2;
    }
    void numberTextRoundsToFifteenDigits() {
        QFETCH(quint64, seed);
        QFETCH(int, kind);
        quint64 state = seed;
        auto next = [&state] { // xorshift: the same values on every run
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            return state;
        };
        for (int i = 0; i < 100000; ++i) {
            double value = 0;
            if (kind == 0) {
                const quint64 bits = next();
                std::memcpy(&value, &bits, sizeof value);
                if (!std::isfinite(value) || value == 0) continue;
            } else if (kind == 1) {
                value = double(next() % 2000000000) / 1000.0 * std::pow(10.0, double(int(next() % 20) - 10));
            } else {
                // 15 digits, then "5" or "50": the nearest doubles lie just beside one half.
                const double base = double(100000000000000 + next() % 900000000000000) + 0.5;
                value = std::nextafter(base * std::pow(10.0, double(int(next() % 30) - 15)),
                                       next() % 2 ? 1e308 : -1e308);
            }
            if (next() % 2) value = -value;
            char reference[64];
            std::snprintf(reference, sizeof reference, "%.14e", value);
            const double expected = std::strtod(reference, nullptr);
            const QString text = NumberText(value);
            QVERIFY2(LeadingNumber(text) == expected, qPrintable(text + " for " + reference));
        }
    }

    void trimRemovesBlanksOnly() {
        QCOMPARE(Trim("  a b  "), QString("a b"));
        QCOMPARE(Trim("\ta\t"), QString("\ta\t"));
        QCOMPARE(Trim("   "), QString());
    }

    void codePageRoundTrip() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(EncodeText(DecodeText(all)), all);
        QCOMPARE(DecodeText("\xB0\xE9\x80"), QString::fromUtf8("°é€"));
        QCOMPARE(EncodeText(QString::fromUtf8("日")), QByteArray("?"));
    }

    // A code page character among plain ones, at every place within and across the blocks of
    // plain bytes that are passed over at once.
    void decodeTextAtEveryPlace_data() {
        QTest::addColumn<char>("byte");
        QTest::addColumn<QChar>("character");
        QTest::newRow("euro") << char(0x80) << QChar(0x20AC);
        QTest::newRow("last of the range") << char(0x9F) << QChar(0x0178);
        QTest::newRow("undefined byte") << char(0x81) << QChar(0x0081);
        QTest::newRow("Latin-1 above the range") << char(0xE9) << QChar(0x00E9);
        QTest::newRow("plain") << 'A' << QChar(u'A');
    }
    void decodeTextAtEveryPlace() {
        QFETCH(char, byte);
        QFETCH(QChar, character);
        for (int length = 1; length <= 70; ++length) {
            for (int at = 0; at < length; ++at) {
                QByteArray bytes(length, 'x');
                bytes[at] = byte;
                QString expected(length, u'x');
                expected[at] = character;
                QCOMPARE(DecodeText(bytes), expected);
            }
        }
    }

    void upperEquals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same") << "END"
                              << "END" << true;
        QTest::newRow("lower case") << "eNd"
                                    << "END" << true;
        QTest::newRow("longer") << "ENDS"
                                << "END" << false;
        QTest::newRow("shorter") << "EN"
                                 << "END" << false;
        QTest::newRow("empty") << ""
                               << "END" << false;
        QTest::newRow("accent after a difference") << "EXDé"
                                                   << "END" << false;
        QTest::newRow("accent past the key") << "ENDé"
                                             << "END" << false;
        QTest::newRow("sharp s upper-cases to two letters")
            << QString::fromUtf8("stra\u00DFe") << "STRASSE" << true;
        QTest::newRow("dotless i upper-cases to I") << QString::fromUtf8("\u0131") << "I" << true;
    }
    void upperEquals() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(bool, equal);
        const QByteArray latin = key.toLatin1();
        QCOMPARE(UpperEquals(text, QLatin1StringView(latin)), equal);
        QCOMPARE(UpperEquals(text, QLatin1StringView(latin)), UCase(text) == key);
    }

    void splitLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CRLF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lone CR") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("lone LF") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("nothing") << "" << QStringList{};
    }
    void splitLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(SplitLines(text), lines);
    }
};

QTEST_GUILESS_MAIN(TextRulesTest)
#include "test_text_rules.moc"
