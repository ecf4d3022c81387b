// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// A short tour of the real program for machines without a display: it types the
// Paris example as a person would, prints the results, and saves a picture of
// each window. Run it under a virtual X server; it ends by itself, and fails
// unless the program gave the example's known answer (165,98 and 33 in a French
// locale).
#include "core/appinfo.h"
#include "gui/drawncolours.h"
#include "gui/mainwindow.h"
#include "gui/translations.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTextStream>

namespace {

QTextStream out(stdout);

// Types into whichever control has the focus, key by key, as the keyboard would.
void type(const QString& keys)
{
    for (QChar key : keys)
        QTest::keyClicks(QApplication::focusWidget(), QString(key));
    QTest::qWait(50);
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QTest::qWait(50);
}

void click(QWidget& window, const char* name)
{
    QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
    QTest::qWait(50);
}

bool save(QWidget* window, const QDir& folder, const QString& file)
{
    QTest::qWait(200);
    const QString path = folder.absoluteFilePath(file);
    // What the screen shows: a widget painted into a picture at a fractional scale
    // loses the right and bottom edges of its fields, the window on screen does not.
    if (!window->screen()->grabWindow(window->winId()).save(path))
        return false;
    out << "  " << path << Qt::endl;
    return true;
}

QAction* menuItem(QMainWindow& window, const char* name)
{
    return window.menuBar()->findChild<QAction*>(QLatin1String(name));
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::version());
    installFrenchQtTexts(app);
    keepDrawnColours();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    MainWindow window(QDir::currentPath());
    window.show();
    // A bare X server has no window manager to activate the window: ask for it.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        out << "The main window did not open." << Qt::endl;
        return 1;
    }

    out << "Satellite 13 E, site 48 51 N, 2 21 E (Paris)" << Qt::endl;
    type(QStringLiteral("13")); // the window opens in the satellite position
    press(Qt::Key_Tab);
    type(QStringLiteral("e")); // on to Calcul by itself
    click(window, "efface"); // start the site afresh, whatever the files held
    type(QStringLiteral("48")); // the 4 passes unchecked after Effacer, the 8 moves on to M
    type(QStringLiteral("51n"));
    press(Qt::Key_Tab);
    type(QStringLiteral("2"));
    press(Qt::Key_Tab);
    type(QStringLiteral("21e"));
    click(window, "Calcul");

    const QString azimuth = window.text(Field::Azdg);
    const QString elevation = window.text(Field::Eldg);
    out << "Azimut " << azimuth << ", Elévation " << elevation << Qt::endl;

    out << "Screenshots:" << Qt::endl;
    bool saved = save(&window, folder, QStringLiteral("zelmo-main.png"));
    menuItem(window, "aid")->trigger();
    saved = save(window.helpWindow(), folder, QStringLiteral("zelmo-aide.png")) && saved;
    menuItem(window, "prop")->trigger();
    saved = save(window.aboutWindow(), folder, QStringLiteral("zelmo-info.png")) && saved;

    window.close();
    const QLocale locale;
    const bool expected = azimuth == locale.toString(165.98) && elevation == locale.toString(33);
    if (!expected)
        out << "Expected: Azimut " << locale.toString(165.98) << ", Elévation "
            << locale.toString(33) << Qt::endl;
    return saved && expected ? 0 : 1;
}
