// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/secondarywindow.h"

// "Aide": the instructions on a light yellow page.
class HelpWindow : public SecondaryWindow {
    Q_OBJECT
public:
    HelpWindow();
};
