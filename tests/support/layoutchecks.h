// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/formlayout.h"

#include <QFontDatabase>
#include <QSize>
#include <QString>
#include <QTest>

// Whether a caption fits is only known with the faces the windows are drawn with.
inline void requireLayoutFaces()
{
    for (const QString& face : { sansFamily(), arialFamily(), serifFamily() }) {
        if (!QFontDatabase::hasFamily(face))
            QFAIL(qPrintable(QStringLiteral("The face \"%1\" is not installed: captions cannot "
                                            "be measured.")
                                 .arg(face)));
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
