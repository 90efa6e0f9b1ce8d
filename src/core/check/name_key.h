#pragma once
// A name in the form the check compares names in: blanks at both ends removed, letter case
// ignored (CheckKey). A check looks names up tens of thousands of times; a short key, which
// nearly every name gives, is kept inside the value, so that making one allocates nothing.
#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <array>
#include <cstring>

// FNV-1a over a text's units: cheap for the short texts of names and numbers.
std::size_t ShortTextHash(QStringView text);

class NameKey {
  public:
    explicit NameKey(QStringView name);

    bool operator==(const NameKey& other) const {
        if (hash_ != other.hash_ || size_ != other.size_) return false;
        return size_ <= kInline
                   ? std::memcmp(inline_.data(), other.inline_.data(), std::size_t(size_) * 2) == 0
                   : long_ == other.long_;
    }
    friend std::size_t qHash(const NameKey& key, std::size_t seed = 0) noexcept { return key.hash_ ^ seed; }

  private:
    static constexpr qsizetype kInline = 24;
    std::size_t hash_ = 0;
    qsizetype size_ = 0;
    std::array<char16_t, kInline> inline_{};
    QString long_; // a key longer than kInline
};
