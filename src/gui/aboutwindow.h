// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/secondarywindow.h"

// "Info": the program's title and who made it, on an apricot panel.
class AboutWindow : public SecondaryWindow {
    Q_OBJECT
public:
    AboutWindow();

protected:
    // The panel has the focus whenever the window is shown, so Enter presses nothing.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_panel = nullptr;
};
