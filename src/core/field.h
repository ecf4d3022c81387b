// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

// The controls of the main window. Enumerators carry the controls' object names,
// the short French names of the window's layout, rather than this code's own
// camelCase: a name read in a test failure is the name on the window.
namespace Zelmo {
Q_NAMESPACE

// The ten text boxes.
enum class Field { D, M, ns, D2, M2, eo, D3, eo2, Azdg, Eldg };
Q_ENUM_NS(Field)

// Every control that takes the focus: the text boxes first, in the order of Field.
enum class Control { D, M, ns, D2, M2, eo, D3, eo2, Azdg, Eldg, Calcul, Q, efface, efface2, Enreg };
Q_ENUM_NS(Control)
}

using Zelmo::Control;
using Zelmo::Field;

constexpr Control controlOf(Field field) { return static_cast<Control>(static_cast<int>(field)); }
static_assert(controlOf(Field::D) == Control::D && controlOf(Field::Eldg) == Control::Eldg);

QString fieldName(Field field);
QString controlName(Control control);
// What a screen reader says for each field (its tooltip, if any, is the description).
QString spokenName(Field field);

// Read and write access to the fields' texts.
class Fields {
public:
    Fields() = default;
    Q_DISABLE_COPY_MOVE(Fields)
    virtual ~Fields() = default;
    virtual QString text(Field field) const = 0;
    // Like QLineEdit::setText: when the text really changes, the field's change
    // handling runs at once, before this returns; an unchanged text raises nothing.
    virtual void setText(Field field, const QString& text) = 0;
};
