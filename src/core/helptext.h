// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The help window's instructions: 22 lines joined by CR LF, built as the window
// loads. The window shows the CR LF as line breaks.
QString HelpText();
