// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/field.h"
#include "core/formhost.h"
#include "core/sitestore.h"
#include "core/zelmoform.h"

#include <QMap>
#include <QMetaEnum>
#include <QStringList>

#include <algorithm>
#include <functional>

// Stands in for the main window in logic tests: holds the field texts, runs the
// change handler at once, nested, when a write really changes a text (as
// QLineEdit::textChanged does), and records beeps, messages and focus moves.
class FormRecorder : public Fields, public FormHost {
public:
    std::function<void(Field)> changed;

    QString text(Field field) const override { return m_texts.value(field); }

    void setText(Field field, const QString& text) override
    {
        if (m_texts.value(field) == text)
            return;
        m_texts[field] = text;
        history[field] << text;
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        if (changed)
            changed(field);
        --depth;
    }

    // Fills a field as if it had always held the text: no change handling.
    void preset(Field field, const QString& text) { m_texts[field] = text; }

    // The user types, pastes or deletes: one change per text, each the field's
    // whole text afterwards.
    void change(Field field, const QStringList& texts)
    {
        for (const QString& text : texts)
            setText(field, text);
    }

    void beep() override { ++beeps; }
    void showMessage(const QString& text) override
    {
        messages << text;
        textsBehindMessages << m_texts;
    }
    void giveFocus(Control control) override { focusMoves << controlName(control); }

    int beeps = 0;
    QStringList messages;
    QList<QMap<Field, QString>> textsBehindMessages; // what the fields held as each showed
    QStringList focusMoves; // the controls' names
    QMap<Field, QStringList> history; // every text each field took, in turn
    int depth = 0;
    int maxDepth = 0;

private:
    QMap<Field, QString> m_texts;
};

inline Field fieldNamed(const QString& name)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<Field>().keyToValue(qPrintable(name), &ok);
    if (!ok)
        qFatal("no field named %s", qPrintable(name));
    return static_cast<Field>(value);
}

// The main window's logic on a recorder, its change handlers wired in, its site
// files in the folder given.
struct RecordedForm {
    FormRecorder recorder;
    ZelmoForm form;

    explicit RecordedForm(const QString& siteFolder, StagedFileFactory stage = stageWithSaveFile)
        : form(recorder, recorder, SiteStore(siteFolder, std::move(stage)))
    {
        recorder.changed = [this](Field field) { form.fieldChanged(field); };
    }
};
