// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/aboutwindow.h"

#include "core/appinfo.h"
#include "gui/formlayout.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* addLine(
    QWidget* panel, const char* name, QRect geometry, const QString& text, const QFont& font)
{
    auto* label = addLabel(panel, name, geometry, text);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

}

AboutWindow::AboutWindow()
    : SecondaryWindow("Infos", QStringLiteral("Info"), twips(0, 0, 5190, 4140).size())
{
    QIcon icon(QStringLiteral(":/info-32.png"));
    setWindowIcon(icon);
    setFont(sansFont(8.25));

    auto* panel = new QWidget(this);
    m_panel = panel;
    panel->setObjectName(QStringLiteral("Picture1"));
    panel->setGeometry(twips(0, 0, 5175, 4095));
    panel->setFocusPolicy(Qt::StrongFocus);
    setBackground(panel, QColor(255, 224, 192));

    const QFont regular = font();
    addLine(
        panel, "Label1", twips(120, 120, 4935, 375), QStringLiteral("VANTOR"), serifFont(18, true));
    addLine(panel, "Label2", twips(360, 480, 4335, 255), QString(29, u'_'), regular);
    addLine(panel, "Label8", twips(360, 720, 4335, 255), QString(), regular);
    addLine(panel, "Label4", twips(360, 960, 4335, 495),
        QStringLiteral("%1, version %2").arg(AppInfo::title(), AppInfo::version()),
        serifFont(12, true, true));
    addLine(panel, "Label3", twips(360, 1440, 4335, 255), QString(), regular);
    addLine(panel, "Label5", twips(360, 1680, 4335, 495),
        QStringLiteral("Pointage des antennes satellite"), serifFont(12, true));
    addLine(panel, "Label7", twips(360, 2160, 4335, 615), QStringLiteral("Azimut et Elévation"),
        serifFont(18, true));
    addLine(panel, "Label6", twips(360, 2760, 4335, 255), QString(), regular);
    addLine(panel, "Label9", twips(360, 3000, 4335, 375),
        QStringLiteral("Réalisé par l'équipe Zelmo"), sansFont(9.75, true, true));

    auto* ok = addOkButton(panel, twips(2190, 3480, 645, 495));
    setTabOrder(panel, ok);
}

void AboutWindow::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    m_panel->setFocus(Qt::OtherFocusReason);
}
