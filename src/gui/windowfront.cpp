// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/windowfront.h"

#include <QWidget>

void showInFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
