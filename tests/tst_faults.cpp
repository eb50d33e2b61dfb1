// Faults a real desk meets: a second copy in the same folder, a disk that fills up, files in the
// way, a report that does not come back as it was written and a printer that cannot start.

#include "app/neededroutines.h"
#include "filingrun.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

namespace
{
// The one failure message shown, the pattern and the closing line, with the run ended and nothing
// else shown.
void verifyFailure(const FilingRun &run, const QString &pattern)
{
    QCOMPARE(run.desktop.failures().size(), 1);
    const QString shown = run.desktop.failures().first();
    QVERIFY2(QRegularExpression("^" + pattern + "\n\nThe program will now close\\.$")
                 .match(shown)
                 .hasMatch(),
             qPrintable(shown));
    QVERIFY(run.desktop.ended && run.program->hasEnded() && run.visibleScreens().isEmpty());
    QCOMPARE(run.desktop.exitCode, 1);
    QVERIFY(run.desktop.notices().isEmpty()); // never the closing message
}

#ifdef Q_OS_WIN
// Windows has no limit on a file's size to make a full disk with: the rows that need one are
// skipped there, and the others run as they are.
using rlim_t = qint64;
const rlim_t RLIM_INFINITY = -1;
const auto withRoomFor = [](rlim_t, auto act) { act(); };
#else
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
#endif

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    // A second copy in the folder is told and ends, not even the version notice shown, the
    // working file untouched.
    void secondCopy_toldAndEnds()
    {
        FilingRun run;
        run.fileOneAccount({false, false});
        ScriptedDesktop secondDesktop;
        Program second(secondDesktop);
        second.start();
        QVERIFY(secondDesktop.ended && secondDesktop.questions().isEmpty());
        QCOMPARE(secondDesktop.notices(),
                 {"Another copy of this program is already preparing a report in this folder. Two "
                  "copies would mix their records in one working file, so this copy will now "
                  "close.\r\n\r\nFinish the report in the other copy first. If no other copy is "
                  "running, delete the file testFile.TXT.lock in this folder and start the "
                  "program again."});
        QCOMPARE(run.workingFile(), aRecord + eRecord);
    }

    // A working file only its owner may read stays so through a correction's rewrite, and the
    // report made from it is as private, and so is a private file resumed: wages and SSNs are not
    // left readable by others.
    void privateWorkingFile_staysPrivate()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps a file private by the access list it inherits from its folder");
#endif
        FilingRun run;
        run.fileOneAccount({true, false, false}, 1);
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(run.path("testFile.TXT"), ownerOnly));
        FilingRun::press(run.program->form3(), "cmdReviewEmployees");
        auto *table = run.program->form3().findChild<QAbstractItemView *>("tblEmployees");
        QApplication::setActiveWindow(table->window());
        FilingRun::typeInCell(table, 0, "Gross Wages", "250001");
        run.nameReport();
        for (const QString &file : {QString("testFile.TXT"), reportName})
            QCOMPARE(QFileInfo(run.path(file)).permissions() & 0x0777, // of user, group, others
                     QFile::ReadUser | QFile::WriteUser);
        QVERIFY(run.read(reportName).contains(",250001,"));
        // A private file resumed is copied in as private as it is.
        FilingRun resumed;
        resumed.write("mine.TXT", aRecord + eRecord);
        QVERIFY(QFile::setPermissions(resumed.path("mine.TXT"), ownerOnly));
        resumed.resume("", {false, false}, "mine.TXT");
        QCOMPARE(resumed.workingFile(), aRecord + eRecord);
        QCOMPARE(QFileInfo(resumed.path("testFile.TXT")).permissions() & 0x0777,
                 QFile::ReadUser | QFile::WriteUser);
    }

    // A fault at each kind of write, at the save and at the printer: the one failure message
    // names what failed and the run ends; the working file keeps whole records, the ones before,
    // and no part of a file is left.
    void fault_fileNamed_wholeRecordsKept_data()
    {
        QTest::addColumn<QString>("fault"); // what goes wrong, then where
        QTest::addColumn<QString>("message");
        const QString written = "\n\nThe file testFile\\.TXT could not be written\\.",
                      full = "Error 27: File too large", folder = "Error 21: Is a directory",
                      notMade = "\n\nThe report file FTP_WR4-4B_0123456\\.CSV could not be made; "
                                "the working file testFile\\.TXT still holds every record\\.";
#ifdef Q_OS_WIN // MoveFileExW's own number for a file moved onto a folder or a read-only file
        const QString moved = "Error 5: .+", readOnly = moved;
#else
        const QString moved = folder, readOnly = "Error 13: Permission denied";
#endif
        QTest::newRow("disk full in the first record") << "full contact" << full + written;
        QTest::newRow("disk full in a record") << "full employee" << full + written;
        QTest::newRow("disk full in an import") << "full import" << full + written;
        QTest::newRow("disk full in a correction's rewrite") << "full correction" << full + written;
        QTest::newRow("an unfinished filing that cannot be kept")
            << "kept contact"
            << moved + "\n\nThe file testFile\\.TXT\\.previous-4, kept from an earlier filing, "
                       "could not be moved aside, so nothing was written\\.";
        QTest::newRow("a folder in the working file's place at the save")
            << "folder save"
            << folder + "\n\nThe working file testFile\\.TXT could not be read, so no report "
                        "file was made\\.";
        QTest::newRow("disk full during the copy") << "full save" << full + notMade;
        QTest::newRow("a read-only report, even for a superuser")
            << "read-only save" << readOnly + notMade;
        // No system call failed in these, so no system error is shown.
        QTest::newRow("report reads back different")
            << "differs save"
            << "The report file FTP_WR4-4B_0123456\\.CSV was read back after copying and did not "
               "match the working file testFile\\.TXT, so it was removed\\. The working file "
               "still holds every record\\.";
        QTest::newRow("a naming choice the program does not know")
            << "choice save"
            << "The naming screen offers a choice this program does not know, so no report file "
               "was made\\. The working file testFile\\.TXT still holds every record\\.";
        QTest::newRow("a printer that cannot start")
            << "printer save"
            << "The file testFile\\.TXT could not be printed: the printer could not be "
               "started\\.";
    }
    void fault_fileNamed_wholeRecordsKept()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
#ifdef Q_OS_WIN
        if (fault.startsWith("full"))
            QSKIP("Windows has no limit on a file's size to make a full disk with");
#endif
        FilingRun run;
        const bool contact = fault.endsWith("contact"), save = fault.endsWith("save");
        if (fault == "kept contact") { // a folder where the oldest kept file is dropped
            run.write("testFile.TXT", aRecord + eRecord);
            run.write("testFile.TXT.previous-4", "older\r\n");
            QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT.previous-5"));
        }
        contact ? run.start() : run.fileOneAccount({true, !save, false}, 1);
        const QByteArray before = run.workingFile();
        Form3 &employees = run.program->form3();
        FilingRun::fill(employees, fault == "full import"
                                       ? EmployeeEntries()
                                       : with(validEmployee, {"SSN", "223456789"}));
        run.write("employees.csv", "111223333,LEE,ANN,,40.00,30.00,13\n"
                                   "222334444,KIM,BO,J,40.00,30.00,1\n");
        run.desktop.filesToOpen.enqueue(run.path("employees.csv"));
        if (fault.startsWith("folder")) {
            QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
            QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
        }
        if (fault == "read-only save") { // an existing report, to be replaced
            run.write(reportName, "kept\r\n");
            QVERIFY(QFile::setPermissions(run.path(reportName), QFile::ReadOwner));
            run.desktop.answer({true});
        }
        if (fault == "differs save") { // a disk that loses the last byte it was given
            run.program->beforeReportReadBack = [](const QString &name) {
                QFile report(name);
                QVERIFY(report.open(QIODevice::ReadWrite) && report.resize(report.size() - 1));
            };
        }
        QWidget &naming = run.program->formNameFile();
        auto *kinds = FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA");
        if (fault == "choice save") // one added to the form
            kinds->addItem("Other");
        if (fault == "printer save") {
            run.desktop.printTo = run.path("no folder/printed.pdf");
            run.desktop.answer({true});
        }
        if (fault == "full correction")
            FilingRun::press(employees, "cmdReviewEmployees");
        auto *table = employees.findChild<QAbstractItemView *>("tblEmployees");
        if (table)
            QApplication::setActiveWindow(table->window());
        const rlim_t room = !fault.startsWith("full")    ? RLIM_INFINITY
                            : contact                    ? 10
                            : save                       ? aRecord.size()
                            : fault == "full correction" ? before.size() - 1
                            : fault == "full import"     ? before.size() + 70
                                                         : before.size() + 20;
        withRoomFor(room, [&] {
            if (contact) {
                run.acceptContact();
            } else if (table) {
                FilingRun::typeInCell(table, 0, "Gross Wages", "250001");
            } else if (!save) {
                FilingRun::press(employees,
                                 fault == "full import" ? "cmdImportEmployees" : "cmdAddEmployee");
            } else if (fault == "printer save") {
                cNeededRoutines(*run.program).print_file("testFile.TXT");
            } else if (fault == "choice save") {
                FilingRun::fill(naming, validNaming);
                FilingRun::choose(kinds, "Other");
                FilingRun::press(naming, "cmdNameFile");
            } else {
                run.nameReport();
            }
        });
        verifyFailure(run, message);
        QCOMPARE(run.read(fault.startsWith("folder") ? "kept.TXT" : "testFile.TXT"), before);
        QCOMPARE(run.read("testFile.TXT.previous-4"),
                 fault == "kept contact" ? "older\r\n" : QByteArray());
        QCOMPARE(run.read(reportName), fault == "read-only save" ? "kept\r\n" : QByteArray());
        QCOMPARE(run.files().filter(".part"),
                 QStringList());     // nothing written under a temporary name
        if (fault == "printer save") // the question before
            QCOMPARE(run.desktop.shown[run.desktop.shown.size() - 2].title,
                     "Create CSV File for TAVO");
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
