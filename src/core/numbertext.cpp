// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbertext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int significantDigits = 15;

// The value rounded to 15 significant digits, as "d.dddddddddddddde±x", and the
// digits and decimal exponent taken apart from it.
struct DecimalDigits {
    std::string digits; // without trailing zeros, at least one digit
    int exponent = 0; // power of ten of the first digit
};

DecimalDigits roundedDigits(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
        std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    DecimalDigits out;
    out.exponent = std::stoi(text.substr(e + 1));
    for (char c : text.substr(0, e)) {
        if (c != '.')
            out.digits += c;
    }
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

}

QString NumberText(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");

    const DecimalDigits rounded = roundedDigits(std::fabs(value));
    const int digitCount = int(rounded.digits.size());
    std::string integerPart;
    std::string fractionPart;
    const auto zeros = [](int count) { return std::string(static_cast<std::size_t>(count), '0'); };
    if (rounded.exponent < 0) {
        integerPart = "0";
        fractionPart = zeros(-rounded.exponent - 1) + rounded.digits;
    } else if (rounded.exponent + 1 >= digitCount) {
        integerPart = rounded.digits + zeros(rounded.exponent + 1 - digitCount);
    } else {
        const auto integerDigits = static_cast<std::size_t>(rounded.exponent) + 1;
        integerPart = rounded.digits.substr(0, integerDigits);
        fractionPart = rounded.digits.substr(integerDigits);
    }

    QString text = QString::fromLatin1(integerPart);
    if (!fractionPart.empty())
        text += locale.decimalPoint() + QString::fromLatin1(fractionPart);
    if (value < 0)
        text.prepend(u'-');
    return text;
}
