// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

// A finite double as the user reads it: plain decimal notation (never an exponent),
// at most 15 significant digits, no trailing zeros, no separator for a whole value,
// a zero before the separator below 1, no thousands separator, and the locale's
// decimal separator. Minus zero shows as "0".
// A value that is not finite gives an empty text.
QString NumberText(double value, const QLocale& locale = QLocale());
