// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// ReadNumber against a plain reading of its rule: leading blanks, a sign, digits
// holding at most one full stop; the decimal prefix then converted by strtod in
// the C locale.
#include "core/readnumber.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

double reference(const QString& text)
{
    int i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::string prefix;
    bool stop = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9')
            prefix += char(c);
        else if (c == u'.' && !stop)
            stop = true, prefix += '.';
        else
            break;
    }
    if (prefix.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    const double value = std::strtod(prefix.c_str(), nullptr);
    return negative ? -value : value;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double read = ReadNumber(text);
    const double expected = reference(text);
    if (read != expected && !(std::isnan(read) && std::isnan(expected)))
        std::abort();
    return 0;
}
