// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/readnumber.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

}

double ReadNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }

    // Only ASCII digits and one full stop get here, so Latin-1 keeps them intact.
    std::string number;
    bool seenStop = false;
    bool seenDigit = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (isAsciiDigit(c)) {
            seenDigit = true;
        } else if (c == u'.' && !seenStop) {
            seenStop = true;
        } else {
            break;
        }
        number += c.toLatin1();
    }
    if (!seenDigit)
        return 0.0;

    double value = 0.0;
    const char* first = number.data();
    const auto result = std::from_chars(first, first + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow needs a non-zero digit before the stop; anything else is an underflow.
        const std::string whole = number.substr(0, number.find('.'));
        const bool huge = whole.find_first_not_of('0') != std::string::npos;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}
