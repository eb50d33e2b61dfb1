// Faults a real desk meets: a second copy in the same folder, a folder the program cannot write
// its lock to, a disk that fills up, files in the way, a file system without hard links, a report
// that does not come back as it was written and a printer that cannot start.

#include "app/neededroutines.h"
#include "filingrun.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>

// The file layer's link and remove, failing with the error number set here (0: the system's own),
// as on a file system without hard links or a file something else holds.
static int linkFails = 0, removeFails = 0;
template <typename F> static F real(const char *name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
extern "C" int link(const char *from, const char *to)
{
    if (linkFails)
        return errno = linkFails, -1;
    return real<int (*)(const char *, const char *)>("link")(from, to);
}
extern "C" int remove(const char *path)
{
    if (removeFails)
        return errno = removeFails, -1;
    return real<int (*)(const char *)>("remove")(path);
}
#else
static int linkFails = 0, removeFails = 0;
#endif

namespace
{
// Where the run stands when the fault comes: on the contact screen, the employee screen after one
// employee, or the naming screen after one account of one employee.
constexpr qint64 noLimit = -1;
using Step = void (*)(FilingRun &);
const Step Contact = [](FilingRun &run) { run.start(); };
const Step Employees = [](FilingRun &run) { run.fileOneAccount({true, true, false}, 1); };
const Step Naming = [](FilingRun &run) { run.fileOneAccount({true, false, false}, 1); };

struct Fault {
    const char *name;
    Step stage;
    std::function<void(FilingRun &)> meet; // sets the fault up and takes the step that meets it
    QString message;       // the failure shown, a pattern; empty: none, the report made
    qint64 room = noLimit; // how many bytes a file may grow to, like a disk that fills up
    int linkError = 0, removeError = 0;
    QByteArray report;                   // the report file afterwards
    const char *keptIn = "testFile.TXT"; // where the records before the fault are
};

const QString written = "\n\nThe file testFile\\.TXT could not be written\\.",
              full = "Error 27: File too large", folder = "Error 21: Is a directory",
              notRead = "The working file testFile\\.TXT could not be read, so no report file "
                        "was made\\.",
              notMade = "\n\nThe report file FTP_WR4-4B_0123456\\.CSV could not be made; the "
                        "working file testFile\\.TXT still holds every record\\.";
#ifdef Q_OS_WIN // MoveFileExW's own number for a file moved onto a folder or a read-only file
const QString moved = "Error 5: .+", readOnly = moved;
#else
const QString moved = folder, readOnly = "Error 13: Permission denied";
#endif
const QByteArray filed = aRecord + eRecord + sRecord; // the filing of each run but the first

// The working file moved aside to kept.TXT, a folder or a pipe made in its place, and the report
// named.
void inTheWorkingFilesPlace(FilingRun &run, const QString &made)
{
    QVERIFY(QFile::rename(run.path("testFile.TXT"), run.path("kept.TXT")));
#ifndef Q_OS_WIN
    if (made == "pipe")
        QCOMPARE(::mkfifo(qPrintable(run.path("testFile.TXT")), 0600), 0);
#endif
    if (made == "folder")
        QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
    run.nameReport();
}

const Fault faults[] = {
    {"disk full in the first record", Contact, [](FilingRun &run) { run.acceptContact(); },
     full + written, 10},
    {"disk full in a record", Employees,
     [](FilingRun &run) {
         run.enterEmployee(with(validEmployee, {"SSN", "223456789"}));
     },
     full + written, filed.size() + 20},
    {"disk full in an import", Employees,
     [](FilingRun &run) {
         run.import("111223333,LEE,ANN,,40.00,30.00,13\n222334444,KIM,BO,J,40.00,30.00,1\n");
     },
     full + written, filed.size() + 70},
    {"disk full in a correction's rewrite", Employees,
     [](FilingRun &run) { // the gross wages typed over in Review Filing
         FilingRun::press(run.form(2), "cmdReviewEmployees");
         auto *table = run.form(2).findChild<QAbstractItemView *>("tblEmployees");
         FilingRun::typeInCell(table, 0, "Gross Wages", "250001");
     },
     full + written, filed.size() - 1},
    {"an unfinished filing that cannot be kept",
     [](FilingRun &run) { // a folder where the oldest kept file is dropped
         run.write("testFile.TXT", aRecord + eRecord);
         run.write("testFile.TXT.previous-4", "older\r\n");
         QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT.previous-5"));
         run.start();
     },
     [](FilingRun &run) { run.acceptContact(); },
     moved + "\n\nThe file testFile\\.TXT\\.previous-4, kept from an earlier filing, could not be "
             "moved aside, so nothing was written\\."},
    {"a folder in the working file's place at the save", Naming,
     [](FilingRun &run) { inTheWorkingFilesPlace(run, "folder"); }, folder + "\n\n" + notRead,
     noLimit, 0, 0, QByteArray(), "kept.TXT"},
#ifndef Q_OS_WIN // no pipes there
    {"a pipe in the working file's place at the save", Naming,
     [](FilingRun &run) { inTheWorkingFilesPlace(run, "pipe"); },
     notRead + "\n\nIt is not a regular file but a pipe, a device or a socket\\.", noLimit, 0, 0,
     QByteArray(), "kept.TXT"},
#endif
    {"disk full during the copy", Naming, [](FilingRun &run) { run.nameReport(); }, full + notMade,
     aRecord.size()},
    {"a read-only report, even for a superuser", Naming,
     [](FilingRun &run) {
         run.write(reportName, "kept\r\n");
         QVERIFY(QFile::setPermissions(run.path(reportName), QFile::ReadOwner));
         run.desktop.answer({true});
         run.nameReport();
     },
     readOnly + notMade, noLimit, 0, 0, "kept\r\n"},
    {"a file system whose links fail", Naming, [](FilingRun &run) { run.nameReport(); },
     "Error 5: Input/output error" + notMade, noLimit, EIO},
    {"no fault", Naming, [](FilingRun &run) { run.nameReport(); }, "", noLimit, 0, 0, filed},
    // Without hard links the report is renamed into place, still never over another file.
    {"a file system without hard links", Naming, [](FilingRun &run) { run.nameReport(); }, "",
     noLimit, EPERM, 0, filed},
    {"a working file that cannot be deleted after a report replaced", Naming,
     [](FilingRun &run) {
         run.write(reportName, "earlier\r\n");
         run.desktop.answer({true});
         run.nameReport();
     },
     "Error 16: Device or resource busy\n\nThe working file testFile\\.TXT could not be "
     "deleted\\.",
     noLimit, 0, EBUSY, filed},
    // No system call failed in these, so no system error is shown.
    {"a report that reads back different", Naming,
     [](FilingRun &run) {
         run.program->beforeReportReadBack = [](const QString &name) {
             QFile report(name); // a disk that loses the last byte it was given
             QVERIFY(report.open(QIODevice::ReadWrite) && report.resize(report.size() - 1));
         };
         run.nameReport();
     },
     "The report file FTP_WR4-4B_0123456\\.CSV was read back after copying and did not match "
     "the working file testFile\\.TXT, so it was removed\\. The working file still holds every "
     "record\\."},
    {"a printer that cannot start", Naming,
     [](FilingRun &run) {
         run.desktop.printTo = run.path("no folder/printed.pdf");
         run.desktop.answer({true});
         cNeededRoutines(*run.program).print_file("testFile.TXT");
         QCOMPARE(run.desktop.questions().last(), "Log file created. Would you like to print it?");
         QCOMPARE(run.desktop.shown[run.desktop.shown.size() - 2].title,
                  "Create CSV File for TAVO");
     },
     "The file testFile\\.TXT could not be printed: the printer could not be started\\."},
};
} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    // A run that cannot have the folder to itself tells why, under the program's title, and ends
    // before the version notice, the working file untouched: another copy works there, or the
    // folder is gone so no lock file can be made in it.
    void runWithoutTheFolder_toldAndEnds()
    {
        FilingRun run;
        run.fileOneAccount({false, false});
        for (const bool gone : {false, true}) {
#ifdef Q_OS_WIN
            if (gone)
                QSKIP("Windows keeps the current folder from being deleted");
#endif
            if (gone) {
                QVERIFY(QDir(run.path(".")).mkdir("gone") && QDir::setCurrent(run.path("gone")));
                QVERIFY(QDir(run.path(".")).rmdir("gone"));
            }
            ScriptedDesktop secondDesktop;
            Program second(secondDesktop);
            second.start();
            QVERIFY(secondDesktop.ended && secondDesktop.exitCode == 1);
            QCOMPARE(secondDesktop.shown.constFirst().title, "Create CSV File for TAVO");
            QCOMPARE(secondDesktop.notices(),
                     {gone ? "The file testFile.TXT.lock could not be made in this folder, so no "
                             "report can be prepared here. Start the program in a folder you may "
                             "write to."
                           : "Another copy of this program is already preparing a report in this "
                             "folder. Two copies would mix their records in one working file, so "
                             "this copy will now close.\r\n\r\nFinish the report in the other "
                             "copy first. If no other copy is running, delete the file "
                             "testFile.TXT.lock in this folder and start the program again."});
            QCOMPARE(run.workingFile(), aRecord + eRecord);
        }
    }

    // A fault at each kind of write, at the save and at the printer: the one failure message
    // names what failed, nothing else is shown after it and the run ends; the working file keeps
    // whole records, the ones before, and no part of a file is left.
    void fault_fileNamed_wholeRecordsKept_data()
    {
        QTest::addColumn<int>("at");
        for (const Fault &fault : faults)
            QTest::newRow(fault.name) << int(&fault - faults);
    }
    void fault_fileNamed_wholeRecordsKept()
    {
        QFETCH(int, at);
        const Fault &fault = faults[at];
        FilingRun run;
        fault.stage(run);
        const QByteArray before = run.workingFile(), older = run.read("testFile.TXT.previous-4");
#ifdef Q_OS_WIN
        if (fault.room != noLimit || fault.linkError || fault.removeError)
            QSKIP("Windows has no limit on a file's size nor calls the test can make fail");
        fault.meet(run);
#else
        rlimit unlimited{}, limit{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        limit = unlimited;
        limit.rlim_cur = fault.room == noLimit ? RLIM_INFINITY : rlim_t(fault.room);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a signal
        setrlimit(RLIMIT_FSIZE, &limit);
        linkFails = fault.linkError, removeFails = fault.removeError;
        fault.meet(run);
        linkFails = removeFails = 0;
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, handler);
#endif
        const QStringList failures = run.desktop.failures();
        QCOMPARE(failures.size(), fault.message.isEmpty() ? 0 : 1);
        QCOMPARE(run.desktop.exitCode, failures.size());
        if (!failures.isEmpty()) {
            QVERIFY2(QRegularExpression("^" + fault.message + "\n\nThe program will now close\\.$")
                         .match(failures[0])
                         .hasMatch(),
                     qPrintable(failures[0]));
            QCOMPARE(run.desktop.shown.last().kind, ScriptedDesktop::Kind::Failure);
        }
        QVERIFY(run.desktop.ended && run.program->hasEnded() && run.visibleScreens().isEmpty());
        QCOMPARE(run.read(fault.keptIn), before);
        QCOMPARE(run.read("testFile.TXT.previous-4"), older);
        QCOMPARE(run.read(reportName), fault.report);
        QCOMPARE(run.files().filter(".part"), QStringList()); // nothing under a temporary name
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
