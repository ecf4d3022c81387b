// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/appinfo.h"
#include "gui/drawncolours.h"
#include "gui/mainwindow.h"
#include "gui/translations.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::version());
    QGuiApplication::setDesktopFileName(AppInfo::appId());
    installFrenchQtTexts(app);
    keepDrawnColours();

    // Lat and Long live in the folder the program is started from.
    MainWindow window(QDir::currentPath());
    window.show();
    return QApplication::exec();
}
