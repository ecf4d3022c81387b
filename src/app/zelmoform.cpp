#include "app/zelmoform.h"

#include "calc/computeazel.h"
#include "common/numbertext.h"
#include "site/sitestore.h"

ZelmoForm::ZelmoForm(Fields& fields, FormHost& host)
    : m_fields(fields)
    , m_host(host)
    , m_entry(fields, host)
{
}

void ZelmoForm::load() { LoadSite(m_fields, m_entry); }

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
    if (const auto error = SaveSite(m_fields))
        m_host.showMessage(*error);
}

void ZelmoForm::efface() { m_entry.clearSite(); }

void ZelmoForm::efface2() { m_entry.clearSatellite(); }
