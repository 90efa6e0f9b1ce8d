#pragma once
// A large scenario in the simulator's format, for the benchmarks: stations around the inner
// planets, ships landed, orbiting and docked in turn, comments, and lines the editor does not
// know, which it must carry through unchanged.
#include <QByteArray>

QByteArray GenerateScenario(int stations, int ships);
