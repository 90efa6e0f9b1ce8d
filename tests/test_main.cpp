// Runs every registered test class; a class name on the command line runs only that one.
#include "test_registry.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

namespace skelvan_test {
std::vector<std::pair<const char*, Factory>>& Registry() {
    static std::vector<std::pair<const char*, Factory>> registry;
    return registry;
}
} // namespace skelvan_test

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString only;
    if (args.size() > 1 && !args[1].startsWith('-')) {
        only = args[1];
        args.removeAt(1);
    }
    int failed = 0;
    int ran = 0;
    for (auto& [name, make] : skelvan_test::Registry()) {
        if (!only.isEmpty() && only != QLatin1String(name)) continue;
        ++ran;
        auto test = make();
        failed += QTest::qExec(test.get(), args) != 0 ? 1 : 0;
    }
    if (ran == 0) {
        std::printf("no test class named %s\n", qPrintable(only));
        return 1;
    }
    std::printf("%d test classes failed\n", failed);
    return failed == 0 ? 0 : 1;
}
