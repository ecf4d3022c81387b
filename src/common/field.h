#pragma once

#include <QString>

// The ten text boxes of the main window. Their names are the controls' object names.
enum class Field { D, M, ns, D2, M2, eo, D3, eo2, Azdg, Eldg };

QString fieldName(Field field);

// Read and write access to the fields' texts.
class Fields {
public:
    virtual ~Fields() = default;
    virtual QString text(Field field) const = 0;
    // Like QLineEdit::setText: when the text really changes, the field's change
    // handling runs at once, before this returns; an unchanged text raises nothing.
    virtual void setText(Field field, const QString& text) = 0;
};
