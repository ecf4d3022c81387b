// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/entryrules.h"

#include "core/readnumber.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString emptyText() { return QString(); }

struct NumericRule {
    Field field;
    double bound; // a value strictly above it empties the field
    qsizetype maxLength;
    bool decimal; // decimals allowed, and a refused character beeps
    qsizetype advanceLength; // 0: the focus never moves on
    Control next; // where the focus goes at the advance length
};

constexpr std::array<NumericRule, 5> numericRules { {
    { Field::D, 89, 2, false, 2, Control::M },
    { Field::M, 59, 2, false, 2, Control::ns },
    { Field::D2, 179, 3, false, 3, Control::M2 },
    { Field::M2, 59, 2, false, 2, Control::eo },
    { Field::D3, 69, 5, true, 0, Control::D3 },
} };

}

bool CheckDigits(QStringView text) { return !std::all_of(text.begin(), text.end(), isAsciiDigit); }

bool CheckDecimal(QStringView text)
{
    return !std::all_of(text.begin(), text.end(),
        [](QChar c) { return isAsciiDigit(c) || c == u',' || c == u'.'; });
}

EntryRules::EntryRules(Fields& fields, FormHost& host)
    : m_fields(fields)
    , m_host(host)
{
}

void EntryRules::fieldChanged(Field field)
{
    switch (field) {
    case Field::ns:
        hemisphereChanged();
        return;
    case Field::eo:
    case Field::eo2:
        sideChanged(field);
        return;
    case Field::D:
    case Field::M:
    case Field::D2:
    case Field::M2:
    case Field::D3:
        numericChanged(field);
        return;
    case Field::Azdg:
    case Field::Eldg:
        return; // results have no change handling
    }
}

bool EntryRules::consumeSkipChange()
{
    if (m_skipChange != 1)
        return false;
    m_skipChange = 0;
    return true;
}

void EntryRules::numericChanged(Field field)
{
    if (consumeSkipChange())
        return;
    const NumericRule& rule = *std::find_if(numericRules.begin(), numericRules.end(),
        [field](const NumericRule& r) { return r.field == field; });
    const QString text = m_fields.text(rule.field);
    if (text.isEmpty())
        return;
    // The length first: a pasted megabyte is refused without being read.
    if (text.size() > rule.maxLength || ReadNumber(text) > rule.bound) {
        m_fields.setText(rule.field, emptyText());
        return;
    }
    const bool refused = rule.decimal ? CheckDecimal(text) : CheckDigits(text);
    if (refused) {
        if (rule.decimal)
            m_host.beep();
        m_fields.setText(rule.field, emptyText());
        return;
    }
    if (rule.advanceLength != 0 && text.size() == rule.advanceLength)
        m_host.giveFocus(rule.next);
}

void EntryRules::upperCase(Field field)
{
    m_fields.setText(field, QLocale().toUpper(m_fields.text(field)));
}

void EntryRules::hemisphereChanged()
{
    upperCase(Field::ns);
    const QString letter = m_fields.text(Field::ns);
    if (letter != u"N" && letter != u"S") {
        m_fields.setText(Field::ns, emptyText());
        return;
    }
    if (m_fields.text(Field::D).isEmpty()) {
        m_fields.setText(Field::ns, emptyText());
        m_host.showMessage(QStringLiteral("Remplir la case degrés."));
    }
}

void EntryRules::sideChanged(Field field)
{
    upperCase(field);
    if (consumeSkipChange())
        return;
    const QString letter = m_fields.text(field);
    if (letter != u"E" && letter != u"O") {
        m_fields.setText(field, emptyText());
        return;
    }
    if (field == Field::eo2) {
        m_host.giveFocus(Control::Calcul);
        return;
    }
    if (m_fields.text(Field::ns).isEmpty()) {
        m_fields.setText(Field::eo, emptyText());
        m_host.showMessage(QStringLiteral("Choisir d'abord N ou S"));
    }
    m_host.giveFocus(Control::D3);
}

void EntryRules::clearSite()
{
    for (Field field : { Field::D, Field::M, Field::D2, Field::M2, Field::ns, Field::eo })
        m_fields.setText(field, emptyText());
    armSkipChange();
    m_host.giveFocus(Control::D);
}

void EntryRules::clearSatellite()
{
    for (Field field : { Field::eo2, Field::D3 })
        m_fields.setText(field, emptyText());
    armSkipChange();
    m_host.giveFocus(Control::D3);
}
