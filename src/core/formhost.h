// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/field.h"

#include <QString>

// What the logic asks of the desktop: the window answers with a real beep, a
// modal message box and a focus move; tests record the requests instead.
class FormHost {
public:
    FormHost() = default;
    Q_DISABLE_COPY_MOVE(FormHost)
    virtual ~FormHost() = default;
    virtual void beep() = 0;
    // Modal, titled "Zelmo", one OK button, no icon; returns once it is closed.
    virtual void showMessage(const QString& text) = 0;
    virtual void giveFocus(Control control) = 0;
};
