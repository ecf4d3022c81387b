// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installFrenchQtTexts(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_fr");
    if (translator->load(name, QStringLiteral(":/translations"))
        || translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
