// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// For any finite double, NumberText writes plain decimal with at most 15
// significant digits that reads back as the value rounded to 15 digits.
#include "core/numbertext.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double value;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;

    const QString text = NumberText(value, QLocale::c());
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    if (!plain.match(text).hasMatch())
        std::abort();
    QString digits = text;
    digits.remove(u'-').remove(u'.');
    while (digits.startsWith(u'0') && digits.size() > 1)
        digits.remove(0, 1);
    while (digits.endsWith(u'0') && digits.size() > 1)
        digits.chop(1);
    if (digits.size() > 15)
        std::abort();

    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    if (std::strtod(text.toLatin1().constData(), nullptr) != std::strtod(rounded, nullptr))
        std::abort();
    if (text == u"-0" || (value != 0) != (text != u"0"))
        std::abort();

    // The French text is the same with a comma.
    if (NumberText(value, QLocale(QLocale::French)) != QString(text).replace(u'.', u','))
        std::abort();
    return 0;
}
