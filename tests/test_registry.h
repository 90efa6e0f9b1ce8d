#pragma once
// Lets one test executable per source folder hold several QtTest classes:
// each test file registers its class with SKELVAN_TEST and the shared main runs them all.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace skelvan_test {
using Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<const char*, Factory>>& Registry();
struct Registrar {
    Registrar(const char* name, Factory f) { Registry().emplace_back(name, std::move(f)); }
};
} // namespace skelvan_test

#define SKELVAN_TEST(Class)                                                                                  \
    static skelvan_test::Registrar skelvan_registrar_##Class(#Class, [] { return std::make_unique<Class>(); })
