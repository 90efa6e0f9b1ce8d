#pragma once
// A large scenario repeats the same short values over and over: statuses, planets, bases,
// classes, "0", "1". The reader hands out one shared copy of each recent short value instead
// of a new allocation every time, which keeps a loaded document small. The pool holds a fixed
// number of slots, so it never grows with the file.
#include <QHashFunctions>
#include <QString>
#include <QStringView>
#include <array>

class ValuePool {
  public:
    QString Take(QStringView value) {
        if (value.isEmpty()) return QString();
        if (value.size() > kLongest) return value.toString();
        QString& slot = slots_[qHash(value) & (kSlots - 1)];
        if (slot != value) slot = value.toString();
        return slot;
    }

  private:
    static constexpr qsizetype kLongest = 16;
    static constexpr std::size_t kSlots = 1024;
    std::array<QString, kSlots> slots_;
};
