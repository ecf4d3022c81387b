// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// The three windows as drawn, control by control: caption or tooltip, face, size,
// weight, slant and colours; and what every button and menu item of the main
// window, and the two OK buttons, do when used.
#include "core/appinfo.h"
#include "core/helptext.h"
#include "gui/formlayout.h"
#include "gui/mainwindow.h"
#include "support/drawncolours.h"
#include "support/layoutchecks.h"
#include "support/sitefiles.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a control shows as its text: a window's caption, a field's tooltip.
QString shownText(const QWidget& control)
{
    if (control.isWindow())
        return control.windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->toolTip();
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return frame->title();
    return {};
}

// The families asked for a face of the drawing: "sans" (MS Sans Serif), "arial"
// or "serif" (Times New Roman). Off Windows the first two share their stand-in.
QStringList familiesOf(const QString& face)
{
    if (face == u"serif")
        return serifFamilies();
    return face == u"arial" ? arialFamilies() : sansFamilies();
}

// The main window's facts that its commands change.
QStringList stateOf(const Window& w, const QDir& folder)
{
    QStringList state;
    const auto empty = [&w](std::initializer_list<Field> fields) {
        return std::all_of(fields.begin(), fields.end(),
            [&w](Field field) { return w.window.text(field).isEmpty(); });
    };
    if (w.window.isVisible())
        state << QStringLiteral("main window open");
    if (w.window.helpWindow() && w.window.helpWindow()->isVisible())
        state << QStringLiteral("help open");
    if (w.window.aboutWindow() && w.window.aboutWindow()->isVisible())
        state << QStringLiteral("about open");
    if (empty({ Field::D, Field::M, Field::ns, Field::D2, Field::M2, Field::eo }))
        state << QStringLiteral("site empty");
    if (empty({ Field::D3, Field::eo2 }))
        state << QStringLiteral("satellite empty");
    if (!empty({ Field::Azdg, Field::Eldg }))
        state << QStringLiteral("results");
    if (folder.exists(QStringLiteral("Lat")) && folder.exists(QStringLiteral("Long")))
        state << QStringLiteral("site saved");
    if (!w.host.messages.isEmpty())
        state << QStringLiteral("message");
    return state;
}

}

class DrawnWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void controlsAsDrawn_data();
    void controlsAsDrawn();
    void commandsDoWhatTheySay_data();
    void commandsDoWhatTheySay();

private:
    QTemporaryDir m_folder;
};

void DrawnWindowsTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    requireLayoutFaces();
}

void DrawnWindowsTest::init()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    removeSiteFiles(m_folder.path());
}

void DrawnWindowsTest::controlsAsDrawn_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // caption, or a field's tooltip
    QTest::addColumn<QString>("face"); // sans, arial or serif
    QTest::addColumn<double>("points"); // 0: the largest that fits, up to the window's 8.25
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour"); // of the text; invalid: the toolkit's own
    QTest::addColumn<QColor>("background"); // behind the text; invalid: the toolkit's own

    const QColor standard;
    const QColor maroon(128, 0, 0);
    const QColor darkRed(192, 0, 0);
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    const QColor lightYellow(255, 255, 192);
    const QColor apricot(255, 224, 192);
    const auto row = [](const char* window, const char* name, const QString& text, const char* face,
                         double points, bool bold, bool italic, const QColor& colour,
                         const QColor& background) {
        QTest::addRow("%s %s", window, name)
            << QString::fromLatin1(window) << QString::fromLatin1(name) << text
            << QString::fromLatin1(face) << points << bold << italic << colour << background;
    };
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };

    row("Zelmo", "Zelmo", text("Vantor Azimut et Elévation"), "sans", 8.25, false, false, standard,
        standard);
    row("Zelmo", "Q", text("Quitter"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label1", text("VANTOR"), "serif", 18, true, false, darkRed, standard);
    row("Zelmo", "Picture3", QString(), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Frame1", text("Coordonnées géographiques"), "sans", 8.25, true, false, maroon,
        standard);
    row("Zelmo", "Frame2", text("Coordonnées du satellite"), "sans", 8.25, true, false, maroon,
        standard);
    row("Zelmo", "Calcul", text("Calcul"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Frame3", text("Satellite"), "sans", 8.25, true, false, maroon, standard);
    row("Zelmo", "Label11", text("degrés"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label12", text("minutes"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label13", text("points"), "sans", 0, false, false, standard, standard);
    row("Zelmo", "Label2", text("Latitude"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "D", QString(), "sans", 8.25, false, false, blue, white);
    row("Zelmo", "M", QString(), "sans", 8.25, false, false, blue, standard);
    row("Zelmo", "ns", text("Exemple N ou S "), "sans", 8.25, false, false, blue, standard);
    row("Zelmo", "Label4", text("Longitude"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "D2", QString(), "sans", 8.25, false, false, blue, standard);
    row("Zelmo", "M2", QString(), "sans", 8.25, false, false, blue, standard);
    row("Zelmo", "eo", text("Exemple E ou O"), "sans", 8.25, false, false, blue, standard);
    row("Zelmo", "efface", text("Effacer"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Enreg", text("Enregistrer"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label5", text("Position"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "D3", text("Exemple: 13 ou 19.2 "), "sans", 9.75, false, false, darkRed, standard);
    row("Zelmo", "Label7", text("degrés"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label6", text("Est/Ouest"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "eo2", text("Exemple E ou O "), "sans", 9.75, false, false, darkRed, standard);
    row("Zelmo", "efface2", text("Effacer"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label3", text("Azimut"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Azdg", QString(), "sans", 9.75, false, false, red, standard);
    row("Zelmo", "Label9", text("degrés"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Label8", text("Elévation"), "sans", 8.25, false, false, standard, standard);
    row("Zelmo", "Eldg", QString(), "sans", 9.75, false, false, red, standard);
    row("Zelmo", "Label10", text("degrés"), "sans", 8.25, false, false, standard, standard);

    row("Aide", "Aide", text("Aide"), "sans", 8.25, false, false, standard, lightYellow);
    row("Aide", "Command1", text("OK"), "sans", 8.25, false, false, standard, standard);
    row("Aide", "Label1", QString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        "arial", 9.75, false, false, QColor(0, 0, 192), lightYellow);
    row("Aide", "Label2", text("Vantor Géostationnaires"), "serif", 14.25, true, false, darkRed,
        lightYellow);

    row("Info", "Infos", text("Info"), "sans", 8.25, false, false, standard, standard);
    row("Info", "Picture1", QString(), "sans", 8.25, false, false, standard, apricot);
    row("Info", "Label1", text("VANTOR"), "serif", 18, true, false, standard, apricot);
    row("Info", "Label2", QString(29, u'_'), "sans", 8.25, false, false, standard, apricot);
    row("Info", "Label8", QString(), "sans", 8.25, false, false, standard, apricot);
    row("Info", "Label4", QStringLiteral("Zelmo, version ") + AppInfo::version(), "serif", 12, true,
        true, standard, apricot);
    row("Info", "Label3", QString(), "sans", 8.25, false, false, standard, apricot);
    row("Info", "Label5", text("Pointage des antennes satellite"), "serif", 12, true, false,
        standard, apricot);
    row("Info", "Label7", text("Azimut et Elévation"), "serif", 18, true, false, standard, apricot);
    row("Info", "Label6", QString(), "sans", 8.25, false, false, standard, apricot);
    row("Info", "Label9", text("Réalisé par l'équipe Zelmo"), "sans", 9.75, true, true, standard,
        apricot);
    row("Info", "Command1", text("OK"), "sans", 8.25, false, false, standard, standard);
}

void DrawnWindowsTest::controlsAsDrawn()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);
    QFETCH(QColor, background);

    Window w(m_folder.path());
    QWidget* shown = w.open(window);
    QVERIFY(shown);
    QWidget* control = shown->objectName() == name ? shown : shown->findChild<QWidget*>(name);
    QVERIFY(control);

    QCOMPARE(shownText(*control), text);
    const QFont font = control->font();
    QCOMPARE(font.families(), familiesOf(face));
    QCOMPARE(font.styleHint(), face == u"serif" ? QFont::Serif : QFont::SansSerif);
    if (points > 0)
        QCOMPARE(font.pointSizeF(), points);
    else // a narrow heading shrinks until it fits
        QVERIFY2(font.pointSizeF() <= 8.25 && font.pointSizeF() > 6,
            qPrintable(QString::number(font.pointSizeF())));
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);

    // Compared with what the toolkit itself gives a control of this kind.
    const auto [drawnText, drawnBackground] = drawnColours(*control);
    const QPalette standard = QApplication::palette(control);
    const auto [textRole, backgroundRole] = qobject_cast<QLineEdit*>(control)
        ? std::pair(QPalette::Text, QPalette::Base)
        : qobject_cast<QPushButton*>(control)
        ? std::pair(QPalette::ButtonText, QPalette::Button)
        : std::pair(QPalette::WindowText, control->backgroundRole());
    QCOMPARE(drawnText, colour.isValid() ? colour : standard.color(textRole));
    QCOMPARE(drawnBackground, background.isValid() ? background : standard.color(backgroundRole));
}

void DrawnWindowsTest::commandsDoWhatTheySay_data()
{
    QTest::addColumn<QString>("opened"); // a window opened first: "aid" or "prop"
    QTest::addColumn<QString>("control"); // a button's or a menu item's name
    QTest::addColumn<QStringList>("after"); // the main window's state afterwards
    QTest::addColumn<QString>("focus"); // where the focus is afterwards, if anywhere

    // Before each: the site and the satellite filled in, nothing computed or saved.
    const QString main = QStringLiteral("main window open");
    QTest::addRow("Calcul") << QString() << "Calcul" << QStringList { main, "results" } << "Calcul";
    QTest::addRow("Enregistrer") << QString() << "Enreg" << QStringList { main, "site saved" }
                                 << "Enreg";
    QTest::addRow("Effacer the site")
        << QString() << "efface" << QStringList { main, "site empty" } << "D";
    QTest::addRow("Effacer the satellite")
        << QString() << "efface2" << QStringList { main, "satellite empty" } << "D3";
    QTest::addRow("Quitter") << "aid"
                             << "Q" << QStringList {} << QString();
    QTest::addRow("Fichier > Quitter") << "prop"
                                       << "Quit" << QStringList {} << QString();
    QTest::addRow("Aide") << QString() << "aid" << QStringList { main, "help open" } << "Command1";
    QTest::addRow("à propos...") << QString() << "prop" << QStringList { main, "about open" }
                                 << "Picture1";
    // The main window active again, its focus where it was left: the last field filled.
    QTest::addRow("OK of Aide") << "aid"
                                << "Command1" << QStringList { main } << "eo2";
    QTest::addRow("OK of Info") << "prop"
                                << "Command1" << QStringList { main } << "eo2";
}

void DrawnWindowsTest::commandsDoWhatTheySay()
{
    QFETCH(QString, opened);
    QFETCH(QString, control);
    QFETCH(QStringList, after);
    QFETCH(QString, focus);

    Window w(m_folder.path());
    QVERIFY(w.show());
    const QStringList site { "48", "51", "N", "2", "21", "E", "13", "E" };
    const Field fields[]
        = { Field::D, Field::M, Field::ns, Field::D2, Field::M2, Field::eo, Field::D3, Field::eo2 };
    for (qsizetype i = 0; i < site.size(); ++i)
        w.focusFilled(fieldName(fields[i]), site[i]);
    QWidget* from = &w.window;
    if (!opened.isEmpty()) {
        w.menuItem(opened)->trigger();
        from = opened == u"aid" ? static_cast<QWidget*>(w.window.helpWindow())
                                : w.window.aboutWindow();
        QVERIFY(from);
        QVERIFY(QTest::qWaitForWindowActive(from));
    }

    // A menu item, or a button of the window opened first, or else of the main one.
    auto* button = from->findChild<QPushButton*>(control);
    if (!button)
        button = w.control<QPushButton>(control);
    if (QAction* item = w.menuItem(control))
        item->trigger();
    else
        QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(stateOf(w, m_folder.path()), after);
    if (!focus.isEmpty())
        QTRY_COMPARE(w.focusName(), focus);
}

QTEST_MAIN(DrawnWindowsTest)
#include "tst_drawnwindows.moc"
