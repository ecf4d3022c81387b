#pragma once

#include "app/desktophost.h"
#include "common/formhost.h"

#include <QStringList>
#include <QWidget>

// Records beeps and messages instead of sounding and opening modal boxes, and
// moves the focus in the real window as the desktop would.
class WindowHost : public FormHost {
public:
    QWidget* window = nullptr;
    int beeps = 0;
    QStringList messages;

    void beep() override { ++beeps; }
    void showMessage(const QString& text) override { messages << text; }
    void giveFocus(const QString& controlName) override
    {
        if (window)
            focusControl(*window, controlName);
    }
};
