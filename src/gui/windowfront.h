#pragma once

class QWidget;

// Shows a top-level window, raised above the others and active.
void showInFront(QWidget& window);
