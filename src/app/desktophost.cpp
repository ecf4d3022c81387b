#include "app/desktophost.h"

#include "common/appinfo.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

DesktopHost::DesktopHost(QWidget& window)
    : m_window(window)
{
}

void DesktopHost::beep() { QApplication::beep(); }

void DesktopHost::showMessage(const QString& text)
{
    QMessageBox box(m_window.isVisible() ? &m_window : nullptr);
    box.setWindowTitle(AppInfo::title());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void DesktopHost::giveFocus(const QString& controlName) { focusControl(m_window, controlName); }

void focusControl(QWidget& window, const QString& controlName)
{
    if (!window.isVisible())
        return;
    if (auto* control = window.findChild<QWidget*>(controlName))
        control->setFocus(Qt::OtherFocusReason);
}
