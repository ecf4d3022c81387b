// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

// The number a text begins with: leading blanks, an optional sign, then digits
// holding at most one full stop. Reading stops at the first character that cannot
// continue the number (a comma included), so "69,5" reads as 69. The full stop is
// the separator whatever the locale. A text that does not begin with a number reads
// as 0; one too large for a double reads as infinity. Linear in the text.
double ReadNumber(QStringView text);
