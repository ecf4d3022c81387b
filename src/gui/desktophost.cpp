// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/desktophost.h"

#include "core/appinfo.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

DesktopHost::DesktopHost(QWidget& window)
    : m_window(window)
{
}

void DesktopHost::beep() { QApplication::beep(); }

void DesktopHost::showMessage(const QString& text)
{
    QMessageBox box(m_window.isVisible() ? &m_window : nullptr);
    box.setWindowTitle(AppInfo::title());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void DesktopHost::giveFocus(Control control) { focusControl(m_window, control); }

void focusControl(QWidget& window, Control control)
{
    if (!window.isVisible())
        return;
    auto* widget = window.findChild<QWidget*>(controlName(control));
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    // As when Tab brings the user there: what is typed next replaces the old text.
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
}
