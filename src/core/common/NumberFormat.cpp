// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberFormat.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kelvora::numfmt {

namespace {
char gSeparator = '.';

std::string withSeparator(std::string text) {
    if (gSeparator != '.')
        for (char& c : text)
            if (c == '.') c = gSeparator;
    return text;
}
} // namespace

char decimalSeparator() {
    return gSeparator;
}
void setDecimalSeparator(char separator) {
    gSeparator = separator;
}

void useSeparatorOfEnvironment() {
    std::setlocale(LC_NUMERIC, "");
    const lconv* lc = std::localeconv();
    char sep = (lc && lc->decimal_point && lc->decimal_point[0]) ? lc->decimal_point[0] : '.';
    // Our own formatting never goes through the C library's locale.
    std::setlocale(LC_NUMERIC, "C");
    setDecimalSeparator(sep);
}

std::string floatText(double value) {
    if (!std::isfinite(value)) return "";
    if (value == 0) return "0";
    char buf[40];
    // 15 significant digits in scientific form first, to decide the layout.
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string sci(buf);
    auto epos = sci.find('e');
    int exponent = std::atoi(sci.c_str() + epos + 1);
    std::string mantissa = sci.substr(0, epos);
    bool negative = mantissa[0] == '-';
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9') digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        auto intDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return withSeparator(out);
}

std::optional<double> parseFloat(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    text = text.substr(b, e - b);
    if (text.empty()) return std::nullopt;

    // Rebuild in the C form while checking the grammar ourselves, so that
    // words such as "nan" or "inf" and hexadecimal forms never get through.
    std::string c;
    c.reserve(text.size());
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') c += '-';
        ++i;
    }
    std::size_t intDigits = 0, fracDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        c += text[i++], ++intDigits;
    if (i < text.size() && text[i] == gSeparator) {
        c += '.';
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            c += text[i++], ++fracDigits;
    }
    if (intDigits + fracDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
        std::size_t expDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            c += text[i++], ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    auto [ptr, ec] = std::from_chars(c.data(), c.data() + c.size(), value);
    if (ec != std::errc() || ptr != c.data() + c.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long> parseInteger(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    text = text.substr(b, e - b);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return value;
}

std::string roundedDecimal(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    // The value as 15 significant digits, then decimal rounding on those digits,
    // so that 2.675 shows as 2.68 the way the user typed it.
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string sci(buf);
    auto epos = sci.find('e');
    int exponent = std::atoi(sci.c_str() + epos + 1);
    bool negative = sci[0] == '-';
    std::string digits;
    for (std::size_t k = 0; k < epos; ++k)
        if (sci[k] >= '0' && sci[k] <= '9') digits += sci[k];
    // digits d0 d1 ... with value d0.d1d2... x 10^exponent. Position of the
    // decimal point in the digit string is exponent + 1.
    int point = exponent + 1;
    if (point < 0) {
        digits.insert(0, static_cast<std::size_t>(-point), '0');
        point = 0;
    }
    int keep = point + decimals; // digits kept
    if (keep < 0) return decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    if (static_cast<int>(digits.size()) < keep)
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    bool roundUp = static_cast<int>(digits.size()) > keep && digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int k = keep - 1;
        while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9')
            digits[static_cast<std::size_t>(k--)] = '0';
        if (k >= 0) {
            ++digits[static_cast<std::size_t>(k)];
        } else {
            digits.insert(0, "1");
            ++point;
        }
    }
    std::string intPart = point > 0 ? digits.substr(0, static_cast<std::size_t>(point)) : "";
    std::string fracPart = digits.substr(static_cast<std::size_t>(std::max(point, 0)));
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    bool allZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !allZero) ? "-" : "";
    out += intPart;
    if (decimals > 0) out += "." + fracPart;
    return out;
}

std::string formatPattern(double value, std::string_view pattern) {
    auto point = pattern.find('.');
    std::string_view intPat = pattern.substr(0, point);
    std::string_view fracPat =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    int minInt = 0, minFrac = 0, maxFrac = 0;
    for (char ch : intPat)
        if (ch == '0') ++minInt;
    for (char ch : fracPat) {
        if (ch == '0') ++minFrac, ++maxFrac;
        if (ch == '#') ++maxFrac;
    }
    std::string text = roundedDecimal(value, maxFrac);
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    std::string intPart = text.substr(0, text.find('.'));
    std::string fracPart = text.find('.') == std::string::npos ? "" : text.substr(text.find('.') + 1);
    while (static_cast<int>(fracPart.size()) > minFrac && fracPart.back() == '0')
        fracPart.pop_back();
    if (intPart == "0" && minInt == 0) intPart.clear();
    while (static_cast<int>(intPart.size()) < minInt)
        intPart.insert(0, "0");
    std::string out = negative ? "-" : "";
    out += intPart;
    if (!fracPart.empty()) out += gSeparator + fracPart;
    if (out.empty() || out == "-") out = "0";
    return out;
}

std::string formatFixed(double value, int decimals, int width) {
    std::string out = withSeparator(roundedDecimal(value, decimals));
    if (static_cast<int>(out.size()) < width)
        out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

} // namespace kelvora::numfmt
