#include "core/text/text_rules.h"

#include "core/text/line_views.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <QVarLengthArray>

QString Trim(const QString& text) {
    const QStringView trimmed = TrimView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString UCase(const QString& text) {
    return text.toUpper();
}

// The rules on whole texts are those of the reader's views: one set of rules, the views kept
// for the reader's speed (run_bench_scenario).
QString ClearComments(const QString& line) {
    const QStringView cleared = ClearCommentsView(line);
    return cleared.size() == line.size() ? line : cleared.toString();
}

QString GetNumberValue(const QString& label) {
    QString digits;
    for (QChar c : label) {
        if (c >= u'0' && c <= u'9') digits += c;
    }
    return NumberText(LeadingNumber(digits));
}

bool IsANumber(const QString& value) {
    QStringView copy = TrimView(value);
    if (copy.startsWith(u'-')) copy = copy.mid(1);
    if (copy.isEmpty()) return false;
    int points = 0;
    for (QChar c : copy) {
        if (c == u'.')
            ++points;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return points <= 1;
}

bool IsANumberOrExponent(const QString& value) {
    const QStringView text = TrimView(value);
    const qsizetype e = text.indexOf(u'E');
    if (e < 0) return IsANumber(value);
    const QStringView exponent = text.mid(e + 1);
    if (exponent.size() < 2 || (exponent[0] != u'+' && exponent[0] != u'-')) return false;
    for (const QChar c : exponent.mid(1))
        if (c < u'0' || c > u'9') return false;
    return IsANumber(text.left(e).toString());
}

namespace {
bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

double Saturate(double v) {
    // Numbers too large for a double come back as the largest finite one, never as infinity.
    if (std::isinf(v)) return v > 0 ? DBL_MAX : -DBL_MAX;
    return v;
}

// The decimal order of magnitude of a number text made of digits, one point and an exponent
// part "e<sign><digits>": tells an overflow from an underflow when the conversion gives up.
long long DecimalOrder(std::string_view number) {
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t k = e + 1;
        const bool negative = k < number.size() && number[k] == '-';
        if (k < number.size() && (number[k] == '-' || number[k] == '+')) ++k;
        for (; k < number.size() && exponent < 100000000; ++k)
            exponent = exponent * 10 + (number[k] - '0');
        if (negative) exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const long long pointAt = point == std::string_view::npos ? (long long)mantissa.size() : (long long)point;
    const long long order =
        (long long)first < pointAt ? pointAt - (long long)first - 1 : pointAt - (long long)first;
    return order + exponent;
}

// The C library's strtod and printf follow the locale that the application sets at start-up
// (a decimal comma in many countries); the number rules must not, so they use the
// locale-independent conversions.
double DecimalNumber(std::string_view number) {
    const bool negative = !number.empty() && number[0] == '-';
    const std::size_t from = (!number.empty() && (number[0] == '-' || number[0] == '+')) ? 1 : 0;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data() + from, number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = DecimalOrder(number.substr(from)) > 0 ? DBL_MAX : 0.0;
    else if (error != std::errc())
        value = 0;
    return negative ? -value : value;
}

// The characters of a text as the number rules read them: blanks, tabs and line feeds, even
// between digits, are not there. Read in place, as numbers are read by the thousand.
class NumberCursor {
  public:
    explicit NumberCursor(QStringView text) : text_(text) { Skip(); }
    bool AtEnd() const { return at_ >= text_.size(); }
    QChar Peek() const { return text_[at_]; }
    void Next() {
        ++at_;
        Skip();
    }

  private:
    void Skip() {
        while (at_ < text_.size() && (text_[at_] == u' ' || text_[at_] == u'\t' || text_[at_] == u'\n'))
            ++at_;
    }
    QStringView text_;
    qsizetype at_ = 0;
};

double RadixNumber(NumberCursor s, int radix) {
    double value = 0;
    for (; !s.AtEnd(); s.Next()) {
        const char16_t c = s.Peek().unicode();
        int d = radix;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (c >= u'a' && c <= u'f')
            d = 10 + (c - u'a');
        else if (c >= u'A' && c <= u'F')
            d = 10 + (c - u'A');
        if (d >= radix) break;
        value = value * radix + d;
    }
    return Saturate(value);
}
} // namespace

double LeadingNumber(const QString& text) {
    return LeadingNumber(QStringView(text));
}

double LeadingNumber(QStringView text) {
    NumberCursor s(text);
    if (!s.AtEnd() && s.Peek() == u'&') {
        NumberCursor kind = s;
        kind.Next();
        if (!kind.AtEnd()) {
            const QChar k = kind.Peek().toUpper();
            kind.Next();
            if (k == u'H') return RadixNumber(kind, 16);
            if (k == u'O') return RadixNumber(kind, 8);
        }
    }
    // The number part, as the conversion reads it; long only for a text of many digits.
    QVarLengthArray<char, 64> prefix;
    if (!s.AtEnd() && (s.Peek() == u'+' || s.Peek() == u'-')) {
        prefix.append(char(s.Peek().unicode()));
        s.Next();
    }
    bool digits = false;
    bool point = false;
    for (; !s.AtEnd(); s.Next()) {
        const QChar c = s.Peek();
        if (IsDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        prefix.append(char(c.unicode()));
    }
    if (!digits) return 0;
    if (!s.AtEnd() && QStringView(u"EeDd").contains(s.Peek())) {
        NumberCursor j = s;
        j.Next();
        const qsizetype mantissa = prefix.size();
        prefix.append('e');
        if (!j.AtEnd() && (j.Peek() == u'+' || j.Peek() == u'-')) {
            prefix.append(char(j.Peek().unicode()));
            j.Next();
        }
        bool expDigits = false;
        for (; !j.AtEnd() && IsDigit(j.Peek()); j.Next()) {
            prefix.append(char(j.Peek().unicode()));
            expDigits = true;
        }
        if (!expDigits) prefix.resize(mantissa);
    }
    return Saturate(DecimalNumber(std::string_view(prefix.data(), std::size_t(prefix.size()))));
}

namespace {
// NumberText's characters, written into out (at least 64 bytes); returns how many.
std::size_t WriteNumberText(double value, char* out) {
    if (std::isnan(value) || value == 0) {
        out[0] = ' ';
        out[1] = '0';
        return 2;
    }
    value = Saturate(value);
    // A whole number of at most 15 digits is exact in both forms: its digits are the text.
    if (std::fabs(value) < 1e15 && value == std::floor(value)) {
        char whole[24];
        whole[0] = value < 0 ? '-' : ' ';
        const auto end =
            std::to_chars(whole + 1, whole + sizeof whole, static_cast<long long>(std::fabs(value)));
        std::memcpy(out, whole, std::size_t(end.ptr - whole));
        return std::size_t(end.ptr - whole);
    }
    // Scientific form with 14 decimals rounds to 15 significant digits; the digits and the
    // decimal exponent are then laid out by hand so that no locale and no binary artefact
    // enters the text. Fixed buffers: the texts are short, and made by the thousand.
    char formatted[64];
    const auto written = std::to_chars(formatted, formatted + sizeof formatted - 1, std::fabs(value),
                                       std::chars_format::scientific, 14);
    *written.ptr = '\0';
    const char* e = std::find(formatted, written.ptr, 'e');
    char digits[32];
    std::size_t count = 0;
    digits[count++] = formatted[0];
    for (const char* p = formatted + 2; p < e; ++p)
        digits[count++] = *p;
    const int exponent = std::atoi(e + 1);
    while (count > 1 && digits[count - 1] == '0')
        --count;

    char* body = out;
    std::size_t size = 0;
    body[size++] = value < 0 ? '-' : ' ';
    auto put = [&](const char* from, std::size_t n) {
        std::memcpy(body + size, from, n);
        size += n;
    };
    if (exponent >= 15 || exponent < -4) {
        put(digits, 1);
        if (count > 1) {
            body[size++] = '.';
            put(digits + 1, count - 1);
        }
        char exp[16];
        const int n = std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        put(exp, std::size_t(n));
    } else if (exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (count <= intDigits) {
            put(digits, count);
            for (std::size_t k = count; k < intDigits; ++k)
                body[size++] = '0';
        } else {
            put(digits, intDigits);
            body[size++] = '.';
            put(digits + intDigits, count - intDigits);
        }
    } else {
        body[size++] = '.';
        for (int k = 0; k < -exponent - 1; ++k)
            body[size++] = '0';
        put(digits, count);
    }
    return size;
}
} // namespace

QString NumberText(double value) {
    if (std::isnan(value) || value == 0) return QStringLiteral(" 0");
    char body[64];
    return QString::fromLatin1(body, qsizetype(WriteNumberText(value, body)));
}

QString NumberText(double value, QLatin1StringView suffix) {
    // One allocation for the number and its unit: such texts are made by the thousand.
    char body[64];
    const std::size_t size = WriteNumberText(value, body);
    QString text(qsizetype(size) + suffix.size(), Qt::Uninitialized);
    QChar* at = text.data();
    for (std::size_t k = 0; k < size; ++k)
        *at++ = QLatin1Char(body[k]);
    for (const char c : suffix)
        *at++ = QLatin1Char(c);
    return text;
}

QString FixedNumberText(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                       std::clamp(decimals, 0, 30));
    if (written.ec != std::errc()) return NumberText(value);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

bool IsWholeNumber(QStringView text, double* value) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == u' ')
        ++b;
    while (e > b && text[e - 1] == u' ')
        --e;
    qsizetype i = b;
    if (i < e && (text[i] == u'-' || text[i] == u'+')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < e; ++i) {
        if (IsDigit(text[i])) {
            digits = true;
        } else if (text[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < e && QStringView(u"EeDd").contains(text[i])) {
        qsizetype j = i + 1;
        if (j < e && (text[j] == u'-' || text[j] == u'+')) ++j;
        const qsizetype first = j;
        while (j < e && IsDigit(text[j]))
            ++j;
        if (j == first) return false;
        i = j;
    }
    if (i != e) return false;
    if (value) *value = LeadingNumber(text.mid(b, e - b));
    return true;
}
