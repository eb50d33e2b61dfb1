#include "app/program.h"
#include "desktop/desktop.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Screens come and go between the steps of a filing; the program decides itself when it ends.
    app.setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavo-csv"));

    QtDesktop desktop;
    Program program(desktop);
    program.start();
    return app.exec();
}
