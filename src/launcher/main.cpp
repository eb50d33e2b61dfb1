// tavo-csv-start: what the Start menu runs on Windows. A menu starts a program in a folder that is
// no place for reports (Program Files is not even writable), and tavo-csv takes no arguments and
// keeps no settings, so this small starter makes the folder "TAVO Reports" in the user's
// Documents if it is missing and starts tavo-csv, from its own folder, in it. Should the folder
// not be made, tavo-csv starts in the user's home folder instead.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString reports = documents + QStringLiteral("/TAVO Reports");
    const QString folder =
        !documents.isEmpty() && QDir().mkpath(reports) ? reports : QDir::homePath();
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tavo-csv.exe"));
    return QProcess::startDetached(program, {}, folder) ? 0 : 1;
}
