#pragma once

#include "common/field.h"
#include "common/formhost.h"
#include "entry/entryrules.h"

// What each action of the main window does, with no widget in it: the window
// forwards its events here and shows what happens through Fields and FormHost.
class ZelmoForm {
public:
    ZelmoForm(Fields& fields, FormHost& host);

    void load(); // once, before the window is first shown
    void fieldChanged(Field field);
    void calcul();
    void enregistrer();
    void efface();
    void efface2();

    qint16 SkipChange() const { return m_entry.SkipChange(); }

private:
    Fields& m_fields;
    FormHost& m_host;
    EntryRules m_entry;
};
