#include "common/field.h"

QString fieldName(Field field)
{
    switch (field) {
    case Field::D:
        return QStringLiteral("D");
    case Field::M:
        return QStringLiteral("M");
    case Field::ns:
        return QStringLiteral("ns");
    case Field::D2:
        return QStringLiteral("D2");
    case Field::M2:
        return QStringLiteral("M2");
    case Field::eo:
        return QStringLiteral("eo");
    case Field::D3:
        return QStringLiteral("D3");
    case Field::eo2:
        return QStringLiteral("eo2");
    case Field::Azdg:
        return QStringLiteral("Azdg");
    case Field::Eldg:
        return QStringLiteral("Eldg");
    }
    return {};
}
