#pragma once
// The files the tests of the logic read: the test data in tests/data and the bundled demo
// installation.
#include <QByteArray>
#include <QString>
#include <optional>

// The path of a file or folder below tests/data, e.g. "orbit/Earth.cfg".
QString TestDataPath(const QString& relative);
// The path of a file or folder below the demo installation, e.g. "Config/Sol.cfg".
QString DemoPath(const QString& relative);

// The bytes of a file; nothing when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);
// The bytes of a file the test made or the program saved; empty when there is none.
inline QByteArray ReadTestFile(const QString& path) {
    return ReadFileBytes(path).value_or(QByteArray());
}
// The bytes of a file below tests/data. A missing file is a broken test, not an empty input:
// the test stops with its name.
QByteArray TestDataFile(const QString& relative);
