// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/mainwindow.h"
#include "support/windowhost.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

// The real main window, reading its site files from the folder given, with beeps
// and messages recorded.
struct Window {
    WindowHost host;
    MainWindow window;

    explicit Window(const QString& siteFolder)
        : window(siteFolder, &host)
    {
        host.window = &window;
    }

    bool show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    template <typename T = QWidget> T* control(const QString& name) const
    {
        return window.findChild<T*>(name);
    }
    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }
    // A field that already holds a text, with no change handling, and has the
    // focus with the cursor at its end: what the user types next is added to it.
    QLineEdit* focusFilled(const QString& name, const QString& text) const
    {
        QLineEdit* edit = field(name);
        edit->blockSignals(true);
        edit->setText(text);
        edit->blockSignals(false);
        edit->setFocus();
        edit->end(false);
        return edit;
    }
    QString focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    // Types key by key into whichever control has the focus.
    void type(const QString& keys)
    {
        for (QChar key : keys)
            QTest::keyClicks(QApplication::focusWidget(), QString(key));
    }
    // The window shown, and the one named: "Zelmo" itself, or its "Aide" or "Info"
    // opened from it. Null when it could not be shown.
    QWidget* open(const QString& which)
    {
        if (!show())
            return nullptr;
        if (which == u"Aide") {
            window.openHelp();
            return window.helpWindow();
        }
        if (which == u"Info") {
            window.openAbout();
            return window.aboutWindow();
        }
        return &window;
    }
    QAction* menuItem(const QString& name) const
    {
        return window.menuBar()->findChild<QAction*>(name);
    }
};
