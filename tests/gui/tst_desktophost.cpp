// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/desktophost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class DesktopHostTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxIsModalTitledZelmoWithOkOnly();
    void focusMovesOnlyOnceTheWindowIsShown();
};

void DesktopHostTest::messageBoxIsModalTitledZelmoWithOkOnly()
{
    QWidget window;
    DesktopHost host(window);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QList<QAbstractButton*> buttons;
    bool modal = false;

    // Reads the box while it is open, then closes it with its OK button.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    host.showMessage(QStringLiteral("Choisir d'abord N ou S"));

    QCOMPARE(title, QStringLiteral("Zelmo"));
    QCOMPARE(text, QStringLiteral("Choisir d'abord N ou S"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons.size(), 1);
    QVERIFY(modal);
}

void DesktopHostTest::focusMovesOnlyOnceTheWindowIsShown()
{
    QWidget window;
    auto* first = new QLineEdit(&window);
    first->setObjectName(QStringLiteral("D3"));
    auto* second = new QLineEdit(&window);
    second->setObjectName(QStringLiteral("M"));
    DesktopHost host(window);

    first->setFocus();
    host.giveFocus(Control::M); // before the window is shown: dropped
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), first);

    host.giveFocus(Control::M);
    QCOMPARE(QApplication::focusWidget(), second);
    host.giveFocus(Control::Enreg); // not in this window
    QCOMPARE(QApplication::focusWidget(), second);
}

QTEST_MAIN(DesktopHostTest)
#include "tst_desktophost.moc"
