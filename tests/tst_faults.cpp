// Faults a real desk meets: a second copy in the same folder, a run killed half-way, a disk that
// fills up, files in the way and a report that does not come back as it was written.

#include "app/program.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

const QByteArray aRecord = "A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n";
const QByteArray eRecord = "E,0123456,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n";
const QByteArray sRecord = "S,0123456  ,123456789,O'NEIL,MARY,,250000,100000,13, , \r\n";
const QString reportName = QStringLiteral("FTP_WR4-4B_0123456.CSV");

// A filing of one account with one employee, up to the naming screen.
FormNameFile &fileUpToNaming(FilingRun &run)
{
    run.start();
    run.desktop.answer({true, false, false});
    run.acceptContact();
    run.enterAccount({});
    run.enterEmployee({});
    FormNameFile &naming = run.program->formNameFile();
    QApplication::setActiveWindow(&naming);
    return naming;
}

void nameAndSave(FormNameFile &naming)
{
    FilingRun::choose(naming.ui.lstEmployeOrTPA, "Employer");
    FilingRun::type(naming.ui.EAN_TPAID, "0123456");
    FilingRun::choose(naming.ui.lstFTPorUPLOAD, "FTP");
    FilingRun::press(naming.ui.cmdNameFile);
}

// The one failure message shown, checked against the pattern, with the run ended.
void verifyFailure(const FilingRun &run, const QString &pattern)
{
    QCOMPARE(run.desktop.failures().size(), 1);
    const QString shown = run.desktop.failures().first();
    QVERIFY2(
        shown.contains(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)),
        qPrintable(shown));
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.exitCode, 1);
    QVERIFY(run.visibleScreens().isEmpty());
}

#ifdef Q_OS_UNIX
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
#endif

// The killed runs below: the number of the message box during which the run is killed, and the
// records accepted before that box came up.
struct KillPoint {
    const char *box;
    QByteArray records;
};
const QList<KillPoint> killPoints = {
    {"version notice", QByteArray()},
    {"employees? (first account)", aRecord + eRecord},
    {"another employee? (after the first)", aRecord + eRecord + sRecord},
    {"another employee? (after the second)", aRecord + eRecord + sRecord + sRecord},
    {"another account?", aRecord + eRecord + sRecord + sRecord},
    {"employees? (second account)", aRecord + eRecord + sRecord + sRecord + eRecord},
    {"another employee? (second account)",
     aRecord + eRecord + sRecord + sRecord + eRecord + sRecord},
    {"another account? (second time)", aRecord + eRecord + sRecord + sRecord + eRecord + sRecord},
    {"closing message", aRecord + eRecord + sRecord + sRecord + eRecord + sRecord},
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
#ifdef Q_OS_UNIX
        if (++boxes == killAt)
            ::kill(::getpid(), SIGKILL);
#endif
    };
    run.start();
    run.desktop.answer({true, true, false, true, true, false, false});
    run.acceptContact();
    run.enterAccount({});
    run.enterEmployee({});
    run.enterEmployee({});
    run.enterAccount({});
    run.enterEmployee({});
    FormNameFile &naming = run.program->formNameFile();
    QApplication::setActiveWindow(&naming);
    nameAndSave(naming);
    return run.desktop.ended ? 0 : 3;
}

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void secondCopy_toldAndEnds_workingFileUntouched();
    void oneCopy_leavesNoLockBehind();
    void killedRun_everyAcceptedRecordKept_data();
    void killedRun_everyAcceptedRecordKept();
    void diskFullMidRecord_wholeRecordsKept();
    void unreadableWorkingFileAtSave_data();
    void unreadableWorkingFileAtSave();
    void diskFullDuringCopy_noReportLeft();
    void reportCannotBeReplaced_failureAndNothingHalfWritten();
    void reportReadBackDiffers_failureNotClosingMessage();
};

void FaultsTest::secondCopy_toldAndEnds_workingFileUntouched()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    QCOMPARE(run.workingFile(), aRecord);

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
             QStringList{Program::anotherCopyNotice(QStringLiteral("testFile.TXT.lock"))});
    QCOMPARE(secondDesktop.shown.first().title, Program::programTitle);
    QVERIFY(secondDesktop.questions().isEmpty()); // not even the version notice
    QVERIFY(secondDesktop.ended);
    QCOMPARE(secondDesktop.exitCode, 1);
    QVERIFY(!second.hasForm3());
    QCOMPARE(run.workingFile(), aRecord);

    // The first copy carries on as if nothing had happened.
    run.desktop.answer({false, false});
    run.enterAccount({});
    QCOMPARE(run.workingFile(), aRecord + eRecord);
    QVERIFY(run.desktop.failures().isEmpty());
    QVERIFY(!run.desktop.ended);
}

void FaultsTest::oneCopy_leavesNoLockBehind()
{
    FilingRun run;
    FormNameFile &naming = fileUpToNaming(run);
    QVERIFY(run.exists("testFile.TXT.lock"));
    nameAndSave(naming);
    QVERIFY(run.desktop.ended);
    QVERIFY(run.desktop.failures().isEmpty());
    QCOMPARE(run.files(), (QStringList{reportName, "testFile.TXT"}));

    // The folder is free for the next report.
    ScriptedDesktop nextDesktop;
    Program next(nextDesktop);
    next.start();
    QCOMPARE(nextDesktop.questions(), QStringList{Program::versionNotice()});
    QVERIFY(!nextDesktop.ended);
    next.endProgram();
    QVERIFY(!run.exists("testFile.TXT.lock"));
}

void FaultsTest::killedRun_everyAcceptedRecordKept_data()
{
    QTest::addColumn<int>("killAt");
    QTest::addColumn<QByteArray>("records");
    for (int i = 0; i < killPoints.size(); ++i)
        QTest::newRow(killPoints[i].box) << i + 1 << killPoints[i].records;
}

void FaultsTest::killedRun_everyAcceptedRecordKept()
{
#ifndef Q_OS_UNIX
    QSKIP("kills the run with SIGKILL");
#else
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

    QFile working(folder + QStringLiteral("/testFile.TXT"));
    if (records.isEmpty()) {
        QVERIFY(!working.exists());
    } else {
        QVERIFY(working.open(QIODevice::ReadOnly));
        QCOMPARE(working.readAll(), records);
    }
    // A report, when there is one, is whole.
    QFile report(folder + u'/' + reportName);
    if (report.exists()) {
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll(), records);
    }

    // The killed run left its lock behind; the next copy recognises it and takes over.
    QVERIFY(QFile::exists(folder + QStringLiteral("/testFile.TXT.lock")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    {
        ScriptedDesktop nextDesktop;
        Program next(nextDesktop);
        next.start();
        QCOMPARE(nextDesktop.questions(), QStringList{Program::versionNotice()});
        QVERIFY(nextDesktop.notices().isEmpty());
        QVERIFY(!nextDesktop.ended);
        next.endProgram();
    }
    QDir::setCurrent(previous);
    QVERIFY(!QFile::exists(folder + QStringLiteral("/testFile.TXT.lock")));
#endif
}

void FaultsTest::diskFullMidRecord_wholeRecordsKept()
{
#ifndef Q_OS_UNIX
    QSKIP("limits the file size with setrlimit");
#else
    FilingRun run;
    run.start();
    run.desktop.answer({true});
    run.acceptContact();
    run.enterAccount({});
    QCOMPARE(run.workingFile(), aRecord + eRecord);
    {
        // Room for part of the S record only.
        FileSizeLimit limit(aRecord.size() + eRecord.size() + 20);
        run.enterEmployee({});
    }
    verifyFailure(run, "^Error 27: File too large\n\nThe file testFile\\.TXT could not be written");
    QCOMPARE(run.workingFile(), aRecord + eRecord);
#endif
}

void FaultsTest::unreadableWorkingFileAtSave_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing: no empty report") << "missing"
                                              << "^Error 2: No such file or directory\n\n";
    QTest::newRow("a folder in its place") << "folder"
                                           << "^Error 21: Is a directory\n\n";
    QTest::newRow("a link that leads round in a circle")
        << "loop"
        << "^Error 40: Too many levels of symbolic links\n\n";
#ifdef Q_OS_UNIX
    // A superuser reads the file all the same.
    if (::geteuid() != 0)
        QTest::newRow("no permission to read") << "mode"
                                               << "^Error 13: Permission denied\n\n";
#endif
}

void FaultsTest::unreadableWorkingFileAtSave()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
#ifndef Q_OS_UNIX
    QSKIP("the faults are made with POSIX calls");
#else
    FilingRun run;
    FormNameFile &naming = fileUpToNaming(run);
    const QByteArray working = run.path("testFile.TXT").toLocal8Bit();
    if (fault == "missing") {
        QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
    } else if (fault == "folder") {
        QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
        QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
    } else if (fault == "loop") {
        QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
        QCOMPARE(::symlink("testFile.TXT", working.constData()), 0);
    } else {
        QCOMPARE(::chmod(working.constData(), 0), 0);
    }
    nameAndSave(naming);
    verifyFailure(run, message + "The working file testFile\\.TXT could not be read, so no report "
                                 "file was made\\.");
    QCOMPARE(run.desktop.questions().size(), 4); // no replacement question either
    QVERIFY(run.desktop.notices().isEmpty());
    QVERIFY(!run.exists(reportName));
    if (fault == "mode")
        QCOMPARE(::chmod(working.constData(), 0600), 0);
    QCOMPARE(run.read(fault == "mode" ? "testFile.TXT" : "kept.TXT"), aRecord + eRecord + sRecord);
#endif
}

void FaultsTest::diskFullDuringCopy_noReportLeft()
{
#ifndef Q_OS_UNIX
    QSKIP("limits the file size with setrlimit");
#else
    FilingRun run;
    FormNameFile &naming = fileUpToNaming(run);
    {
        FileSizeLimit limit(aRecord.size());
        nameAndSave(naming);
    }
    verifyFailure(run,
                  "^Error 27: File too large\n\nThe report file FTP_WR4-4B_0123456\\.CSV could "
                  "not be made; the working file testFile\\.TXT still holds every record\\.");
    QVERIFY(run.desktop.notices().isEmpty());
    QCOMPARE(run.files(), QStringList{"testFile.TXT"}); // no report, no part of one
    QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
#endif
}

void FaultsTest::reportCannotBeReplaced_failureAndNothingHalfWritten()
{
    FilingRun run;
    FormNameFile &naming = fileUpToNaming(run);
    QVERIFY(QDir(run.path(".")).mkdir(reportName));
    run.write(reportName + "/inside.txt", "kept\r\n");
    run.desktop.answer({true});
    nameAndSave(naming);
    verifyFailure(run,
                  "^Error 21: Is a directory\n\nThe report file FTP_WR4-4B_0123456\\.CSV could "
                  "not be made; the working file testFile\\.TXT still holds every record\\.");
    QCOMPARE(run.desktop.questions().last(),
             "File with the name already exists, do you want to overwrite it?");
    QCOMPARE(run.files(), (QStringList{reportName, "testFile.TXT"}));
    QCOMPARE(run.read(reportName + "/inside.txt"), QByteArray("kept\r\n"));
    QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
}

void FaultsTest::reportReadBackDiffers_failureNotClosingMessage()
{
    FilingRun run;
    FormNameFile &naming = fileUpToNaming(run);
    // A disk that loses the last byte it was given.
    run.program->beforeReportReadBack = [](const QString &name) {
        QFile report(name);
        QVERIFY(report.open(QIODevice::ReadWrite));
        QVERIFY(report.resize(report.size() - 1));
    };
    nameAndSave(naming);
    verifyFailure(run,
                  "^Error 5: Input/output error\n\nThe report file FTP_WR4-4B_0123456\\.CSV was "
                  "read back after copying and did not match the working file testFile\\.TXT, so "
                  "it was removed\\. The working file still holds every record\\.");
    QVERIFY(run.desktop.notices().isEmpty()); // never the closing message
    QCOMPARE(run.files(), QStringList{"testFile.TXT"});
    QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--killed-filing") == 0)
        return killedFiling(QByteArray(argv[2]).toInt());
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
