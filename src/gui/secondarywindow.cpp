// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/secondarywindow.h"

#include "gui/formlayout.h"
#include "gui/windowfront.h"

#include <QPushButton>

SecondaryWindow::SecondaryWindow(const char* name, const QString& caption, QSize clientSize)
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    resize(clientSize);
}

QPushButton* SecondaryWindow::addOkButton(QWidget* parent, QRect geometry)
{
    auto* ok = addButton(parent, "Command1", geometry, QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, [this] {
        hide();
        emit dismissed();
    });
    return ok;
}

void SecondaryWindow::showAndActivate() { showInFront(*this); }
