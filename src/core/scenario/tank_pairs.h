#pragma once
// The pairs of a PRPLEVEL line, "<tank>:<level>" at blanks: read for the tank table, and
// written back one pair at a time, so that a tank the user did not change keeps its text.
#include <QString>
#include <QStringView>
#include <vector>

// One pair: the tank's number before its first ":" and the level after it, as views into the
// text read. A word without ":" is no pair.
struct TankPair {
    QStringView tank;
    QStringView level;
};

// The pairs of a PRPLEVEL line's values (the text after its keyword), in their order; any
// number of blanks stands between two words.
std::vector<TankPair> TankPairs(QStringView values);

// The level of a tank the user changed, as the simulator writes one: six decimals.
QString WrittenTankLevel(QStringView level);

// A PRPLEVEL line of the file with the levels of `now` where they differ by number from those
// of `read` (both a row's tank levels; a pair belongs to the tank of the same place and number).
// Everything else of the line, blanks and comment included, stays as it was.
QString TankLineWith(QStringView line, QStringView now, QStringView read);
