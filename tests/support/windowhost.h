// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/formhost.h"
#include "gui/desktophost.h"

#include <QStringList>
#include <QWidget>

// Records beeps and messages instead of sounding and opening modal boxes, and
// moves the focus in the real window as the desktop would.
class WindowHost : public FormHost {
public:
    QWidget* window = nullptr;
    int beeps = 0;
    QStringList messages;

    void beep() override { ++beeps; }
    void showMessage(const QString& text) override { messages << text; }
    void giveFocus(Control control) override
    {
        if (window)
            focusControl(*window, control);
    }
};
