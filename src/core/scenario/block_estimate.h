#pragma once
// About how many station and ship blocks a scenario file holds, told from its bytes before it
// is read, so that the tables are made at their size at once rather than grown and copied row
// by row.
#include <QByteArray>

// A block counts at its header, the first line with anything on it after the BEGIN_STATIONS or
// BEGIN_SHIPS line or after an END; blank lines and more END lines there make no block, as they
// make no row, so the estimate holds no more rows than the file gives blocks (a hostile file of
// END lines reserves nothing). Markers and END lines count where they begin their line, as the
// simulator and this program write them; a well-formed file gets the exact counts.
struct BlockEstimate {
    qsizetype stations = 0;
    qsizetype ships = 0;
};
BlockEstimate EstimateBlocks(const QByteArray& bytes);
