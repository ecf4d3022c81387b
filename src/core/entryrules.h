// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/field.h"
#include "core/formhost.h"

#include <QStringView>
#include <QtGlobal>

// True when the text holds a character other than "0" to "9".
bool CheckDigits(QStringView text);
// True when the text holds a character other than "0" to "9", "," and ".".
bool CheckDecimal(QStringView text);

// The checks that run at every change of an input field, and the two clear
// commands. Each field's handler is run by the window whenever the field's text
// really changes, typed or written by the program; a write made here runs the
// same field's handler again at once, nested, and the outer run then goes on
// with whatever the field holds.
class EntryRules {
public:
    EntryRules(Fields& fields, FormHost& host);

    // The change handler of an input field (D, M, ns, D2, M2, eo, D3, eo2).
    void fieldChanged(Field field);

    void clearSite(); // "Effacer" of the site group
    void clearSatellite(); // "Effacer" of the satellite group

    // SkipChange marks the next write as the program's own: the next change of a
    // field that honours it consumes it and passes unchecked. The ns field never
    // looks at it.
    qint16 SkipChange() const { return m_skipChange; }
    void armSkipChange() { m_skipChange = 1; }
    void cancelSkipChange() { m_skipChange = 0; }

private:
    void numericChanged(Field field);
    void hemisphereChanged();
    void sideChanged(Field field);
    bool consumeSkipChange();
    void upperCase(Field field);

    Fields& m_fields;
    FormHost& m_host;
    qint16 m_skipChange = 0;
};
