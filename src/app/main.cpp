#include "app/mainwindow.h"
#include "common/appinfo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::version());
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.zelmo.Zelmo"));

    MainWindow window;
    window.show();
    return QApplication::exec();
}
