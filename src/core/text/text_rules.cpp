#include "core/text/text_rules.h"

#include "core/text/line_views.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

QString Trim(const QString& text) {
    const QStringView trimmed = TrimView(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString UCase(const QString& text) {
    return text.toUpper();
}

QString ClearComments(const QString& line) {
    if (line.isEmpty()) return line;
    QString result = line;
    const qsizetype semicolon = result.indexOf(u';');
    if (semicolon >= 0) result = Trim(result.left(semicolon));
    while (!result.isEmpty() && result.at(result.size() - 1).unicode() < 32)
        result.chop(1);
    return result;
}

QString GetNumberValue(const QString& label) {
    QString digits;
    for (QChar c : label) {
        if (c >= u'0' && c <= u'9') digits += c;
    }
    return NumberText(LeadingNumber(digits));
}

bool IsANumber(const QString& value) {
    QString copy = Trim(value);
    if (copy.startsWith(u'-')) copy.remove(0, 1);
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
long long DecimalOrder(const std::string& number) {
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        std::size_t k = e + 1;
        const bool negative = k < number.size() && number[k] == '-';
        if (k < number.size() && (number[k] == '-' || number[k] == '+')) ++k;
        for (; k < number.size() && exponent < 100000000; ++k)
            exponent = exponent * 10 + (number[k] - '0');
        if (negative) exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) return 0;
    const long long pointAt = point == std::string::npos ? (long long)mantissa.size() : (long long)point;
    const long long order =
        (long long)first < pointAt ? pointAt - (long long)first - 1 : pointAt - (long long)first;
    return order + exponent;
}

// The C library's strtod and printf follow the locale that the application sets at start-up
// (a decimal comma in many countries); the number rules must not, so they use the
// locale-independent conversions.
double DecimalNumber(const std::string& number) {
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

double RadixNumber(const QString& s, int start, int radix) {
    double value = 0;
    for (qsizetype i = start; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
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
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n') s += c;
    }
    if (s.size() >= 2 && s.at(0) == u'&') {
        const QChar k = s.at(1).toUpper();
        if (k == u'H') return RadixNumber(s, 2, 16);
        if (k == u'O') return RadixNumber(s, 2, 8);
    }
    std::string prefix;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-')) prefix += char(s.at(i++).unicode());
    bool digits = false;
    bool point = false;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (IsDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        prefix += char(c.unicode());
        ++i;
    }
    if (!digits) return 0;
    if (i < s.size() && QString("EeDd").contains(s.at(i))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-')) exponent += char(s.at(j++).unicode());
        bool expDigits = false;
        while (j < s.size() && IsDigit(s.at(j))) {
            exponent += char(s.at(j++).unicode());
            expDigits = true;
        }
        if (expDigits) prefix += exponent;
    }
    return Saturate(DecimalNumber(prefix));
}

QString NumberText(double value) {
    if (std::isnan(value) || value == 0) return QStringLiteral(" 0");
    value = Saturate(value);
    // Scientific form with 14 decimals rounds to 15 significant digits; the digits and the
    // decimal exponent are then laid out by hand so that no locale and no binary artefact
    // enters the text.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string formatted(buffer, written.ptr);
    const std::size_t e = formatted.find('e');
    std::string digits = formatted.substr(0, 1) + formatted.substr(2, e - 2);
    const int exponent = std::atoi(formatted.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string body;
    if (exponent >= 15 || exponent < -4) {
        body = digits.substr(0, 1);
        if (digits.size() > 1) body.append(".").append(digits, 1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += exp;
    } else if (exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            body = digits + std::string(intDigits - digits.size(), '0');
        } else {
            body = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    } else {
        body.assign(".").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    }
    return QString::fromLatin1((value < 0 ? "-" : " ") + body);
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
    if (value) *value = LeadingNumber(text.mid(b, e - b).toString());
    return true;
}
