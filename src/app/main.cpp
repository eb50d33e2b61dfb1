#include "app/desktop.h"
#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

// With --documents, as the Windows Start menu starts it, the program works in the folder "TAVO
// Reports" of the user's Documents, made if missing: a menu starts a program in a folder that is
// no place for reports. Should that fail, the current folder stays, and the working file's lock
// tells whether a report can be prepared there.
static void enterReportsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = documents + QStringLiteral("/TAVO Reports");
    if (!documents.isEmpty() && QDir().mkpath(folder))
        QDir::setCurrent(folder);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Screens come and go between the steps of a filing; the program decides itself when it ends.
    app.setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("tavo-csv"));
    if (QCoreApplication::arguments().contains(QStringLiteral("--documents")))
        enterReportsFolder();

    QtDesktop desktop;
    Program program(desktop);
    program.start();
    return app.exec();
}
