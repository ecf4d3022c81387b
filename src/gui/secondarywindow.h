// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPushButton;

// A window opened beside the main one, modeless and without an owner. Its OK
// button hides it (it stays alive for the next request); its frame's close box
// discards it.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    void showAndActivate();

signals:
    void dismissed(); // OK was pressed: the main window comes to the front

protected:
    SecondaryWindow(const char* name, const QString& caption, QSize clientSize);
    QPushButton* addOkButton(QWidget* parent, QRect geometry);
};
