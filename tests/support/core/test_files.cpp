#include "test_files.h"

#include <QFile>
#include <QtGlobal>

QString TestDataPath(const QString& relative) {
    return QStringLiteral(SKELVAN_TEST_DATA "/") + relative;
}

QString DemoPath(const QString& relative) {
    return QStringLiteral(SKELVAN_DEMO_DIR "/") + relative;
}

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

QByteArray TestDataFile(const QString& relative) {
    const std::optional<QByteArray> bytes = ReadFileBytes(TestDataPath(relative));
    if (!bytes) qFatal("missing test data %s", qPrintable(relative));
    return *bytes;
}
