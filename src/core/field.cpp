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
