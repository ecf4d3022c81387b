#pragma once

#include "gui/secondarywindow.h"

// "Info": the program's title and who made it, on an apricot panel.
class AboutWindow : public SecondaryWindow {
    Q_OBJECT
public:
    AboutWindow();
};
