// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Shows a top-level window, raised above the others and active.
void showInFront(QWidget& window);
