#include "model/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace numtext {

namespace {

bool isdigit(char c) {
    return c >= '0' && c <= '9';
}

// The shortest text that reads back to the same value, in fixed notation:
// "3", "2.5", "0.1", "-0.25", "100000000000000000000". Non-finite values,
// which no typed number or file can hold, are written as 0.
std::string shortest(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    std::array<char, 400> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    return std::string(buf.data(), res.ptr);
}

// The decimal digits of |value| to `decimals` places, rounded half away from
// zero. The value is first taken to 15 significant digits, as the number was
// typed, so that 2.675 rounds to 2.68 although its binary value lies below.
// Returns the integer digits (without leading zeros, possibly empty) and the
// fractional digits.
std::pair<std::string, std::string> rounddigits(double value, int decimals) {
    std::array<char, 64> buf{};
    std::snprintf(buf.data(), buf.size(), "%.14e", std::fabs(value));
    // buf: d.ddddddddddddddde[+-]xx
    std::string text(buf.data());
    const auto epos = text.find('e');
    const int exponent = std::stoi(text.substr(epos + 1));
    std::string digits = text.substr(0, 1) + text.substr(2, epos - 2); // 15 digits
    // Position of the decimal point within `digits`: after (exponent + 1) digits.
    int point = exponent + 1;
    if (point < 0) {
        digits.insert(0, std::size_t(-point), '0');
        point = 0;
    }
    if (int(digits.size()) < point) digits.append(std::size_t(point - int(digits.size())), '0');
    const int keep = point + decimals;
    if (int(digits.size()) < keep) digits.append(std::size_t(keep - int(digits.size())), '0');
    const bool roundup = int(digits.size()) > keep && digits[std::size_t(keep)] >= '5';
    digits.resize(std::size_t(keep));
    if (roundup) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (digits[std::size_t(i)] == '9') {
                digits[std::size_t(i)] = '0';
            } else {
                ++digits[std::size_t(i)];
                break;
            }
        }
        if (i < 0) {
            digits.insert(0, 1, '1');
            ++point;
        }
    }
    std::string intpart = digits.substr(0, std::size_t(point));
    const auto first = intpart.find_first_not_of('0');
    intpart = first == std::string::npos ? std::string() : intpart.substr(first);
    return {intpart, digits.substr(std::size_t(point))};
}

} // namespace

std::optional<Number> leadingnumber(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isdigit(text[i]))
            ++i;
        return i - start;
    };
    std::size_t count = digits();
    bool whole = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        count += digits();
        whole = false;
    }
    if (count == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t mantissa = i++;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        if (digits() == 0)
            i = mantissa;
        else
            whole = false;
    }
    double value = 0;
    const char* end = text.data() + i;
    const auto res = std::from_chars(text.data(), end, value);
    if (res.ec != std::errc() || res.ptr != end) return std::nullopt;
    return Number{value, i, whole};
}

double val(std::string_view text) {
    std::size_t i = std::min(text.find_first_not_of(" \t"), text.size());
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const auto number = leadingnumber(text.substr(i));
    if (!number) return 0;
    return negative ? -number->value : number->value;
}

std::string format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) value = 0;
    const auto dot = pattern.find('.');
    const std::string_view intpattern = pattern.substr(0, dot);
    const int decimals = dot == std::string_view::npos ? 0 : int(pattern.size() - dot - 1);
    // From the first '0' placeholder on, every integer place shows a digit.
    const auto firstzero = intpattern.find('0');
    const int mindigits =
        firstzero == std::string_view::npos ? 0 : int(intpattern.size() - firstzero);

    auto [intpart, fracpart] = rounddigits(value, decimals);
    if (int(intpart.size()) < mindigits)
        intpart.insert(0, std::size_t(mindigits - int(intpart.size())), '0');
    std::string out;
    const bool zero = intpart.find_first_not_of('0') == std::string::npos &&
                      fracpart.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero) out = "-";
    out += intpart;
    if (decimals > 0) out += "." + fracpart;
    return out;
}

std::string plain(double value) {
    if (!std::isfinite(value)) return "0";
    // 15 significant digits in fixed notation, trailing zeros dropped.
    const int magnitude = value == 0 ? 0 : int(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - magnitude, 0, 340);
    std::array<char, 400> buf{};
    std::snprintf(buf.data(), buf.size(), "%.*f", decimals, value);
    std::string text(buf.data());
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

std::string str(double value) {
    std::string text = plain(value);
    return text.front() == '-' ? text : " " + text;
}

std::string printed(double value) {
    return str(value) + " ";
}

std::string filenumber(double value) {
    return shortest(value);
}

} // namespace numtext
