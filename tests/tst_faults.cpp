// Faults a real desk meets: a second copy in the same folder, a lock left by a crashed one, a
// disk that fills up, files in the way, a report that does not come back as it was written and a
// printer that cannot start.

#include "app/neededroutines.h"
#include "filingrun.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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
    QVERIFY(run.desktop.ended && run.program->hasEnded() && run.visibleScreens().isEmpty());
    QCOMPARE(run.desktop.exitCode, 1);
    QVERIFY(run.desktop.notices().isEmpty()); // never the closing message
}

// Runs `act` with files allowed to grow to `bytes` at most, like a disk with that much room left.
template <typename F> void withRoomFor(rlim_t bytes, F act)
{
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a signal
    rlimit limit = before;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    act();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
}

// No part of a file written under a temporary name is left in the folder.
void verifyNoPartLeft(const FilingRun &run)
{
    for (const QString &file : run.files())
        QVERIFY2(!file.endsWith(".part"), qPrintable(file));
}

const QString closing = "\n\nThe program will now close\\.$";
const QString unread = "\n\nThe working file testFile\\.TXT could not be read, so no report file "
                       "was made\\.";
const QString notMade = "\n\nThe report file FTP_WR4-4B_0123456\\.CSV could not be made; the "
                        "working file testFile\\.TXT still holds every record\\.";
} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    // A second copy in the folder is told and ends, not even the version notice shown, the
    // working file untouched; a lock left by a copy that crashed on this computer is taken over.
    void secondCopy_toldAndEnds_crashedCopysLockTakenOver()
    {
        FilingRun run;
        run.fileOneAccount({false, false});
        for (const bool crashed : {false, true}) {
            if (crashed) { // its lock names a process that no longer runs
                run.program->endProgram();
                run.write("testFile.TXT.lock",
                          "999999999\ntavo-csv\n" + QSysInfo::machineHostName().toUtf8() + "\n");
            }
            ScriptedDesktop secondDesktop;
            secondDesktop.answer({false});
            Program second(secondDesktop);
            second.start();
            QCOMPARE(secondDesktop.ended, !crashed);
            QCOMPARE(secondDesktop.questions().size(), int(crashed)); // the version notice
            QCOMPARE(secondDesktop.notices(),
                     crashed
                         ? QStringList()
                         : QStringList{"Another copy of this program is already preparing a report "
                                       "in this folder. Two copies would mix their records in one "
                                       "working file, so this copy will now close.\r\n\r\nFinish "
                                       "the report in the other copy first. If no other copy is "
                                       "running, delete the file testFile.TXT.lock in this folder "
                                       "and start the program again."});
            QCOMPARE(run.workingFile(), aRecord + eRecord);
            second.endProgram();
        }
    }

    // A write of the working file that fails (an append, an import, a correction's rewrite): the
    // failure names the file, and the file keeps whole records only, the ones before.
    void writeFault_fileNamed_wholeRecordsKept_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        const QString full = "^Error 27: File too large\n\nThe file testFile\\.TXT could not be "
                             "written\\." +
                             closing;
        QTest::newRow("disk full in the contact's record, the first") << "full contact" << full;
        QTest::newRow("disk full in a record") << "full" << full;
        QTest::newRow("disk full in an import") << "full import" << full;
        QTest::newRow("disk full in a correction's rewrite") << "full correction" << full;
        QTest::newRow("a folder in the working file's place")
            << "folder"
            << "^Error 21: Is a directory\n\nThe file testFile\\.TXT could not be "
               "written\\." +
                   closing;
        QTest::newRow("an unfinished filing that cannot be kept")
            << "previous"
            << "^Error 21: Is a directory\n\nThe file testFile\\.TXT\\.previous-4, kept from an "
               "earlier filing, could not be moved aside, so nothing was written\\." +
                   closing;
    }
    void writeFault_fileNamed_wholeRecordsKept()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        FilingRun run;
        if (fault == "previous" || fault == "full contact") {
            if (fault == "previous") { // a folder where the oldest kept file is dropped
                run.write("testFile.TXT", aRecord + eRecord);
                run.write("testFile.TXT.previous-4", "older\r\n");
                QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT.previous-5"));
            }
            run.start();
            withRoomFor(fault == "previous" ? RLIM_INFINITY : 10, [&] { run.acceptContact(); });
            verifyFailure(run, message);
            QCOMPARE(run.workingFile(), fault == "previous" ? aRecord + eRecord : QByteArray());
            QCOMPARE(run.read("testFile.TXT.previous-4"),
                     fault == "previous" ? "older\r\n" : QByteArray());
            return;
        }
        run.fileOneAccount({true, true}, 1);
        const QByteArray before = run.workingFile();
        const bool import = fault == "full import";
        run.write("employees.csv", "111223333,LEE,ANN,,40.00,30.00,13\n"
                                   "222334444,KIM,BO,J,40.00,30.00,1\n");
        run.desktop.filesToOpen.enqueue(run.path("employees.csv"));
        FilingRun::fill(run.program->form3(), import ? EmployeeEntries() : validEmployee);
        if (fault == "folder") {
            QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
            QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
        }
        if (fault == "full correction") {
            FilingRun::press(run.program->form3(), "cmdReviewEmployees");
            auto *employees = run.program->form3().findChild<QAbstractItemView *>("tblEmployees");
            QApplication::setActiveWindow(employees->window());
            withRoomFor(before.size() - 1,
                        [&] { FilingRun::typeInCell(employees, 0, "Gross Wages", "250001"); });
        } else {
            withRoomFor(fault == "folder" ? RLIM_INFINITY : before.size() + (import ? 70 : 20),
                        [&] {
                            FilingRun::press(run.program->form3(),
                                             import ? "cmdImportEmployees" : "cmdAddEmployee");
                        });
        }
        verifyFailure(run, message);
        QCOMPARE(run.read(fault == "folder" ? "kept.TXT" : "testFile.TXT"), before);
        verifyNoPartLeft(run);
    }

    void faultAtSave_failureShown_nothingHalfWritten_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("working file missing") << "missing"
                                              << "^Error 2: No such file or directory" + unread;
        QTest::newRow("a folder in its place") << "folder"
                                               << "^Error 21: Is a directory" + unread;
        QTest::newRow("disk full during the copy") << "full"
                                                   << "^Error 27: File too large" + notMade;
        QTest::newRow("a read-only report, even for a superuser")
            << "read-only report"
            << "^Error 13: Permission denied" + notMade;
        QTest::newRow("a naming choice the program does not know")
            << "unknown choice"
            << "^The naming screen offers a choice this program does not know, so no report file "
               "was made\\. The working file testFile\\.TXT still holds every record\\." +
                   closing;
        // No system call failed, so no system error is shown.
        QTest::newRow("report reads back different")
            << "differs"
            << "^The report file FTP_WR4-4B_0123456\\.CSV was read back after copying and did not "
               "match the working file testFile\\.TXT, so it was removed\\. The working file "
               "still holds every record\\." +
                   closing;
    }
    void faultAtSave_failureShown_nothingHalfWritten()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        FilingRun run;
        run.fileOneAccount({true, false, false}, 1);
        const bool moved = fault == "missing" || fault == "folder";
        if (moved)
            QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
        if (fault == "folder")
            QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
        if (fault == "read-only report") { // an existing report, to be replaced
            run.write(reportName, "kept\r\n");
            QVERIFY(QFile::setPermissions(run.path(reportName), QFile::ReadOwner));
            run.desktop.answer({true});
        }
        if (fault == "differs") { // a disk that loses the last byte it was given
            run.program->beforeReportReadBack = [](const QString &name) {
                QFile report(name);
                QVERIFY(report.open(QIODevice::ReadWrite) && report.resize(report.size() - 1));
            };
        }
        if (fault == "unknown choice") { // one added to the form
            QWidget &naming = run.program->formNameFile();
            FilingRun::fill(naming, validNaming);
            auto *kinds = FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA");
            kinds->addItem("Other");
            FilingRun::choose(kinds, "Other");
            FilingRun::press(naming, "cmdNameFile");
        } else {
            withRoomFor(fault == "full" ? aRecord.size() : RLIM_INFINITY,
                        [&] { run.nameReport(); });
        }
        verifyFailure(run, message);
        QCOMPARE(run.read(moved ? "kept.TXT" : "testFile.TXT"), aRecord + eRecord + sRecord);
        QCOMPARE(run.read(reportName), fault.startsWith("re") ? "kept\r\n" : QByteArray());
        verifyNoPartLeft(run);
    }

    void printerThatCannotStart_failureShown()
    {
        FilingRun run;
        run.fileOneAccount({false, false});
        run.desktop.printTo = run.path("no folder/printed.pdf");
        run.desktop.answer({true});
        cNeededRoutines(*run.program).print_file("testFile.TXT");
        QCOMPARE(run.desktop.shown[run.desktop.shown.size() - 2].title, "Create CSV File for TAVO");
        verifyFailure(run, "^The file testFile\\.TXT could not be printed: the printer could not "
                           "be started\\." +
                               closing);
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
