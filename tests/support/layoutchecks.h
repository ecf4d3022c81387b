// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/formlayout.h"

#include <QFontInfo>
#include <QSize>
#include <QString>
#include <QTest>

// Whether a caption fits is only known with the faces the windows are drawn with,
// or their stand-ins.
inline void requireLayoutFaces()
{
    for (const QFont& font : { sansFont(8.25), arialFont(9.75), serifFont(18) }) {
        const QString resolved = QFontInfo(font).family();
        if (!font.families().contains(resolved))
            QFAIL(qPrintable(QStringLiteral("None of the faces %1 is installed (%2 instead): "
                                            "captions cannot be measured.")
                                 .arg(font.families().join(QStringLiteral(", ")), resolved)));
    }
}

inline QString fitFailure(const QString& control, const QSize& needed, const QSize& available)
{
    return QStringLiteral("%1 needs %2x%3 px, has %4x%5")
        .arg(control)
        .arg(needed.width())
        .arg(needed.height())
        .arg(available.width())
        .arg(available.height());
}
