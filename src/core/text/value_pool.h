#pragma once
// A large scenario repeats the same short values over and over: statuses, planets, bases,
// classes, "0", "1". The reader hands out one shared copy of each recent short value instead
// of a new allocation every time, which keeps a loaded document small. The pool holds a fixed
// number of slots, so it never grows with the file; a small file gets fewer, since clearing and
// freeing the slots would otherwise cost more than reading it.
#include <QHashFunctions>
#include <QString>
#include <QStringView>
#include <vector>

class ValuePool {
  public:
    // textSize: the length of the text the values come from.
    explicit ValuePool(qsizetype textSize) {
        std::size_t count = kFewest;
        while (count < kMost && qsizetype(count) * kTextPerSlot < textSize)
            count *= 2;
        slots_.resize(count);
    }
    QString Take(QStringView value) {
        if (value.isEmpty()) return QString();
        if (value.size() > kLongest) return value.toString();
        QString& slot = slots_[qHash(value) & (slots_.size() - 1)];
        if (slot != value) slot = value.toString();
        return slot;
    }

  private:
    static constexpr qsizetype kLongest = 16;
    static constexpr std::size_t kFewest = 64;
    static constexpr std::size_t kMost = 1024;
    static constexpr qsizetype kTextPerSlot = 64;
    std::vector<QString> slots_;
};
