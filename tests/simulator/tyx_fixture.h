#pragma once
// The data of the simulator tests: tests/data/simulator. The window tests of this folder use
// the support library's fixture; this header keeps the path for the tests of the logic.
#include <QString>

inline QString TestData(const QString& relative) {
    return QStringLiteral(SKELVAN_TEST_DATA) + "/simulator/" + relative;
}
