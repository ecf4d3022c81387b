// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/keyfilter.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

bool isStandardShortcut(const QKeyEvent& key)
{
    for (int k = QKeySequence::HelpContents; k <= QKeySequence::Cancel; ++k) {
        if (key.matches(static_cast<QKeySequence::StandardKey>(k)))
            return true;
    }
    return false;
}

bool keepsOut(const QKeyEvent& key)
{
    const auto modifiers = key.modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    const bool modified = modifiers == Qt::AltModifier || modifiers == Qt::ControlModifier;
    const bool typesText = !key.text().isEmpty() && key.text().front().isPrint();
    return modified && typesText && !isStandardShortcut(key);
}

}

bool NoTypingWithModifiers::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && keepsOut(*static_cast<QKeyEvent*>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}
