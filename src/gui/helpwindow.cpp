// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/helpwindow.h"

#include "core/helptext.h"
#include "gui/formlayout.h"

#include <QLabel>

HelpWindow::HelpWindow()
    : SecondaryWindow("Aide", QStringLiteral("Aide"), twips(0, 0, 6765, 7110).size())
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/flag-16.png"));
    icon.addFile(QStringLiteral(":/flag-32.png"));
    setWindowIcon(icon);
    setFont(sansFont(8.25));
    const QColor lightYellow(255, 255, 192);
    setBackground(this, lightYellow);

    addOkButton(this, twips(3150, 6630, 435, 435));

    // The text keeps its CR LF line ends; the label breaks lines at LF alone.
    const QString text = HelpText();
    auto* instructions = addLabel(this, "Label1", twips(30, 480, 6705, 5955),
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    instructions->setFont(arialFont(9.75));
    instructions->setWordWrap(true);
    instructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColor(instructions, QColor(0, 0, 192));

    auto* title = addLabel(
        this, "Label2", twips(1110, 30, 4545, 405), QStringLiteral("Vantor Géostationnaires"));
    title->setFont(serifFont(14.25, true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(title, QColor(192, 0, 0));
}
