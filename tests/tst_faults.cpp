// Faults a real desk meets: a second copy in the same folder, a run killed half-way, a disk that
// fills up, files in the way and a report that does not come back as it was written.

#include "app/program.h"
#include "employee/form3.h"
#include "filingrun.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The one failure message shown, matching the pattern, with the run ended and nothing else shown.
void verifyFailure(const FilingRun &run, const QString &pattern)
{
    QCOMPARE(run.desktop.failures().size(), 1);
    const QString shown = run.desktop.failures().first();
    QVERIFY2(
        shown.contains(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)),
        qPrintable(shown));
    QVERIFY(run.desktop.ended && run.visibleScreens().isEmpty());
    QCOMPARE(run.desktop.exitCode, 1);
    QVERIFY(run.desktop.notices().isEmpty()); // never the closing message
}

// Lets files grow to `bytes` at most while it lives, like a disk with that much room left.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a signal
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_before{};
    void (*m_previousHandler)(int) = nullptr;
};

// Run in a child process: a whole filing of two accounts, killed with SIGKILL while message box
// number `killAt` (counted from 1) is up. Prints the folder it works in first.
int killedFiling(int killAt)
{
    FilingRun run;
    run.keepFolder();
    std::printf("%s\n", qPrintable(run.path(".")));
    std::fflush(stdout);
    int boxes = 0;
    run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) {
        if (++boxes == killAt)
            ::kill(::getpid(), SIGKILL);
    };
    run.fileOneAccount({true, true, false, true, true, false, false}, 2);
    run.enterAccount();
    run.enterEmployee();
    run.nameReport();
    return run.desktop.ended ? 0 : 3;
}

const QString unread = "\n\nThe working file testFile\\.TXT could not be read, so no report file "
                       "was made\\.";
const QString notMade = "\n\nThe report file FTP_WR4-4B_0123456\\.CSV could not be made; the "
                        "working file testFile\\.TXT still holds every record\\.";
} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void secondCopy_toldAndEnds_workingFileUntouched()
    {
        FilingRun run;
        run.start();
        run.acceptContact();
        // A copy left open for an hour still holds the folder.
        QFile lock(run.path("testFile.TXT.lock"));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        lock.close();

        ScriptedDesktop secondDesktop;
        Program second(secondDesktop);
        second.start();
        QCOMPARE(secondDesktop.notices(),
                 QStringList{"Another copy of this program is already preparing a report in this "
                             "folder. Two copies would mix their records in one working file, so "
                             "this copy will now close.\r\n\r\nFinish the report in the other "
                             "copy first. If no other copy is running, delete the file "
                             "testFile.TXT.lock in this folder and start the program again."});
        QVERIFY(secondDesktop.questions().isEmpty()); // not even the version notice
        QVERIFY(secondDesktop.ended);
        QCOMPARE(secondDesktop.exitCode, 1);
        QCOMPARE(run.workingFile(), aRecord);

        // The first copy carries on as if nothing had happened.
        run.desktop.answer({false, false});
        run.enterAccount();
        QCOMPARE(run.workingFile(), aRecord + eRecord);
        QVERIFY(run.desktop.failures().isEmpty());
    }

    // The number of the message box during which the run is killed, and the records accepted
    // before that box came up.
    void killedRun_everyAcceptedRecordKept_data()
    {
        QTest::addColumn<int>("killAt");
        QTest::addColumn<QByteArray>("records");
        // The filing's records in order, and how many of them were accepted before each box.
        const QByteArray records[] = {aRecord, eRecord, sRecord, sRecord, eRecord, sRecord};
        const int accepted[] = {0, 2, 3, 4, 4, 5, 6, 6, 6};
        for (int box = 1; box <= 9; ++box)
            QTest::addRow("box %d", box)
                << box << QByteArrayList(records, records + accepted[box - 1]).join();
    }
    void killedRun_everyAcceptedRecordKept()
    {
        QFETCH(int, killAt);
        QFETCH(QByteArray, records);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--killed-filing"), QString::number(killAt)});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString folder = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed();
        QVERIFY(QDir(folder).exists());
        auto cleanUp = qScopeGuard([&] { QDir(folder).removeRecursively(); });

        const auto read = [&folder](const QString &name) {
            QFile file(folder + u'/' + name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
        };
        QCOMPARE(read("testFile.TXT"), records.isEmpty() ? "(none)" : records);
        // A report, when there is one, is whole.
        QVERIFY(!QFile::exists(folder + u'/' + reportName) || read(reportName) == records);

        // The killed run left its lock behind; the next copy recognises it and takes over.
        QVERIFY(QFile::exists(folder + "/testFile.TXT.lock"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder);
        {
            ScriptedDesktop nextDesktop;
            nextDesktop.answer({false});
            Program next(nextDesktop);
            next.start();
            QCOMPARE(nextDesktop.questions().size(), 1); // the version notice and nothing else
            QVERIFY(nextDesktop.notices().isEmpty() && !nextDesktop.ended);
            next.endProgram();
        }
        QDir::setCurrent(previous);
        QVERIFY(!QFile::exists(folder + "/testFile.TXT.lock"));
    }

    // A record, or a batch of imported ones, that does not fit: cut back to whole records.
    void diskFull_wholeRecordsKept()
    {
        for (const bool import : {false, true}) {
            FilingRun run;
            run.fileOneAccount({true, true}, import ? 1 : 0);
            const QByteArray before = run.workingFile();
            run.write("employees.csv", "111223333,LEE,ANN,,4000,3000,13\n"
                                       "222334444,KIM,BO,J,4000,3000,1\n");
            run.desktop.filesToOpen.enqueue(run.path("employees.csv"));
            FilingRun::fill(run.program->form3(), import ? EmployeeEntries() : validEmployee);
            {
                FileSizeLimit limit(before.size() + (import ? 70 : 20));
                FilingRun::press(run.program->form3(),
                                 import ? "cmdImportEmployees" : "cmdAddEmployee");
            }
            verifyFailure(run, "^Error 27: File too large\n\nThe file testFile\\.TXT could not be "
                               "written\\.\n\nThe program will now close\\.$");
            QCOMPARE(run.workingFile(), before);
        }
    }

    void faultAtSave_failureShown_nothingHalfWritten_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("working file missing") << "missing"
                                              << "^Error 2: No such file or directory" + unread;
        QTest::newRow("a folder in its place") << "folder"
                                               << "^Error 21: Is a directory" + unread;
        QTest::newRow("a link in a circle")
            << "loop"
            << "^Error 40: Too many levels of symbolic links" + unread;
        if (::geteuid() != 0) // a superuser reads the file all the same
            QTest::newRow("no permission") << "mode"
                                           << "^Error 13: Permission denied" + unread;
        QTest::newRow("disk full during the copy") << "full"
                                                   << "^Error 27: File too large" + notMade;
        QTest::newRow("a folder where the report goes") << "report folder"
                                                        << "^Error 21: Is a directory" + notMade;
        QTest::newRow("a read-only report, even for a superuser")
            << "read-only report"
            << "^Error 13: Permission denied" + notMade;
        QTest::newRow("report reads back different")
            << "differs"
            << "^Error 5: Input/output error\n\nThe report file FTP_WR4-4B_0123456\\.CSV was read "
               "back after copying and did not match the working file testFile\\.TXT, so it was "
               "removed\\. The working file still holds every record\\.";
    }
    void faultAtSave_failureShown_nothingHalfWritten()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        FilingRun run;
        run.fileOneAccount({true, false, false}, 1);
        const QByteArray working = run.path("testFile.TXT").toLocal8Bit();
        const bool moved = fault == "missing" || fault == "folder" || fault == "loop";
        if (moved)
            QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
        if (fault == "folder")
            QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
        if (fault == "loop")
            QCOMPARE(::symlink("testFile.TXT", working.constData()), 0);
        if (fault == "mode")
            QCOMPARE(::chmod(working.constData(), 0), 0);
        if (fault == "report folder")
            QVERIFY(QDir(run.path(".")).mkdir(reportName));
        const QString kept = fault == "report folder" ? reportName + "/inside.txt" : reportName;
        if (fault.startsWith("re")) { // an existing report, to be replaced
            run.write(kept, "kept\r\n");
            QVERIFY(
                QFile::setPermissions(run.path(kept), fault == "read-only report"
                                                          ? QFile::ReadOwner
                                                          : QFile::ReadOwner | QFile::WriteOwner));
            run.desktop.answer({true});
        }
        if (fault == "differs") { // a disk that loses the last byte it was given
            run.program->beforeReportReadBack = [](const QString &name) {
                QFile report(name);
                QVERIFY(report.open(QIODevice::ReadWrite) && report.resize(report.size() - 1));
            };
        }
        {
            FileSizeLimit limit(fault == "full" ? aRecord.size() : RLIM_INFINITY);
            run.nameReport();
        }
        verifyFailure(run, message);
        if (fault == "mode")
            QCOMPARE(::chmod(working.constData(), 0600), 0);
        QCOMPARE(run.read(moved ? "kept.TXT" : "testFile.TXT"), aRecord + eRecord + sRecord);
        QCOMPARE(run.read(kept), fault.startsWith("re") ? "kept\r\n" : QByteArray());
        for (const QString &file : run.files())
            QVERIFY2(!file.endsWith(".part"), qPrintable(file)); // no part of a report either
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--killed-filing") == 0)
        return killedFiling(QByteArray(argv[2]).toInt());
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
