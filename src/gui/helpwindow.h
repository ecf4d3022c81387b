#pragma once

#include "gui/secondarywindow.h"

// "Aide": the instructions on a light yellow page.
class HelpWindow : public SecondaryWindow {
    Q_OBJECT
public:
    HelpWindow();
};
