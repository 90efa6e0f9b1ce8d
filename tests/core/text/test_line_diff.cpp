#include "core/text/line_diff.h"

#include <QHash>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <iterator>

namespace {
QString EndingText(LineEnding ending) {
    switch (ending) {
    case LineEnding::Lf:
        return "\\n";
    case LineEnding::CrLf:
        return "\\r\\n";
    case LineEnding::Cr:
        return "\\r";
    case LineEnding::None:
        break;
    }
    return QString();
}

QByteArray EndingBytes(LineEnding ending) {
    switch (ending) {
    case LineEnding::Lf:
        return "\n";
    case LineEnding::CrLf:
        return "\r\n";
    case LineEnding::Cr:
        return "\r";
    case LineEnding::None:
        break;
    }
    return QByteArray();
}

// The hunks as a unified diff reads: "@@ -start,count +start,count @@", then each line as its
// mark, old and new line numbers, text and ending ("-2,0 b\r\n").
QStringList Rendered(const std::vector<DiffHunk>& hunks) {
    QStringList out;
    for (const DiffHunk& hunk : hunks) {
        out << QString("@@ -%1,%2 +%3,%4 @@")
                   .arg(hunk.oldStart)
                   .arg(hunk.oldCount)
                   .arg(hunk.newStart)
                   .arg(hunk.newCount);
        for (const DiffLine& line : hunk.lines) {
            const char mark = line.kind == DiffLine::Kind::Removed ? '-'
                              : line.kind == DiffLine::Kind::Added ? '+'
                                                                   : ' ';
            out << QString("%1%2,%3 %4%5")
                       .arg(QChar(mark))
                       .arg(line.oldNumber)
                       .arg(line.newNumber)
                       .arg(QString::fromLatin1(line.text), EndingText(line.ending));
        }
    }
    return out;
}

// Lines 1 to count as "line N\r\n", the lines given replaced.
QByteArray NumberedLines(int count, const QHash<int, QByteArray>& replaced = {}) {
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += replaced.value(i, "line " + QByteArray::number(i)) + "\r\n";
    return out;
}

// The old bytes with the hunks applied, checking every unchanged and removed line against the
// old file on the way; a hunk that does not fit gives a marked result.
QByteArray Applied(const QByteArray& oldBytes, const std::vector<DiffHunk>& hunks) {
    std::vector<QByteArray> oldLines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < oldBytes.size(); ++i) {
        if (oldBytes[i] != '\r' && oldBytes[i] != '\n') continue;
        if (oldBytes[i] == '\r' && i + 1 < oldBytes.size() && oldBytes[i + 1] == '\n') ++i;
        oldLines.push_back(oldBytes.mid(start, i + 1 - start));
        start = i + 1;
    }
    if (start < oldBytes.size()) oldLines.push_back(oldBytes.mid(start));
    QByteArray out;
    std::size_t next = 0; // the next old line to copy, from 0
    for (const DiffHunk& hunk : hunks) {
        const std::size_t until = std::size_t(hunk.oldCount > 0 ? hunk.oldStart - 1 : hunk.oldStart);
        for (; next < until && next < oldLines.size(); ++next)
            out += oldLines[next];
        for (const DiffLine& line : hunk.lines) {
            const QByteArray whole = line.text + EndingBytes(line.ending);
            if (line.kind == DiffLine::Kind::Added) {
                out += whole;
                continue;
            }
            if (next >= oldLines.size() || oldLines[next] != whole || line.oldNumber != int(next) + 1)
                return "<hunk does not fit>";
            if (line.kind == DiffLine::Kind::Same) out += whole;
            ++next;
        }
    }
    for (; next < oldLines.size(); ++next)
        out += oldLines[next];
    return out;
}
} // namespace

class LineDiffTest : public QObject {
    Q_OBJECT
  private slots:
    void hunks_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("context");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("both empty") << QByteArray() << QByteArray() << 3 << QStringList();
        QTest::newRow("equal files") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n") << 3
                                     << QStringList();
        QTest::newRow("old file empty") << QByteArray() << QByteArray("a\r\nb\r\n") << 3
                                        << QStringList{"@@ -0,0 +1,2 @@", "+0,1 a\\r\\n", "+0,2 b\\r\\n"};
        QTest::newRow("new file empty") << QByteArray("a\nb\n") << QByteArray() << 3
                                        << QStringList{"@@ -1,2 +0,0 @@", "-1,0 a\\n", "-2,0 b\\n"};
        QTest::newRow("change at the start")
            << QByteArray("a\nb\nc\nd\n") << QByteArray("x\nb\nc\nd\n") << 1
            << QStringList{"@@ -1,2 +1,2 @@", "-1,0 a\\n", "+0,1 x\\n", " 2,2 b\\n"};
        QTest::newRow("change in the middle")
            << QByteArray("a\nb\nc\nd\ne\n") << QByteArray("a\nb\nX\nd\ne\n") << 1
            << QStringList{"@@ -2,3 +2,3 @@", " 2,2 b\\n", "-3,0 c\\n", "+0,3 X\\n", " 4,4 d\\n"};
        QTest::newRow("line added at the end") << QByteArray("a\nb\nc\n") << QByteArray("a\nb\nc\nd\n") << 1
                                               << QStringList{"@@ -3,1 +3,2 @@", " 3,3 c\\n", "+0,4 d\\n"};
        QTest::newRow("last line removed")
            << QByteArray("a\nb\nc\n") << QByteArray("a\nb\n") << 3
            << QStringList{"@@ -1,3 +1,2 @@", " 1,1 a\\n", " 2,2 b\\n", "-3,0 c\\n"};
        QTest::newRow("insertion without context") << QByteArray("a\nb\n") << QByteArray("a\nx\nb\n") << 0
                                                   << QStringList{"@@ -1,0 +2,1 @@", "+0,2 x\\n"};
        QTest::newRow("removal without context") << QByteArray("a\nx\nb\n") << QByteArray("a\nb\n") << 0
                                                 << QStringList{"@@ -2,1 +1,0 @@", "-2,0 x\\n"};
        QTest::newRow("insertion at the top without context")
            << QByteArray("a\n") << QByteArray("x\na\n") << 0 << QStringList{"@@ -0,0 +1,1 @@", "+0,1 x\\n"};
        QTest::newRow("two hunks") << NumberedLines(10) << NumberedLines(10, {{2, "two"}, {9, "nine"}}) << 1
                                   << QStringList{"@@ -1,3 +1,3 @@",   " 1,1 line 1\\r\\n",
                                                  "-2,0 line 2\\r\\n", "+0,2 two\\r\\n",
                                                  " 3,3 line 3\\r\\n", "@@ -8,3 +8,3 @@",
                                                  " 8,8 line 8\\r\\n", "-9,0 line 9\\r\\n",
                                                  "+0,9 nine\\r\\n",   " 10,10 line 10\\r\\n"};
        QTest::newRow("changes twice the context apart share a hunk")
            << NumberedLines(6) << NumberedLines(6, {{2, "two"}, {5, "five"}}) << 1
            << QStringList{"@@ -1,6 +1,6 @@",   " 1,1 line 1\\r\\n", "-2,0 line 2\\r\\n",
                           "+0,2 two\\r\\n",    " 3,3 line 3\\r\\n", " 4,4 line 4\\r\\n",
                           "-5,0 line 5\\r\\n", "+0,5 five\\r\\n",   " 6,6 line 6\\r\\n"};
        QTest::newRow("three hunks, numbers shift after an insertion")
            << NumberedLines(12) << NumberedLines(12, {{1, "line 1\r\nnew"}, {6, "six"}, {12, "twelve"}}) << 0
            << QStringList{"@@ -1,0 +2,1 @@",     "+0,2 new\\r\\n",    "@@ -6,1 +7,1 @@",
                           "-6,0 line 6\\r\\n",   "+0,7 six\\r\\n",    "@@ -12,1 +13,1 @@",
                           "-12,0 line 12\\r\\n", "+0,13 twelve\\r\\n"};
        QTest::newRow("only the line end changed, CR LF to LF")
            << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\n") << 3
            << QStringList{"@@ -1,2 +1,2 @@", " 1,1 a\\r\\n", "-2,0 b\\r\\n", "+0,2 b\\n"};
        QTest::newRow("every line end changed, LF to CR LF")
            << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n") << 3
            << QStringList{"@@ -1,2 +1,2 @@", "-1,0 a\\n", "-2,0 b\\n", "+0,1 a\\r\\n", "+0,2 b\\r\\n"};
        QTest::newRow("lone CR lines")
            << QByteArray("a\rb\rc\r") << QByteArray("a\rB\rc\r") << 3
            << QStringList{"@@ -1,3 +1,3 @@", " 1,1 a\\r", "-2,0 b\\r", "+0,2 B\\r", " 3,3 c\\r"};
        QTest::newRow("CR LF, then a lone CR, then no end")
            << QByteArray("a\r\n\rb") << QByteArray("a\r\n\r\nb") << 3
            << QStringList{"@@ -1,3 +1,3 @@", " 1,1 a\\r\\n", "-2,0 \\r", "+0,2 \\r\\n", " 3,3 b"};
        QTest::newRow("final line gains its end")
            << QByteArray("a\nb") << QByteArray("a\nb\n") << 3
            << QStringList{"@@ -1,2 +1,2 @@", " 1,1 a\\n", "-2,0 b", "+0,2 b\\n"};
        QTest::newRow("final line without end changed")
            << QByteArray("a\nb") << QByteArray("a\nc") << 3
            << QStringList{"@@ -1,2 +1,2 @@", " 1,1 a\\n", "-2,0 b", "+0,2 c"};
        QTest::newRow("a moved line")
            << QByteArray("a\nb\nc\n") << QByteArray("b\nc\na\n") << 3
            << QStringList{"@@ -1,3 +1,3 @@", "-1,0 a\\n", " 2,1 b\\n", " 3,2 c\\n", "+0,3 a\\n"};
        QTest::newRow("one of repeated lines removed")
            << QByteArray("x\nx\nx\n") << QByteArray("x\nx\n") << 3
            << QStringList{"@@ -1,3 +1,2 @@", " 1,1 x\\n", " 2,2 x\\n", "-3,0 x\\n"};
        QTest::newRow("blank lines") << QByteArray("\n\n") << QByteArray("\n") << 3
                                     << QStringList{"@@ -1,2 +1,1 @@", " 1,1 \\n", "-2,0 \\n"};
    }
    void hunks() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, context);
        QFETCH(QStringList, expected);
        const std::vector<DiffHunk> hunks = DiffLines(before, after, context);
        QCOMPARE(Rendered(hunks), expected);
        QCOMPARE(Applied(before, hunks), after);
    }

    // Whatever the two files, the hunks turn the old one into the new one, and the new one has
    // no hunks against itself.
    void hunksRebuildTheNewFile_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("context");
        for (quint32 seed = 1; seed <= 6; ++seed) {
            const int context = int(seed % 4);
            QTest::addRow("seed %u, context %d", seed, context) << seed << context;
        }
    }
    void hunksRebuildTheNewFile() {
        QFETCH(quint32, seed);
        QFETCH(int, context);
        QRandomGenerator random(seed);
        static const char* const pieces[] = {"a", "b", "c", "", "ship", "\r\n", "\n", "\r", "\r\n", "\n"};
        auto some = [&](int count) {
            QByteArray out;
            for (int i = 0; i < count; ++i)
                out += pieces[random.bounded(int(std::size(pieces)))];
            return out;
        };
        for (int round = 0; round < 50; ++round) {
            const QByteArray before = some(random.bounded(40));
            const QByteArray after = some(random.bounded(40));
            const std::vector<DiffHunk> hunks = DiffLines(before, after, context);
            QCOMPARE(Applied(before, hunks), after);
            QVERIFY(DiffLines(after, after, context).empty());
        }
    }

    // A scenario of thousands of ships: tens of thousands of lines, most of them repeated.
    void largeFiles_data() {
        QTest::addColumn<bool>("lineFeeds"); // the old file ends its lines with LF alone
        QTest::addColumn<int>("hunkCount");
        QTest::newRow("a few scattered edits") << false << 40;
        QTest::newRow("every line end differs") << true << 1;
    }
    void largeFiles() {
        QFETCH(bool, lineFeeds);
        QFETCH(int, hunkCount);
        QByteArray before;
        QByteArray after;
        const int ships = 5000;
        for (int ship = 0; ship < ships; ++ship) {
            const QByteArray block =
                "  STATUS Landed Earth\r\n  BASE Pad:1\r\n  FUEL 1.00\r\n  ATTITUDE 0 0 0\r\nEND\r\n";
            const QByteArray name = "Ship" + QByteArray::number(ship) + ":Carrier\r\n";
            QByteArray old = name + block;
            if (lineFeeds) old.replace("\r\n", "\n");
            before += old;
            after +=
                ship % 125 == 7 ? name + QByteArray(block).replace("FUEL 1.00", "FUEL 0.50") : name + block;
        }
        const std::vector<DiffHunk> hunks = DiffLines(before, after);
        QCOMPARE(int(hunks.size()), hunkCount);
        QCOMPARE(Applied(before, hunks), after);
        if (!lineFeeds) {
            // Ship 7's fuel line: its block starts at line 6 * 7 + 1.
            QCOMPARE(hunks.front().oldStart, 6 * 7 + 4 - 3);
            QCOMPARE(hunks.front().lines[3].text, QByteArray("  FUEL 1.00"));
            QCOMPARE(hunks.front().lines[3].oldNumber, 6 * 7 + 4);
        }
    }
};

QTEST_GUILESS_MAIN(LineDiffTest)
#include "test_line_diff.moc"
