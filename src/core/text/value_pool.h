#pragma once
// A large scenario repeats the same short values over and over: statuses, planets, bases,
// classes, "0", "1". The reader hands out one shared copy of each recent short value instead
// of a new allocation every time, which keeps a loaded document small. The pool holds a fixed
// number of slots, so it never grows with the file; a small file gets fewer, since clearing and
// freeing the slots would otherwise cost more than reading it.
#include <QString>
#include <QStringView>
#include <algorithm>
#include <vector>

class ValuePool {
  public:
    // textSize: the length of the text the values come from.
    explicit ValuePool(qsizetype textSize) {
        std::size_t count = kFewest;
        while (count < kMost && qsizetype(count) * kTextPerSlot < textSize)
            count *= 2;
        slots_.resize(count);
        while ((std::size_t(1) << slotBits_) < count)
            ++slotBits_;
    }
    QString Take(QStringView value) {
        if (value.isEmpty()) return QString();
        if (value.size() > kLongest) return value.toString();
        // Two slots for each hash, the one used last first: a value that recurs keeps its copy
        // while one other value that meets it there comes and goes.
        QString* pair = &slots_[Slot(value) & ~std::size_t(1)];
        if (Holds(pair[0], value)) return pair[0];
        if (Holds(pair[1], value)) {
            pair[0].swap(pair[1]);
            return pair[0];
        }
        pair[1] = std::move(pair[0]);
        pair[0] = value.toString();
        return pair[0];
    }

  private:
    // Compared in place, character by character: the values are short, and a call into Qt or
    // the C library would cost more than the comparison.
    static bool Holds(const QString& slot, QStringView value) {
        return slot.size() == value.size() && std::equal(value.begin(), value.end(), slot.constData());
    }
    // FNV-1a over the characters, then a multiply by the golden ratio whose high bits pick the
    // slot: every character reaches them, where FNV's own low bits see only the characters'
    // low bits (and "1" to "9" would crowd a few slots). Several times cheaper than qHash,
    // which is built to resist chosen keys, and a slot cache need not.
    std::size_t Slot(QStringView value) const {
        quint64 h = 14695981039346656037ULL;
        for (const QChar c : value)
            h = (h ^ c.unicode()) * 1099511628211ULL;
        return std::size_t((h * 0x9E3779B97F4A7C15ULL) >> (64 - slotBits_));
    }
    static constexpr qsizetype kLongest = 16;
    static constexpr std::size_t kFewest = 64;
    static constexpr std::size_t kMost = 1024;
    static constexpr qsizetype kTextPerSlot = 64;
    std::vector<QString> slots_;
    int slotBits_ = 0; // slots_.size() is two to this power
};
