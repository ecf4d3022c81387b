// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/helptext.h"

#include <array>

namespace {

// Each line as stored; an empty entry is an empty line.
constexpr std::array<const char16_t*, 22> helpLines { {
    u" A la première mise en service, remplacez les coordonnées géographiques",
    u" par les coordonnées de votre ville.",
    u" Longitude et Latitude en degrés et minutes.  ",
    u" Les points cardinaux sous la forme N ou S et E ou O",
    u" Ensuite enregistrez vos coordonnées une fois pour toutes.",
    u"",
    u" Vous pouvez changer les coordonnées de votre ville par ceux",
    u" d'une autre ville.(France et une partie Europe)",
    u"",
    u" Entrez la position du satellite désiré: exemple 13 ou 27.5",
    u" et le point cardinal E ou O.",
    u"",
    u" Lorsque toutes les données ont été rentrées, appuyez sur",
    u" la touche Calcul pour les résultats.",
    u" Les résultats sont donnés sous forme décimale.",
    u" Exemple: Azimut 227,31 - Elévation 28,82",
    u"",
    u" Pour vos déplacer d'une case à l'autre,",
    u" utilisez la touche TAB ou le curseur souris.",
    u"",
    u" Le fichier Zelmo.exe et les fichiers texte Lat et Long",
    u" doivent être placés dans un même répertoire.",
} };

}

QString HelpText()
{
    // Every line after the first starts on a new line with one more blank.
    QString text = QString::fromUtf16(helpLines[0]);
    for (std::size_t i = 1; i < helpLines.size(); ++i)
        text += QStringLiteral("\r\n ") + QString::fromUtf16(helpLines[i]);
    return text;
}
