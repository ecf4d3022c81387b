// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/formhost.h"

class QWidget;

// The real desktop: the system beep, a modal QMessageBox, and focus moves among
// the children of the main window.
class DesktopHost : public FormHost {
public:
    explicit DesktopHost(QWidget& window);

    void beep() override;
    void showMessage(const QString& text) override;
    void giveFocus(Control control) override;

private:
    QWidget& m_window;
};

// Gives the focus to a control of the window; dropped while the window is not
// shown yet (it opens with the focus in D3 whatever was asked before).
void focusControl(QWidget& window, Control control);
