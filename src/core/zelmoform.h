// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/entryrules.h"
#include "core/field.h"
#include "core/formhost.h"
#include "core/sitestore.h"

#include <array>

// What each action of the main window does, with no widget in it: the window
// forwards its events here and shows what happens through Fields and FormHost.
class ZelmoForm {
public:
    ZelmoForm(Fields& fields, FormHost& host, SiteStore store);

    void load(); // once, before the window is first shown
    void fieldChanged(Field field);
    void calcul();
    void enregistrer();
    void efface();
    void efface2();

    qint16 SkipChange() const { return m_entry.SkipChange(); }

private:
    using SiteFields = std::array<Field, 3>;
    static constexpr SiteFields latFields { Field::D, Field::M, Field::ns };
    static constexpr SiteFields longFields { Field::D2, Field::M2, Field::eo };

    void LoadSite();
    void writeLoaded(SiteFields fields, const QList<SiteRecord>& records);
    SiteRecord recordOf(SiteFields fields) const;

    Fields& m_fields;
    FormHost& m_host;
    SiteStore m_store;
    EntryRules m_entry;
};
