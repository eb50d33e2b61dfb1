// Whole filings driven through the real screens with scripted answers: the records in the working
// file, the questions in the order asked, the screens up at each question and the report file.

#include "app/neededroutines.h"
#include "check/reportchecker.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QTest>

namespace
{
const QString anyEmployees = QStringLiteral("Do you have any employees to report?");
const QString anotherEmployee = QStringLiteral("Add an additional employee?");
const QString anotherAccount =
    QStringLiteral("Add an additional VL Unemployment Compensation tax account to this file?");
const QString replaceQuestion =
    QStringLiteral("File with the name already exists, do you want to overwrite it?");

const QByteArray aRecord("A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n");

QString closingMessage(const QString &name)
{
    return QStringLiteral("File named ") + name +
           QStringLiteral(" has been created. This CSV file will be stored in the same location "
                          "where this program is located.  The program is now closing\u2026");
}

FilingRun::Account account(const QString &ean, const QString &quarter = "2 = April to June",
                           const QString &year = "2026")
{
    FilingRun::Account entries;
    entries.ean = ean;
    entries.quarter = quarter;
    entries.year = year;
    return entries;
}

FilingRun::Employee employee(const QString &ssn, const QString &last)
{
    FilingRun::Employee entries;
    entries.ssn = ssn;
    entries.last = last;
    return entries;
}

// Remembers which screens were up while each question or notice was shown.
void recordScreensAtEachBox(FilingRun &run, QList<QStringList> &screens)
{
    run.desktop.whileShowing = [&run, &screens](const ScriptedDesktop::Shown &) {
        screens.append(run.visibleScreens());
    };
}

void nameTheFile(FilingRun &run, const QString &kind, const QString &method, const QString &number,
                 const QString &sequence)
{
    auto &ui = run.program->formNameFile().ui;
    FilingRun::choose(ui.lstEmployeOrTPA, kind);
    FilingRun::choose(ui.lstFTPorUPLOAD, method);
    FilingRun::type(ui.EAN_TPAID, number);
    FilingRun::type(ui.txtSequenceNumber, sequence);
    FilingRun::press(ui.cmdNameFile);
}
} // namespace

class FilingTest : public QObject
{
    Q_OBJECT

private slots:
    void oneAccountNoEmployee_AThenE_noScreenBehindTheFirstQuestion();
    void twoAccounts_firstWithTwoEmployees_AESSE();
    void threeAccounts_secondWithEmployees_informationLabelFollowsTheAccount();
    void amendedFiling_reminderNamesAmended();
    void failedPressesWriteAndAskNothing();
    void workingFileDeletedMidway_appendCreatesIt();
    void secondRunSameEntries_asksBeforeReplacing_noKeepsTheOldReport();
    void closingTheNamingScreen_endsWithoutAReport();
    void doneAddingEmployees_asksBothQuestionsInOneCall();
    void reportOfTheScreens_passesTheCheckerClean();
};

void FilingTest::oneAccountNoEmployee_AThenE_noScreenBehindTheFirstQuestion()
{
    FilingRun run;
    QList<QStringList> screens;
    recordScreensAtEachBox(run, screens);
    run.start();
    run.acceptContact();
    run.desktop.answer({false, false});
    run.enterAccount(account("0123456"));

    QCOMPARE(run.workingFile(),
             aRecord + "E,0123456,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n");
    QCOMPARE(run.desktop.questions(),
             (QStringList{Program::versionNotice(), anyEmployees, anotherAccount}));
    QCOMPARE(screens.at(1), QStringList()); // nothing behind "Do you have any employees...?"
    QCOMPARE(screens.at(2), QStringList());
    QCOMPARE(run.visibleScreens(), QStringList{"FormNameFile"});
    QVERIFY(run.program->formNameFile().isModal());
    QVERIFY(!run.desktop.ended);
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());
}

void FilingTest::twoAccounts_firstWithTwoEmployees_AESSE()
{
    FilingRun run;
    QList<QStringList> screens;
    recordScreensAtEachBox(run, screens);
    run.start();
    run.acceptContact();
    run.desktop.answer({true});
    run.enterAccount(account("1234567"));
    run.desktop.answer({true});
    run.enterEmployee(employee("111111111", "ONE"));
    QCOMPARE(run.program->numberOFEmployee, 1);
    run.desktop.answer({false, true});
    run.enterEmployee(employee("222222222", "TWO"));
    QCOMPARE(run.program->numberOFEmployee, 0); // the employer screen came back emptied

    Form2 &employer = run.program->form2();
    QVERIFY(employer.isVisible());
    QVERIFY(!run.program->form3().isVisible());
    QCOMPARE(employer.ui.lblMessage->text(),
             QStringLiteral("Just a reminder the type of filing for this file is ORIGINAL.\r\nAll "
                            "account in the file must be of the same type."));
    QVERIFY(employer.ui.lstQuarter->isVisible());
    QVERIFY(employer.ui.txtEAN->text().isEmpty());
    QVERIFY(employer.ui.lstQuarter->selectedItems().isEmpty());
    QCOMPARE(employer.ui.lstYear->count(), 8);

    run.desktop.answer({false, false});
    run.enterAccount(account("7654321", "4 = October to December", "2025"));

    QCOMPARE(run.workingFile(),
             aRecord + "E,1234567,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n"
                       "S,1234567  ,111111111,ONE,MARY,,250000,100000,13, , \r\n"
                       "S,1234567  ,222222222,TWO,MARY,,250000,100000,13, , \r\n"
                       "E,7654321,123456789,42025,3,4,4,1500000,10500,1000000,36000\r\n");
    QCOMPARE(run.desktop.questions(),
             (QStringList{Program::versionNotice(), anyEmployees, anotherEmployee, anotherEmployee,
                          anotherAccount, anyEmployees, anotherAccount}));
    // "Add an additional employee?" stands over the employee screen.
    QCOMPARE(screens.at(2), QStringList{"Form3"});
    QCOMPARE(screens.at(3), QStringList{"Form3"});
    QCOMPARE(run.visibleScreens(), QStringList{"FormNameFile"});
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());
}

void FilingTest::threeAccounts_secondWithEmployees_informationLabelFollowsTheAccount()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    run.desktop.answer({false, true});
    run.enterAccount(account("1111111", "1 = January to March", "2024"));
    run.desktop.answer({true});
    run.enterAccount(account("2222222", "3 = July to September", "2025"));
    QCOMPARE(run.program->form3().ui.lblEANInfo->text(),
             QStringLiteral("Account Number: 2222222\r\nQuarter/Year: 3/2025\r\nFile Type: "
                            "ORIGINAL"));
    QCOMPARE(run.program->form3().focusWidget(), run.program->form3().ui.txtSSN);
    run.desktop.answer({false, true});
    run.enterEmployee(employee("333333333", "SMITH-JONES"));
    run.desktop.answer({true});
    run.enterAccount(account("3333333", "4 = October to December", "2023"));
    QCOMPARE(run.program->form3().ui.lblEANInfo->text(),
             QStringLiteral("Account Number: 3333333\r\nQuarter/Year: 4/2023\r\nFile Type: "
                            "ORIGINAL"));
    run.desktop.answer({false, false});
    run.enterEmployee(employee("444444444", "DOE"));

    QCOMPARE(run.workingFile(),
             aRecord + "E,1111111,123456789,12024,3,4,4,1500000,10500,1000000,36000\r\n"
                       "E,2222222,123456789,32025,3,4,4,1500000,10500,1000000,36000\r\n"
                       "S,2222222  ,333333333,SMITH-JONES,MARY,,250000,100000,13, , \r\n"
                       "E,3333333,123456789,42023,3,4,4,1500000,10500,1000000,36000\r\n"
                       "S,3333333  ,444444444,DOE,MARY,,250000,100000,13, , \r\n");
    QCOMPARE(run.desktop.questions(),
             (QStringList{Program::versionNotice(), anyEmployees, anotherAccount, anyEmployees,
                          anotherEmployee, anotherAccount, anyEmployees, anotherEmployee,
                          anotherAccount}));
    QCOMPARE(run.visibleScreens(), QStringList{"FormNameFile"});
}

void FilingTest::amendedFiling_reminderNamesAmended()
{
    FilingRun run;
    run.start();
    run.acceptContact("Amended");
    QCOMPARE(run.program->form2().ui.lblMessage->text(),
             QStringLiteral("The filing type is AMENDED."));
    run.desktop.answer({false, true});
    run.enterAccount(account("0123456"));
    QCOMPARE(run.program->form2().ui.lblMessage->text(),
             QStringLiteral("Just a reminder the type of filing for this file is AMENDED.\r\nAll "
                            "account in the file must be of the same type."));
}

void FilingTest::failedPressesWriteAndAskNothing()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    FilingRun::Account wrong = account("12345");
    run.enterAccount(wrong);
    QCOMPARE(run.workingFile(), aRecord);
    QCOMPARE(run.desktop.questions().size(), 1);
    QVERIFY(run.program->form2().isVisible());

    run.desktop.answer({true});
    FilingRun::type(run.program->form2().ui.txtEAN, "0012345");
    FilingRun::press(run.program->form2().ui.cmdCreateELine);
    FilingRun::Employee bad = employee("12345678", "SMITH");
    run.enterEmployee(bad);
    QCOMPARE(run.program->numberOFEmployee, 0);
    QCOMPARE(run.desktop.questions().size(), 2);
    QCOMPARE(run.workingFile(),
             aRecord + "E,0012345,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n");
}

void FilingTest::workingFileDeletedMidway_appendCreatesIt()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    QVERIFY(QFile::remove(run.path("testFile.TXT")));
    run.desktop.answer({false, false});
    run.enterAccount(account("0123456"));
    QCOMPARE(run.workingFile(),
             QByteArray("E,0123456,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n"));
}

void FilingTest::secondRunSameEntries_asksBeforeReplacing_noKeepsTheOldReport()
{
    const QString name = QStringLiteral("FILEUPLOAD_WR4-4B_0123456.CSV");
    QByteArray firstReport;
    QTemporaryDir folder;
    {
        FilingRun run;
        run.start();
        run.acceptContact();
        run.desktop.answer({false, false});
        run.enterAccount(account("0123456"));
        nameTheFile(run, "Employer", "FILE UPLOAD", "0123456", "");
        firstReport = run.read(name);
        // The second run works in the same folder.
        QVERIFY(QFile::copy(run.path(name), folder.filePath(name)));
    }
    FilingRun run;
    QVERIFY(QFile::copy(folder.filePath(name), run.path(name)));
    run.start();
    run.acceptContact("Original", "Jo Doe");
    run.desktop.answer({false, false});
    run.enterAccount(account("0123456"));
    run.desktop.answer({false});
    nameTheFile(run, "Employer", "FILE UPLOAD", "0123456", "");

    QCOMPARE(run.desktop.questions().last(), replaceQuestion);
    QCOMPARE(run.desktop.notices(),
             QStringList{QStringLiteral("The file name = ") + name +
                         QStringLiteral(".  you selected already exists please name the file "
                                        "again")});
    QCOMPARE(run.read(name), firstReport);
    QVERIFY(run.workingFile().startsWith("A,O,Jo Doe,"));
    QVERIFY(!run.desktop.ended);
    auto &ui = run.program->formNameFile().ui;
    QVERIFY(run.program->formNameFile().isVisible());
    QVERIFY(ui.lstEmployeOrTPA->selectedItems().isEmpty());
    QVERIFY(ui.lstFTPorUPLOAD->selectedItems().isEmpty());
    QVERIFY(ui.EAN_TPAID->text().isEmpty());
    QVERIFY(run.program->badName);

    // Named again, this time with a sequence number: a new file, and the run ends.
    nameTheFile(run, "Employer", "FILE UPLOAD", "0123456", "B2");
    QCOMPARE(run.read("FILEUPLOAD_WR4-4B_0123456_B2.CSV"), run.workingFile());
    QCOMPARE(run.desktop.notices().last(), closingMessage("FILEUPLOAD_WR4-4B_0123456_B2.CSV"));
    QVERIFY(run.desktop.ended);
}

void FilingTest::closingTheNamingScreen_endsWithoutAReport()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    run.desktop.answer({false, false});
    run.enterAccount(account("0123456"));
    const QByteArray records = run.workingFile();
    run.program->formNameFile().close();
    QVERIFY(run.desktop.ended);
    QCOMPARE(QDir(run.path(".")).entryList(QDir::Files), QStringList{"testFile.TXT"});
    QCOMPARE(run.workingFile(), records);
    QVERIFY(run.visibleScreens().isEmpty());
}

void FilingTest::doneAddingEmployees_asksBothQuestionsInOneCall()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    run.desktop.answer({false, true});
    run.enterAccount(account("0123456"));

    run.desktop.answer({true});
    cNeededRoutines(*run.program).doneAddingEmployees();
    QCOMPARE(run.visibleScreens(), QStringList{"Form3"});
    QVERIFY(!run.program->addAnotherAccount);

    run.desktop.answer({false, true});
    cNeededRoutines(*run.program).doneAddingEmployees();
    QCOMPARE(run.visibleScreens(), QStringList{"Form2"});
    QVERIFY(run.program->addAnotherAccount);
    QVERIFY(run.program->form2().ui.lblMessage->text().startsWith("Just a reminder"));

    run.desktop.answer({false, false});
    cNeededRoutines(*run.program).doneAddingEmployees();
    QVERIFY(run.program->formNameFile().isVisible());
    QVERIFY(run.program->form1().ui.lstReportingTypeCode->selectedItems().isEmpty());
    QCOMPARE(run.desktop.questions().mid(3),
             (QStringList{anotherEmployee, anotherEmployee, anotherAccount, anotherEmployee,
                          anotherAccount}));
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());
}

// What the screens write is what tavo-check accepts: no error and, with wages that add up and
// SSNs that can have been issued, no warning either.
void FilingTest::reportOfTheScreens_passesTheCheckerClean()
{
    FilingRun run;
    run.start();
    run.acceptContact("Amended", "Mary O'Neil-Smith", "mary.smith@example.com", "8005551234", "42");
    run.desktop.answer({true});
    run.enterAccount(account("1234567"));
    const QStringList ssns = {"123456789", "223456789", "323456789", "423456789"};
    for (int i = 0; i < ssns.size(); ++i) {
        FilingRun::Employee entries = employee(ssns[i], "O'NEIL-SMITH");
        entries.middle = "Q";
        entries.gross = "375000";
        entries.taxable = "250000";
        const bool last = i + 1 == ssns.size();
        run.desktop.answer({!last});
        if (last)
            run.desktop.answer({true}); // another account
        run.enterEmployee(entries);
    }
    // An account with nobody on its payroll this quarter.
    FilingRun::Account empty = account("7654321", "4 = October to December", "2025");
    empty.first = empty.second = empty.third = "0";
    empty.gross = empty.withholding = empty.taxable = empty.contributions = "0";
    run.desktop.answer({false, false});
    run.enterAccount(empty);
    nameTheFile(run, "TPA", "FTP", "0000012345", "q4");
    const QString name = QStringLiteral("FTP_WR4X-4BX_0000012345_Q4.CSV");
    QCOMPARE(run.desktop.notices().last(), closingMessage(name));
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());

    const FileReport report = checkReportFile(run.path(name));
    QVERIFY(report.readError.isEmpty());
    for (const Finding &finding : report.findings)
        qWarning("line %lld, %s: %s", finding.line, finding.field, qPrintable(finding.message));
    QVERIFY(report.findings.isEmpty());
    QCOMPARE(report.errors + report.warnings, 0);
    QCOMPARE(report.lines, 7);
    QCOMPARE(report.sRecords, 4);
    QCOMPARE(report.accounts.size(), 2);
    QCOMPARE(report.accounts[0].employeeGrossWages, QStringLiteral("1500000"));
    QCOMPARE(report.accounts[0].employeeTaxableWages, QStringLiteral("1000000"));
}

QTEST_MAIN(FilingTest)
#include "tst_filing.moc"
