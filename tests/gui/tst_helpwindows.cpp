// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/helptext.h"
#include "gui/mainwindow.h"
#include "support/layoutchecks.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The main window, shown, with its two menu items that open a secondary window.
struct Windows : Window {
    explicit Windows(const QString& siteFolder)
        : Window(siteFolder)
    {
        show();
    }
    void choose(const char* item) { menuItem(QLatin1String(item))->trigger(); }
    SecondaryWindow* secondary(const char* item)
    {
        return item == QByteArray("aid") ? static_cast<SecondaryWindow*>(window.helpWindow())
                                         : window.aboutWindow();
    }
};

void pressOk(QWidget* window)
{
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

}

class HelpWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void helpText();
    void helpLabelShowsTheText();
    void windowLayout_data();
    void windowLayout();
    void choosingTwiceGivesOneWindow_data();
    void choosingTwiceGivesOneWindow();
    void okHidesAndTheNextRequestShowsTheSameWindow_data();
    void okHidesAndTheNextRequestShowsTheSameWindow();
    void closeBoxDiscardsAndTheNextRequestRebuilds_data();
    void closeBoxDiscardsAndTheNextRequestRebuilds();
    void mainWindowStaysUsable();
    void enterOnTheAboutPanelDoesNotClose();
    void aboutTabCycle_data();
    void aboutTabCycle();

private:
    QTemporaryDir m_folder;
};

void HelpWindowsTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    requireLayoutFaces();
}

void HelpWindowsTest::helpText()
{
    const QString text = HelpText();
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 22);
    QCOMPARE(text.count(QStringLiteral("\r\n")), 21);
    QCOMPARE(text.count(u'\r'), 21); // no stray CR or LF besides the line ends
    QCOMPARE(text.count(u'\n'), 21);
    QCOMPARE(lines[0],
        QStringLiteral(" A la première mise en service, remplacez les coordonnées géographiques"));
    QCOMPARE(lines[1], QStringLiteral("  par les coordonnées de votre ville."));
    QCOMPARE(lines[2], QStringLiteral("  Longitude et Latitude en degrés et minutes.  "));
    QCOMPARE(
        lines[9], QStringLiteral("  Entrez la position du satellite désiré: exemple 13 ou 27.5"));
    QCOMPARE(lines[15], QStringLiteral("  Exemple: Azimut 227,31 - Elévation 28,82"));
    QCOMPARE(lines[21], QStringLiteral("  doivent être placés dans un même répertoire."));
    QVERIFY(text.endsWith(QStringLiteral("répertoire.")));
    for (int empty : { 5, 8, 11, 16, 19 })
        QCOMPARE(lines[empty], QStringLiteral(" "));
    for (int i = 1; i < 22; ++i) {
        if (!lines[i].isEmpty() && lines[i] != u" ")
            QVERIFY2(lines[i].startsWith(QStringLiteral("  ")), qPrintable(lines[i]));
    }
    // Every line, its leading blanks and line ends included.
    qsizetype length = 0;
    for (const QString& line : lines)
        length += line.size();
    QCOMPARE(text.size(), length + 2 * 21);
}

void HelpWindowsTest::helpLabelShowsTheText()
{
    Windows w(m_folder.path());
    w.choose("aid");
    auto* label = w.window.helpWindow()->findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(
        label->text(), QString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(label->wordWrap());
    QCOMPARE(w.window.helpWindow()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
        QStringLiteral("Vantor Géostationnaires"));
}

void HelpWindowsTest::windowLayout_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QString>("focus"); // what has the focus when the window opens

    QTest::addRow("Aide") << QByteArray("aid") << "Aide" << QSize(451, 474) << "Command1";
    QTest::addRow("Info") << QByteArray("prop") << "Info" << QSize(346, 276) << "Picture1";
}

void HelpWindowsTest::windowLayout()
{
    QFETCH(QByteArray, item);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QString, focus);

    Windows w(m_folder.path());
    w.choose(item);
    SecondaryWindow* window = w.secondary(item);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), clientSize);
    QVERIFY(!window->parentWidget()); // no owner
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->focusWidget()->objectName(), focus);
    // Every text fits its label: the wrapped help text in lines, the others in ink.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QFontMetrics metrics = label->fontMetrics();
        const QRect needed = label->wordWrap()
            ? metrics.boundingRect(label->rect(), Qt::TextWordWrap, label->text())
            : metrics.tightBoundingRect(label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
            qPrintable(fitFailure(label->objectName(), needed.size(), label->size())));
    }
}

void HelpWindowsTest::choosingTwiceGivesOneWindow_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addRow("Aide") << QByteArray("aid");
    QTest::addRow("à propos...") << QByteArray("prop");
}

void HelpWindowsTest::choosingTwiceGivesOneWindow()
{
    QFETCH(QByteArray, item);
    Windows w(m_folder.path());
    w.choose(item);
    QPointer<SecondaryWindow> first = w.secondary(item);
    QVERIFY(first && first->isVisible());
    w.choose(item);
    QCOMPARE(w.secondary(item), first.data());
    const QString name = first->objectName();
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += top->objectName() == name;
    QCOMPARE(windows, 1);
}

void HelpWindowsTest::okHidesAndTheNextRequestShowsTheSameWindow_data()
{
    choosingTwiceGivesOneWindow_data();
}

void HelpWindowsTest::okHidesAndTheNextRequestShowsTheSameWindow()
{
    QFETCH(QByteArray, item);
    Windows w(m_folder.path());
    w.choose(item);
    QPointer<SecondaryWindow> first = w.secondary(item);
    QVERIFY(QTest::qWaitForWindowActive(first));
    pressOk(first);
    QVERIFY(first);
    QVERIFY(!first->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&w.window));

    w.choose(item);
    QCOMPARE(w.secondary(item), first.data());
    QVERIFY(first->isVisible());
}

void HelpWindowsTest::closeBoxDiscardsAndTheNextRequestRebuilds_data()
{
    choosingTwiceGivesOneWindow_data();
}

void HelpWindowsTest::closeBoxDiscardsAndTheNextRequestRebuilds()
{
    QFETCH(QByteArray, item);
    Windows w(m_folder.path());
    w.choose(item);
    QPointer<SecondaryWindow> first = w.secondary(item);
    const QStringList labels = [&] {
        QStringList texts;
        for (QLabel* label : first->findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    QVERIFY(!w.secondary(item));

    w.choose(item);
    SecondaryWindow* second = w.secondary(item);
    QVERIFY(second && second->isVisible());
    QStringList again;
    for (QLabel* label : second->findChildren<QLabel*>())
        again << label->text();
    QCOMPARE(again, labels);
}

void HelpWindowsTest::mainWindowStaysUsable()
{
    Windows w(m_folder.path());
    w.choose("aid");
    QVERIFY(w.window.helpWindow()->isVisible());
    QVERIFY(!w.window.helpWindow()->isModal());
    QTest::mouseClick(w.window.findChild<QWidget*>(QStringLiteral("Calcul")), Qt::LeftButton);
    QCOMPARE(w.host.messages.size(), 1); // the main window answered the click
}

void HelpWindowsTest::enterOnTheAboutPanelDoesNotClose()
{
    Windows w(m_folder.path());
    w.choose("prop");
    AboutWindow* about = w.window.aboutWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(about->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!about->isVisible());

    // Shown again after OK, the window gives the panel the focus once more.
    w.choose("prop");
    QCOMPARE(w.window.aboutWindow(), about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QVERIFY(about->focusWidget());
    QCOMPARE(about->focusWidget()->objectName(), QStringLiteral("Picture1"));
    QTest::keyClick(about->focusWidget(), Qt::Key_Return);
    QVERIFY(about->isVisible());
}

void HelpWindowsTest::aboutTabCycle_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addRow("Tab") << int(Qt::NoModifier);
    QTest::addRow("Shift+Tab") << int(Qt::ShiftModifier);
}

// Only the panel and OK take the focus: either way round, they take it in turn.
void HelpWindowsTest::aboutTabCycle()
{
    QFETCH(int, modifiers);
    Windows w(m_folder.path());
    w.choose("prop");
    QVERIFY(QTest::qWaitForWindowActive(w.window.aboutWindow()));
    QStringList visited { QApplication::focusWidget()->objectName() };
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
            Qt::KeyboardModifiers::fromInt(static_cast<uint>(modifiers)));
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList { "Picture1", "Command1", "Picture1", "Command1", "Picture1" }));
}

QTEST_MAIN(HelpWindowsTest)
#include "tst_helpwindows.moc"
