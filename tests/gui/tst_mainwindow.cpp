// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/formlayout.h"
#include "gui/mainwindow.h"
#include "support/layoutchecks.h"
#include "support/sitefiles.h"
#include "support/windowfixture.h"

#include "gui/translations.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void clientArea();
    void fieldsAreCentredAndUnlimited();
    void colours();
    void menus();
    void firstFocusIsD3_data();
    void firstFocusIsD3();
    void tabCycle();
    void resultsAreReadOnlyButSelectable();
    void typingAFullSiteNeedsTabOnlyWhereNothingAdvances();
    void calculReportsAnIncompleteGroup();
    void messageShownOnceForATypedLetter();
    void firstKeyAfterClearingPassesUnchecked();
    void enterAndEscapeDoNothing();
    void resizingMovesNothing();
    void quittingClosesEveryWindow_data();
    void quittingClosesEveryWindow();
    void screenReaderNames_data();
    void screenReaderNames();
    void clearCommandsSayWhatTheyClear();
    void frameLinesRunAboveTheLabels();
    void labelsStartAtTheTop();
    void qtTextsAreFrench();
    void typingAfterAFocusMoveReplacesTheText();
    void modifiedKeysTypeNothing_data();
    void modifiedKeysTypeNothing();
    void altGrTextReachesTheField_data();
    void altGrTextReachesTheField();
    void standardShortcutsStillWork();

private:
    QTemporaryDir m_folder;
};

void MainWindowTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    requireLayoutFaces();
    installFrenchQtTexts(*QCoreApplication::instance());
}

void MainWindowTest::init()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    removeSiteFiles(m_folder.path());
}

void MainWindowTest::cleanup() { QLocale::setDefault(QLocale::c()); }

void MainWindowTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry"); // in twips, within the control's container
    QTest::addColumn<QString>("text"); // caption, or tooltip for a text box

    const auto row = [](const char* name, const char* kind, QRect geometry, const char* text) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << geometry
                            << QString::fromUtf8(text);
    };
    row("Q", "QPushButton", twips(90, 210, 855, 315), "Quitter");
    row("Label1", "QLabel", twips(1110, 150, 4815, 405), "VANTOR");
    row("Picture3", "QLabel", twips(6120, 60, 615, 615), "");
    row("Frame1", "QGroupBox", twips(180, 720, 3195, 1365), "Coordonnées géographiques");
    row("Frame2", "QGroupBox", twips(3480, 720, 3195, 1365), "Coordonnées du satellite");
    row("Calcul", "QPushButton", twips(180, 2130, 6525, 345), "Calcul");
    row("Frame3", "QGroupBox", twips(150, 2490, 6525, 795), "Satellite");
    row("Label11", "QLabel", twips(1110, 180, 525, 195), "degrés");
    row("Label12", "QLabel", twips(1860, 180, 585, 195), "minutes");
    row("Label13", "QLabel", twips(2610, 180, 405, 195), "points");
    row("Label2", "QLabel", twips(180, 420, 825, 285), "Latitude");
    row("D", "QLineEdit", twips(990, 420, 765, 285), "");
    row("M", "QLineEdit", twips(1770, 420, 765, 285), "");
    row("ns", "QLineEdit", twips(2550, 420, 465, 285), "Exemple N ou S ");
    row("Label4", "QLabel", twips(150, 720, 825, 285), "Longitude");
    row("D2", "QLineEdit", twips(990, 720, 765, 285), "");
    row("M2", "QLineEdit", twips(1770, 720, 765, 285), "");
    row("eo", "QLineEdit", twips(2550, 720, 465, 285), "Exemple E ou O");
    row("efface", "QPushButton", twips(150, 1080, 855, 225), "Effacer");
    row("Enreg", "QPushButton", twips(1620, 1080, 1005, 225), "Enregistrer");
    row("Label5", "QLabel", twips(150, 300, 825, 285), "Position");
    row("D3", "QLineEdit", twips(990, 420, 1425, 285), "Exemple: 13 ou 19.2 ");
    row("Label7", "QLabel", twips(2490, 300, 525, 255), "degrés");
    row("Label6", "QLabel", twips(150, 600, 825, 285), "Est/Ouest");
    row("eo2", "QLineEdit", twips(990, 720, 1425, 285), "Exemple E ou O ");
    row("efface2", "QPushButton", twips(120, 1080, 855, 225), "Effacer");
    row("Label3", "QLabel", twips(150, 360, 1245, 255), "Azimut");
    row("Azdg", "QLineEdit", twips(930, 330, 1425, 285), "");
    row("Label9", "QLabel", twips(2370, 360, 525, 255), "degrés");
    row("Label8", "QLabel", twips(3360, 360, 1245, 255), "Elévation");
    row("Eldg", "QLineEdit", twips(4320, 330, 1425, 285), "");
    row("Label10", "QLabel", twips(5760, 360, 525, 255), "degrés");
}

void MainWindowTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    Window w(m_folder.path());
    QVERIFY(w.show());
    QWidget* control = w.control(name);
    QVERIFY(control);
    QCOMPARE(control->metaObject()->className(), kind);
    QCOMPARE(control->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isDefault() && !button->autoDefault());
        // The caption fits its button, inside its edges.
        const int needed = button->fontMetrics().horizontalAdvance(text);
        QVERIFY2(needed < button->width() - 4,
            qPrintable(fitFailure(name, { needed, 0 }, { button->width() - 4, 0 })));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
        const int needed = label->fontMetrics().horizontalAdvance(text);
        QVERIFY2(needed <= label->width(),
            qPrintable(fitFailure(name, { needed, 0 }, { label->width(), 0 })));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QCOMPARE(frame->title(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->toolTip(), text);
        QCOMPARE(edit->text(), QString());
    }
}

void MainWindowTest::clientArea()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Vantor Azimut et Elévation"));
    QCOMPARE(w.window.centralWidget()->size(), QSize(453, 228));
    QVERIFY(!w.window.windowIcon().isNull());
    QVERIFY(w.window.windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(w.window.windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(w.control<QLabel>(QStringLiteral("Picture3"))->pixmap().size(), QSize(37, 36));
}

void MainWindowTest::fieldsAreCentredAndUnlimited()
{
    Window w(m_folder.path());
    const QString longText(40000, u'1');
    for (QLineEdit* edit : w.window.findChildren<QLineEdit*>()) {
        QCOMPARE(edit->alignment(), Qt::AlignCenter);
        edit->blockSignals(true); // the length itself, not what the checks make of it
        edit->setText(longText);
        QCOMPARE(edit->text().size(), longText.size());
        edit->blockSignals(false);
    }
    QCOMPARE(w.window.findChildren<QLineEdit*>().size(), 10);
}

void MainWindowTest::colours()
{
    Window w(m_folder.path());
    const auto textColour = [&w](const char* name) {
        return w.field(QLatin1String(name))->palette().color(QPalette::Text);
    };
    for (const char* name : { "D", "M", "ns", "D2", "M2", "eo" })
        QCOMPARE(textColour(name), QColor(0, 0, 255));
    for (const char* name : { "D3", "eo2" })
        QCOMPARE(textColour(name), QColor(192, 0, 0));
    for (const char* name : { "Azdg", "Eldg" })
        QCOMPARE(textColour(name), QColor(255, 0, 0));
    QCOMPARE(w.control(QStringLiteral("Label1"))->palette().color(QPalette::WindowText),
        QColor(192, 0, 0));
}

void MainWindowTest::menus()
{
    Window w(m_folder.path());
    const QList<QAction*> top = w.window.menuBar()->actions();
    QStringList captions;
    for (QAction* action : top)
        captions << action->text();
    QCOMPARE(captions, (QStringList { "Fichier", "Aide", "à propos..." }));

    QMenu* file = top[0]->menu();
    QVERIFY(file);
    QCOMPARE(file->objectName(), QStringLiteral("fic"));
    QCOMPARE(file->actions().size(), 1);
    QCOMPARE(file->actions()[0]->text(), QStringLiteral("Quitter"));
    QCOMPARE(file->actions()[0]->objectName(), QStringLiteral("Quit"));
    // "Aide" and "à propos..." act at once: no drop-down, no shortcut.
    QCOMPARE(top[1]->objectName(), QStringLiteral("aid"));
    QCOMPARE(top[2]->objectName(), QStringLiteral("prop"));
    for (QAction* action : { top[1], top[2], file->actions()[0] }) {
        QVERIFY(!action->menu());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->isCheckable());
    }
}

void MainWindowTest::firstFocusIsD3_data()
{
    QTest::addColumn<QByteArray>("longFile");
    QTest::addRow("no site files") << QByteArray();
    // A small letter makes the loading ask for the focus before the window is shown.
    QTest::addRow("small side letter loaded") << QByteArray("\"2\",\"21\",\"e\"\r\n");
}

void MainWindowTest::firstFocusIsD3()
{
    QFETCH(QByteArray, longFile);
    if (!longFile.isEmpty()) {
        QVERIFY(writeFile(m_folder.path(), QStringLiteral("Lat"), "\"48\",\"51\",\"N\"\r\n"));
        QVERIFY(writeFile(m_folder.path(), QStringLiteral("Long"), longFile));
    }
    Window w(m_folder.path());
    QVERIFY(w.show());
    QCOMPARE(w.focusName(), QStringLiteral("D3"));
    if (!longFile.isEmpty())
        QCOMPARE(w.field(QStringLiteral("eo"))->text(), QStringLiteral("E"));
}

void MainWindowTest::tabCycle()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    QStringList visited { w.focusName() };
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << w.focusName();
    }
    QCOMPARE(visited,
        (QStringList { "D3", "eo2", "Calcul", "D", "M", "ns", "D2", "M2", "eo", "Azdg", "Eldg", "Q",
            "efface", "efface2", "Enreg", "D3" }));
}

void MainWindowTest::resultsAreReadOnlyButSelectable()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    for (const char* name : { "Azdg", "Eldg" }) {
        QLineEdit* result = w.field(QLatin1String(name));
        w.window.setText(
            name == QByteArray("Azdg") ? Field::Azdg : Field::Eldg, QStringLiteral("165,98"));
        result->setFocus();
        QTest::keyClicks(result, QStringLiteral("12"));
        QTest::keyClick(result, Qt::Key_Backspace);
        QCOMPARE(result->text(), QStringLiteral("165,98"));
        QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(result->selectedText(), QStringLiteral("165,98"));
    }
}

void MainWindowTest::typingAFullSiteNeedsTabOnlyWhereNothingAdvances()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    w.control(QStringLiteral("D"))->setFocus();
    w.type(QStringLiteral("48"));
    QCOMPARE(w.focusName(), QStringLiteral("M"));
    w.type(QStringLiteral("51"));
    QCOMPARE(w.focusName(), QStringLiteral("ns"));
    w.type(QStringLiteral("n"));
    QCOMPARE(w.field(QStringLiteral("ns"))->text(), QStringLiteral("N"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // ns never moves on
    w.type(QStringLiteral("002"));
    QCOMPARE(w.focusName(), QStringLiteral("M2"));
    w.type(QStringLiteral("21"));
    QCOMPARE(w.focusName(), QStringLiteral("eo"));
    w.type(QStringLiteral("e"));
    QCOMPARE(w.focusName(), QStringLiteral("D3"));
    w.type(QStringLiteral("13"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // nor does D3
    w.type(QStringLiteral("e"));
    QCOMPARE(w.focusName(), QStringLiteral("Calcul"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    QCOMPARE(w.host.messages, QStringList());
    QCOMPARE(w.field(QStringLiteral("Azdg"))->text(), QStringLiteral("165,98"));
    QCOMPARE(w.field(QStringLiteral("Eldg"))->text(), QStringLiteral("33"));
}

void MainWindowTest::calculReportsAnIncompleteGroup()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    QTest::mouseClick(w.control(QStringLiteral("Calcul")), Qt::LeftButton);
    QCOMPARE(w.host.beeps, 1);
    QCOMPARE(w.host.messages,
        QStringList { QStringLiteral("Remplir les cases des coordonées satellite") });
    QCOMPARE(w.field(QStringLiteral("Azdg"))->text(), QString());
}

void MainWindowTest::messageShownOnceForATypedLetter()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    w.control(QStringLiteral("ns"))->setFocus();
    w.type(QStringLiteral("n"));
    QCOMPARE(w.host.messages, QStringList { QStringLiteral("Remplir la case degrés.") });
    QCOMPARE(w.field(QStringLiteral("ns"))->text(), QString());
    QCOMPARE(w.focusName(), QStringLiteral("ns"));
}

void MainWindowTest::firstKeyAfterClearingPassesUnchecked()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    w.window.setText(Field::Azdg, QStringLiteral("1"));

    QTest::mouseClick(w.control(QStringLiteral("efface")), Qt::LeftButton);
    QCOMPARE(w.focusName(), QStringLiteral("D"));
    w.type(QStringLiteral("x"));
    QCOMPARE(w.field(QStringLiteral("D"))->text(), QStringLiteral("x"));
    w.type(QStringLiteral("5"));
    QCOMPARE(w.field(QStringLiteral("D"))->text(), QString());

    QTest::mouseClick(w.control(QStringLiteral("efface2")), Qt::LeftButton);
    QCOMPARE(w.focusName(), QStringLiteral("D3"));
    w.type(QStringLiteral("a"));
    QCOMPARE(w.field(QStringLiteral("D3"))->text(), QStringLiteral("a"));
    QCOMPARE(w.host.beeps, 0);
    w.type(QStringLiteral("1"));
    QCOMPARE(w.field(QStringLiteral("D3"))->text(), QString());
    QCOMPARE(w.host.beeps, 1);
    QCOMPARE(w.field(QStringLiteral("Azdg"))->text(), QStringLiteral("1"));
}

void MainWindowTest::enterAndEscapeDoNothing()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    for (const char* name : { "D3", "Calcul", "Q" }) {
        w.control(QLatin1String(name))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.host.messages, QStringList());
}

void MainWindowTest::resizingMovesNothing()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    QMap<QString, QRect> before;
    for (QWidget* child : w.window.centralWidget()->findChildren<QWidget*>())
        before[child->objectName()] = child->geometry();
    w.window.resize(900, 700);
    w.window.showMaximized();
    QTRY_VERIFY(w.window.isMaximized());
    for (QWidget* child : w.window.centralWidget()->findChildren<QWidget*>())
        QCOMPARE(child->geometry(), before.value(child->objectName()));
}

void MainWindowTest::quittingClosesEveryWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("Quitter button") << "Q";
    QTest::addRow("Quitter menu item") << "Quit";
    QTest::addRow("window frame") << "frame";
}

void MainWindowTest::quittingClosesEveryWindow()
{
    QFETCH(QString, how);
    Window w(m_folder.path());
    QVERIFY(w.show());
    w.menuItem(QStringLiteral("aid"))->trigger();
    QTest::mouseClick(w.window.helpWindow()->findChild<QWidget*>(QStringLiteral("Command1")),
        Qt::LeftButton); // the help window is now hidden, still alive
    QVERIFY(w.window.helpWindow() && !w.window.helpWindow()->isVisible());
    w.menuItem(QStringLiteral("prop"))->trigger();
    QVERIFY(w.window.aboutWindow()->isVisible());

    if (how == u"Q")
        QTest::mouseClick(w.control(QStringLiteral("Q")), Qt::LeftButton);
    else if (how == u"Quit")
        w.menuItem(QStringLiteral("Quit"))->trigger();
    else
        w.window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(!w.window.isVisible());
    QVERIFY(!w.window.helpWindow());
    QVERIFY(!w.window.aboutWindow());
    QCOMPARE(w.host.messages, QStringList());
}

void MainWindowTest::screenReaderNames_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("D") << "D"
                       << "Latitude, degrés"
                       << "";
    QTest::newRow("M") << "M"
                       << "Latitude, minutes"
                       << "";
    QTest::newRow("ns") << "ns"
                        << "Latitude, nord ou sud"
                        << "Exemple N ou S ";
    QTest::newRow("D2") << "D2"
                        << "Longitude, degrés"
                        << "";
    QTest::newRow("M2") << "M2"
                        << "Longitude, minutes"
                        << "";
    QTest::newRow("eo") << "eo"
                        << "Longitude, est ou ouest"
                        << "Exemple E ou O";
    QTest::newRow("D3") << "D3"
                        << "Position du satellite"
                        << "Exemple: 13 ou 19.2 ";
    QTest::newRow("eo2") << "eo2"
                         << "Satellite, est ou ouest"
                         << "Exemple E ou O ";
    QTest::newRow("Azdg") << "Azdg"
                          << "Azimut"
                          << "";
    QTest::newRow("Eldg") << "Eldg"
                          << "Elévation"
                          << "";
}

void MainWindowTest::screenReaderNames()
{
    QFETCH(QString, field);
    QFETCH(QString, name);
    QFETCH(QString, description);

    Window w(m_folder.path());
    QVERIFY(w.show());
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w.field(field));
    QVERIFY(spoken);
    QCOMPARE(spoken->text(QAccessible::Name), name);
    QCOMPARE(spoken->text(QAccessible::Description), description);
    QCOMPARE(spoken->role(), QAccessible::EditableText);
}

void MainWindowTest::clearCommandsSayWhatTheyClear()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    const auto spokenName = [&w](const char* name) {
        return QAccessible::queryAccessibleInterface(w.control(QLatin1String(name)))
            ->text(QAccessible::Name);
    };
    QCOMPARE(spokenName("efface"), QStringLiteral("Effacer le site"));
    QCOMPARE(spokenName("efface2"), QStringLiteral("Effacer le satellite"));
    QCOMPARE(w.control<QPushButton>(QStringLiteral("efface"))->text(), QStringLiteral("Effacer"));
    QCOMPARE(w.control<QPushButton>(QStringLiteral("efface2"))->text(), QStringLiteral("Effacer"));
}

// The frame's top line runs through the middle of its caption, above every label
// inside: the site group's column headings sit 12 px below the frame's top.
void MainWindowTest::frameLinesRunAboveTheLabels()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    for (QGroupBox* frame : w.window.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect line = frame->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, frame);
        const QRect caption = frame->style()->subControlRect(
            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QString where = frame->objectName();
        QVERIFY2(qAbs(line.top() - caption.center().y()) <= 1,
            qPrintable(QStringLiteral("%1: line at %2 px, caption's middle at %3 px")
                           .arg(where)
                           .arg(line.top())
                           .arg(caption.center().y())));
        for (QLabel* label : frame->findChildren<QLabel*>()) {
            QVERIFY2(line.top() + 2 <= label->y(),
                qPrintable(QStringLiteral("%1: the line (%2 px, 2 px thick) crosses %3 at %4 px")
                               .arg(where)
                               .arg(line.top())
                               .arg(label->objectName())
                               .arg(label->y())));
        }
    }
}

void MainWindowTest::labelsStartAtTheTop()
{
    Window w(m_folder.path());
    for (QLabel* label : w.window.findChildren<QLabel*>()) {
        if (label->objectName() == u"Picture3")
            continue; // a picture, centred in its box
        QVERIFY2(label->alignment() & Qt::AlignTop, qPrintable(label->objectName()));
        const Qt::Alignment across
            = label->objectName() == u"Label1" ? Qt::AlignHCenter : Qt::AlignLeft;
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, across);
    }
}

void MainWindowTest::qtTextsAreFrench()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    std::unique_ptr<QMenu> menu(w.field(QStringLiteral("D3"))->createStandardContextMenu());
    QStringList captions;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            captions << action->text().remove(u'&').section(u'\t', 0, 0);
    }
    QVERIFY2(captions.contains(QStringLiteral("Copier")), qPrintable(captions.join(u'|')));
    for (const char* english : { "Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All" })
        QVERIFY2(!captions.contains(QLatin1String(english)), qPrintable(captions.join(u'|')));
}

// The program moves the focus to a field that already holds text: what is typed
// next replaces it, as after Tab.
void MainWindowTest::typingAfterAFocusMoveReplacesTheText()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    w.field(QStringLiteral("M2"))->setText(QStringLiteral("21"));
    w.control(QStringLiteral("D2"))->setFocus();
    w.type(QStringLiteral("005"));
    QCOMPARE(w.focusName(), QStringLiteral("M2"));
    w.type(QStringLiteral("30"));
    QCOMPARE(w.field(QStringLiteral("M2"))->text(), QStringLiteral("30"));
    QCOMPARE(w.focusName(), QStringLiteral("eo"));
}

void MainWindowTest::modifiedKeysTypeNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    const int alt = int(Qt::AltModifier);
    QTest::addRow("Alt+F in a filled D3") << "D3"
                                          << "13" << int(Qt::Key_F) << alt;
    QTest::addRow("Alt+A in ns") << "ns"
                                 << "N" << int(Qt::Key_A) << alt;
    QTest::addRow("Alt+Q in D") << "D"
                                << "48" << int(Qt::Key_Q) << alt;
    QTest::addRow("Alt+5 in an empty M") << "M"
                                         << "" << int(Qt::Key_5) << alt;
    QTest::addRow("Ctrl+E in eo2") << "eo2"
                                   << "O" << int(Qt::Key_E) << int(Qt::ControlModifier);
}

void MainWindowTest::modifiedKeysTypeNothing()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    Window w(m_folder.path());
    QVERIFY(w.show());
    QLineEdit* edit = w.focusFilled(field, before);
    const auto modifierKeys = Qt::KeyboardModifiers::fromInt(static_cast<uint>(modifiers));
    QTest::keyClick(edit, Qt::Key(key), modifierKeys);
    QCOMPARE(edit->text(), before);
    QCOMPARE(w.host.beeps, 0);
    QCOMPARE(w.host.messages, QStringList());
}

// Ctrl+Alt is AltGr on Windows: what it types reaches the field and its checks.
void MainWindowTest::altGrTextReachesTheField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps"); // D3's checks beep, D's refuse silently

    QTest::addRow("AltGr+E (euro) in a filled D3") << "D3"
                                                   << "13"
                                                   << "€"
                                                   << "" << 1;
    QTest::addRow("AltGr+3 (hash) in D, refused silently") << "D"
                                                           << "48"
                                                           << "#"
                                                           << "" << 0;
    QTest::addRow("AltGr+0 (at) in D3") << "D3"
                                        << "19"
                                        << "@"
                                        << "" << 1;
}

void MainWindowTest::altGrTextReachesTheField()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    Window w(m_folder.path());
    QVERIFY(w.show());
    QLineEdit* edit = w.focusFilled(field, before);
    QTest::sendKeyEvent(
        QTest::Click, edit, Qt::Key_unknown, typed, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(edit->text(), after);
    QCOMPARE(w.host.beeps, beeps);
}

void MainWindowTest::standardShortcutsStillWork()
{
    Window w(m_folder.path());
    QVERIFY(w.show());
    QLineEdit* position = w.field(QStringLiteral("D3"));
    QApplication::clipboard()->setText(QStringLiteral("13"));
    position->setFocus();
    QTest::keyClick(position, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(position->text(), QStringLiteral("13"));
    QTest::keyClick(position, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(position->selectedText(), QStringLiteral("13"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
