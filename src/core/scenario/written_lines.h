#pragma once
// The bytes of a scenario file as the writer builds them: every line ended by CR LF, in the
// simulator's code page, into one buffer that grows by doubling.
#include "core/scenario/scenario_source.h"
#include "core/text/codepage.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <cstring>

class WrittenLines {
  public:
    explicit WrittenLines(qsizetype expected) { bytes_.resize(std::max<qsizetype>(expected, 256)); }

    template <class... Parts> void Add(const Parts&... parts) {
        (Append(parts), ...);
        Append(QLatin1StringView("\r\n"));
    }
    void Append(QLatin1StringView ascii) {
        std::memcpy(Room(ascii.size()), ascii.data(), std::size_t(ascii.size()));
    }
    void Append(const char* ascii) { Append(QLatin1StringView(ascii)); }
    void Append(const QString& text) { Append(QStringView(text)); }
    void Append(QStringView text) {
        char* out = Room(text.size());
        const QChar* in = text.data();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = in[i].unicode();
            out[i] = c < 0x80 ? char(c) : EncodeText(QString(in[i])).at(0);
        }
    }
    // The lines of the file read, byte for byte, each ended by CR LF whatever ended it there;
    // the lines that begin within skip are left out.
    void AddAsRead(const QByteArray& file, TextSpan span, TextSpan skip = {-1, -1}) {
        const char* data = file.constData();
        const qsizetype end = std::min(span.end, file.size());
        qsizetype start = std::max<qsizetype>(span.begin, 0);
        for (qsizetype i = start; i <= end; ++i) {
            if (i == end || data[i] == '\r' || data[i] == '\n') {
                if (start < skip.begin || start > skip.end) {
                    std::memcpy(Room(i - start), data + start, std::size_t(i - start));
                    Append(QLatin1StringView("\r\n"));
                }
                if (i < end && data[i] == '\r' && i + 1 < end && data[i + 1] == '\n') ++i;
                start = i + 1;
            }
        }
    }
    QByteArray Take() {
        bytes_.truncate(used_);
        return std::move(bytes_);
    }

  private:
    // Space for count more bytes; the returned pointer stays valid until the next call.
    char* Room(qsizetype count) {
        if (used_ + count > bytes_.size()) bytes_.resize(std::max(bytes_.size() * 2, used_ + count));
        char* at = bytes_.data() + used_;
        used_ += count;
        return at;
    }
    QByteArray bytes_;
    qsizetype used_ = 0;
};

// The lines of a span of the file as AddAsRead writes them: a span always holds at least one
// line, its last one also when it is empty.
template <class F> void ForEachLineOfSpan(QStringView text, F&& f) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\r' || text[i] == u'\n') {
            f(text.mid(start, i - start));
            if (i < text.size() && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
}

// A value as written: without the blanks around it.
QStringView Written(const QString& value);
// The value that ends a line, also without the control characters at its end: the reader
// drops those from every line it reads, so a line that ended in them would come back
// shorter. Inside a line they are kept, since a value that became empty there would shift
// the values after it.
QStringView WrittenLast(const QString& value);

// The number columns written through NumberText, leading blank kept. Ships share a handful
// of such values ("0" above all), so recent conversions are kept instead of redone.
class NumberTexts {
  public:
    const QString& operator()(const QString& value);

  private:
    struct Slot {
        QString value;
        QString text;
        bool used = false;
    };
    static constexpr std::size_t kSlots = 64;
    std::array<Slot, kSlots> slots_;
};
