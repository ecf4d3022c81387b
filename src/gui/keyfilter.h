// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Alt or Ctrl with a letter is a command, never typing: on the desktop the window
// was drawn for, it never reaches a text box. Standard shortcuts (copy, paste,
// undo…) still work. Ctrl and Alt together is AltGr on Windows ("@", "#", "€" on
// a French keyboard): that text reaches the box, as in Qt's own line edit.
class NoTypingWithModifiers : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
