// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/field.h"

#include <QMetaEnum>

namespace {

template <typename Enum> QString enumeratorName(Enum value)
{
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(static_cast<int>(value)));
}

}

QString fieldName(Field field) { return enumeratorName(field); }

QString controlName(Control control) { return enumeratorName(control); }

QString spokenName(Field field)
{
    switch (field) {
    case Field::D:
        return QStringLiteral("Latitude, degrés");
    case Field::M:
        return QStringLiteral("Latitude, minutes");
    case Field::ns:
        return QStringLiteral("Latitude, nord ou sud");
    case Field::D2:
        return QStringLiteral("Longitude, degrés");
    case Field::M2:
        return QStringLiteral("Longitude, minutes");
    case Field::eo:
        return QStringLiteral("Longitude, est ou ouest");
    case Field::D3:
        return QStringLiteral("Position du satellite");
    case Field::eo2:
        return QStringLiteral("Satellite, est ou ouest");
    case Field::Azdg:
        return QStringLiteral("Azimut");
    case Field::Eldg:
        return QStringLiteral("Elévation");
    }
    return {};
}
