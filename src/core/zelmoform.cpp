// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/zelmoform.h"

#include "core/computeazel.h"
#include "core/numbertext.h"

ZelmoForm::ZelmoForm(Fields& fields, FormHost& host, SiteStore store)
    : m_fields(fields)
    , m_host(host)
    , m_store(std::move(store))
    , m_entry(fields, host)
{
}

void ZelmoForm::load() { LoadSite(); }

// Each write is marked as the program's own (SkipChange), so only ns is checked
// as if typed. Whatever the files held, every complete record is written in turn.
void ZelmoForm::LoadSite()
{
    const LoadedSite site = m_store.load();
    writeLoaded(latFields, site.lat);
    writeLoaded(longFields, site.lon);
}

void ZelmoForm::writeLoaded(SiteFields fields, const QList<SiteRecord>& records)
{
    for (const SiteRecord& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            m_entry.armSkipChange();
            m_fields.setText(fields[i], record[i]);
        }
    }
}

SiteRecord ZelmoForm::recordOf(SiteFields fields) const
{
    SiteRecord record;
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = m_fields.text(fields[i]);
    return record;
}

void ZelmoForm::fieldChanged(Field field) { m_entry.fieldChanged(field); }

void ZelmoForm::calcul()
{
    const auto text = [this](Field field) { return m_fields.text(field); };
    const Pointing pointing = ComputeAzEl({
        text(Field::D),
        text(Field::M),
        text(Field::ns),
        text(Field::D2),
        text(Field::M2),
        text(Field::eo),
        text(Field::D3),
        text(Field::eo2),
    });
    const bool incomplete = pointing.status == PointingStatus::SatelliteIncomplete
        || pointing.status == PointingStatus::SiteIncomplete;
    // A computation that got past the checks cancels a pending SkipChange.
    if (!incomplete)
        m_entry.cancelSkipChange();
    if (pointing.status != PointingStatus::Done) {
        m_host.beep();
        m_host.showMessage(pointingMessage(pointing.status));
        return;
    }
    m_fields.setText(Field::Azdg, NumberText(pointing.azimuth));
    m_fields.setText(Field::Eldg, NumberText(pointing.elevation));
}

void ZelmoForm::enregistrer()
{
    if (const auto error = m_store.save(recordOf(latFields), recordOf(longFields)))
        m_host.showMessage(*error);
}

void ZelmoForm::efface() { m_entry.clearSite(); }

void ZelmoForm::efface2() { m_entry.clearSatellite(); }
