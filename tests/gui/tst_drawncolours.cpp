// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of the three windows and of the message box stands out from what is
// behind it, on a light desktop and on dark ones: a contrast of 3:1 at least (the
// drawn design's lowest pair, the red results on white, reaches 4:1). A desktop
// applies its scheme as the application's palette, before any window exists; so
// does each row here.
#include "gui/desktophost.h"
#include "gui/drawncolours.h"
#include "gui/mainwindow.h"
#include "support/drawncolours.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A dark scheme as a desktop hands it to Qt: light text on dark window, field and
// button colours.
QPalette darkScheme(QColor window, QColor field, QColor button, QColor text)
{
    QPalette palette(text, button, button.lighter(130), button.darker(130), button.darker(110),
        text, Qt::white, field, window);
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

struct Pair {
    QString what;
    QColor text;
    QColor background;
};

QList<Pair> textPairs(QWidget& window)
{
    QList<Pair> pairs;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        if ((label && !label->text().isEmpty()) || qobject_cast<QLineEdit*>(control)
            || qobject_cast<QPushButton*>(control) || qobject_cast<QGroupBox*>(control)) {
            const auto [text, background] = drawnColours(*control);
            pairs.append({ control->objectName(), text, background });
        }
    }
    return pairs;
}

}

class DrawnColoursTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void everyTextStandsOut_data();
    void everyTextStandsOut();
    void aLightDesktopKeepsItsColours();

private:
    QTemporaryDir m_folder;
    QPalette m_light;
};

void DrawnColoursTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_light = QApplication::palette();
}

void DrawnColoursTest::cleanup() { QApplication::setPalette(m_light); }

void DrawnColoursTest::everyTextStandsOut_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::addRow("light desktop") << m_light;
    // Plasma's Breeze Dark, as Qt reads it from kdeglobals.
    QTest::addRow("Breeze Dark") << darkScheme(
        QColor(42, 46, 50), QColor(27, 30, 32), QColor(49, 54, 59), QColor(239, 240, 241));
    // GNOME's Adwaita-dark, as Qt's GTK 3 theme hands it over.
    QTest::addRow("Adwaita-dark") << darkScheme(
        QColor(50, 50, 50), QColor(36, 36, 36), QColor(50, 50, 50), QColor(240, 240, 240));
}

void DrawnColoursTest::everyTextStandsOut()
{
    QFETCH(QPalette, desktop);
    QApplication::setPalette(desktop);
    keepDrawnColours();

    Window w(m_folder.path());
    QVERIFY(w.show());
    w.window.setText(Field::Azdg, QStringLiteral("165,98"));
    w.window.openHelp();
    w.window.openAbout();
    QList<Pair> pairs = textPairs(w.window);
    pairs += textPairs(*w.window.helpWindow());
    pairs += textPairs(*w.window.aboutWindow());

    // The message box, read while it is open.
    DesktopHost host(w.window);
    QTimer::singleShot(0, this, [&pairs] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (const Pair& pair : textPairs(*box))
            pairs.append(
                { QStringLiteral("message box ") + pair.what, pair.text, pair.background });
        box->button(QMessageBox::Ok)->click();
    });
    host.showMessage(QStringLiteral("Remplir la case degrés."));
    QVERIFY(std::any_of(pairs.cbegin(), pairs.cend(),
        [](const Pair& pair) { return pair.what.startsWith(u"message box"); }));

    double lowest = 21;
    for (const Pair& pair : pairs) {
        const double ratio = contrast(pair.text, pair.background);
        lowest = qMin(lowest, ratio);
        QVERIFY2(ratio >= 3.0,
            qPrintable(QStringLiteral("%1: %2 on %3, %4:1")
                           .arg(pair.what, pair.text.name(), pair.background.name())
                           .arg(ratio, 0, 'f', 2)));
    }
    qInfo("%lld texts, the lowest contrast %.2f:1", qlonglong(pairs.size()), lowest);
}

// On a light desktop the program keeps the desktop's own colours.
void DrawnColoursTest::aLightDesktopKeepsItsColours()
{
    QPalette light = m_light;
    light.setColor(QPalette::Window, QColor(246, 245, 244)); // Adwaita's light grey
    QApplication::setPalette(light);
    keepDrawnColours();
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(246, 245, 244));
}

QTEST_MAIN(DrawnColoursTest)
#include "tst_drawncolours.moc"
