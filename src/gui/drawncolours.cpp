// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/drawncolours.h"

#include <QApplication>
#include <QPalette>

namespace {

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness()
        < palette.color(QPalette::WindowText).lightness();
}

}

// For the whole application, not window by window: the frames' style sheet
// gives the controls inside them the application's palette, not their window's.
void keepDrawnColours()
{
    if (isDark(QApplication::palette()))
        QApplication::setPalette(QPalette(QColor(239, 239, 239))); // all derived from the face
}
