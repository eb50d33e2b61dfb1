// Whole filings through the real screens with scripted answers: the questions in the order asked,
// the records on disk byte for byte, the report file, and what tavo-check makes of it.

#include "app/neededroutines.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "naming/formnamefile.h"
#include "rules/reportreader.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace
{
// The questions on the way, and the notice on a report name already taken.
const auto account = "Add an additional VL Unemployment Compensation tax account to this file?",
           any = "Do you have any employees to report?", another = "Add an additional employee?",
           taken = "The file name = %1.  you selected already exists please name the file again";
// The notice at the end: the report made.
const QString closing = "File named %1 has been created. This CSV file will be stored in the same "
                        "location where this program is located.  The program is now closing\u2026";

// Up with nothing typed and nothing chosen: how a screen comes back for the next employee or
// account, or the naming screen for another name.
bool isUpEmptied(QWidget &screen)
{
    qsizetype entered = 0;
    for (QLineEdit *box : screen.findChildren<QLineEdit *>())
        entered += box->text().size();
    for (QListWidget *list : screen.findChildren<QListWidget *>())
        entered += list->selectedItems().size();
    return screen.isVisible() && entered == 0;
}
} // namespace

class FilingTest : public QObject
{
    Q_OBJECT

private slots:
    // Three accounts, amended: the first without employees, the second with two, the third with
    // one; the questions in order, the screens up at each, the working file at each (a run killed
    // there keeps these bytes: every record is on the disk before the next question), the report
    // and tavo-check's verdict.
    void threeAccountsAmended_reportIsTheWorkingFile_passesTavoCheck()
    {
        FilingRun run;
        QStringList screens;    // up while each question was asked
        QByteArrayList written; // the working file then
        run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) {
            screens << run.visibleScreens().join(' ');
            written << run.workingFile();
        };
        run.start();
        run.acceptContact({"A", "Mary O'Neil-Smith", "mary.smith@example.com", "8005551234", "42"});
        QWidget &employer = run.form(1), &employees = run.form(2);
        QCOMPARE(employer.focusWidget(), FilingRun::find(employer, "cmdCreateELine"));
        QCOMPARE(FilingRun::labelText(employer, "lblMessage"), "The filing type is AMENDED.");
        run.desktop.answer({false, true, true, true, false, false, true, true, false, false});
        // Each account's quarter-year, number, FEIN, employees of the three months and amounts.
        run.enterAccount({"12024", "1111111", "123456789", "0", "0", "0", "0", "0", "0", "0"});
        QCOMPARE(FilingRun::labelText(employer, "lblMessage"),
                 "Just a reminder the type of filing for this file is AMENDED.\r\nAll account in "
                 "the file must be of the same type.");
        run.enterAccount({"32025", "2222222", "123456789", "3", "4", "2", "1500000", "10500",
                          "1000000", "36000"});
        QCOMPARE(FilingRun::labelText(employees, "lblEANInfo"),
                 "Account Number: 2222222\r\nQuarter/Year: 3/2025\r\nFile Type: AMENDED");
        // The valid employee at half the second account's wages; the third account's has them all.
        const auto half = with(validEmployee, {"GROSS WAGES", "750000", "TAXABLE WAGES", "500000"});
        run.enterEmployee(with(half, {"SSN", "323456789"}));
        QVERIFY(isUpEmptied(employees));
        // The same SSN again is asked about, No the default; No keeps the screen as it is.
        const auto second = with(half, {"LAST NAME", " SMITH-JONES ", "MIDDLE NAME", "Q"});
        run.enterEmployee(with(second, {"SSN", "323456789"}));
        QVERIFY(!run.desktop.shown.last().yesByDefault &&
                FilingRun::find<QLineEdit>(employees, "txtEmpLastName")->text() == " SMITH-JONES ");
        run.enterEmployee(
            with(half, {"SSN", "423456789", "LAST NAME", " SMITH-JONES ", "MIDDLE NAME", "Q"}));
        QVERIFY(isUpEmptied(employer));
        run.enterAccount({"42019", "3333333", "123456789", "3", "4", "1", "1500000", "10500",
                          "1000000", "36000"});
        run.enterEmployee(with(half, {"GROSS WAGES", "1500000", "TAXABLE WAGES", "1000000"}));
        const QString ssnAgain = "The SSN 323456789 is already entered for this account (O'NEIL "
                                 "MARY). Add it a second time?";
        QCOMPARE(run.desktop.questions().mid(1),
                 (QStringList{any, account, any, another, ssnAgain, another, account, any, another,
                              account}));
        // The screens up at each box, a bar between boxes: none at the first four.
        QCOMPARE(screens.mid(0, 11),
                 QString("||||Form3|Form3|Form3|Form3||Form3|Form3").split('|'));
        QCOMPARE(run.visibleScreens(), QStringList{"FormNameFile"});
        QVERIFY(run.form(3).isModal());
        run.nameReport({FilerKind::Tpa, FilingMethod::Ftp, "0000012345", "q4"});

        const QString name = "FTP_WR4X-4BX_0000012345_Q4.CSV";
        const QByteArray records =
            "A,A,Mary O'Neil-Smith,mary.smith@example.com,8005551234,42, , , , , \r\n"
            "E,1111111,123456789,12024,0,0,0,0,0,0,0\r\n"
            "E,2222222,123456789,32025,3,4,2,1500000,10500,1000000,36000\r\n"
            "S,2222222  ,323456789,O'NEIL,MARY,,750000,500000,13, , \r\n"
            "S,2222222  ,423456789,SMITH-JONES,MARY,Q,750000,500000,13, , \r\n"
            "E,3333333,123456789,42019,3,4,1,1500000,10500,1000000,36000\r\n"
            "S,3333333  ,123456789,O'NEIL,MARY,,1500000,1000000,13, , \r\n";
        QCOMPARE((QByteArrayList{run.read(name), run.workingFile()}), QByteArrayList(2, records));
        const auto first = [&](int n) { return records.split('\n').mid(0, n).join('\n') + '\n'; };
        QCOMPARE(written,
                 (QByteArrayList{"", first(2), first(2), first(3), first(4), first(4), first(5),
                                 first(5), first(6), first(7), first(7), records}));
        QCOMPARE(run.files(), (QStringList{name, "testFile.TXT"}));
        QCOMPARE(run.desktop.notices(), QStringList{closing.arg(name)});
        QVERIFY(run.desktop.ended && run.desktop.exitCode == 0);
        const Report checked = readReportFile(run.path(name)); // tavo-check finds nothing
        QVERIFY(checked.findings.isEmpty() && checked.readError.isEmpty() && checked.lines == 7);
        // Printed to a file, the report's lines are drawn as text: 400 lines fill pages of at
        // least 20 lines each, one after the other.
        run.write("long.txt", QByteArray("line\r\n").repeated(400));
        run.desktop.printTo = run.path("long.pdf");
        run.desktop.answer({true});
        cNeededRoutines(*run.program).print_file("long.txt");
        const QByteArray pdf = run.read("long.pdf");
        const auto pages = pdf.count("/Type /Page\n");
        QVERIFY2(pdf.contains("/FontFile") && pages >= 2 && pages <= 20, qPrintable(pdf.left(99)));
    }

    // Employee 2 of 3 corrected in Review Filing and employee 3 removed, then one more typed: the
    // report of a filing typed right the first time.
    void correctedFiling_equalsFilingTypedRight()
    {
        const auto employee = [](QString ssn, QString taxed = "300000", QString gross = "500000") {
            return with(validEmployee, {"SSN", ssn, "GROSS WAGES", gross, "TAXABLE WAGES", taxed});
        };
        const auto one = employee("111111111"), two = employee("222222222"),
                   three = employee("333333333", "400000"), extra = employee("444444444", "1", "1");
        FilingRun run;
        run.fileOneAccount({true, true, true, true, false, true, false, false});
        // The second typed with a slip in its gross wages.
        for (const EmployeeEntries &typed : {one, with(two, {"GROSS WAGES", "5000000"}), extra})
            run.enterEmployee(typed);
        FilingRun::press(run.form(2), "cmdReviewEmployees");
        auto *employees = run.form(2).findChild<QTableView *>("tblEmployees");
        QWidget &review = *employees->window();
        employees->setCurrentIndex(employees->model()->index(2, 0));
        QTest::keyClick(employees, Qt::Key_Delete); // asked, No, the default
        QTest::keyClick(employees, Qt::Key_Delete); // asked, Yes
        const QString remove = "Remove the employee 444444444, O'NEIL MARY, from account 0123456?";
        QCOMPARE(run.desktop.questions().mid(5), QStringList(2, remove));
        QVERIFY(!run.desktop.shown.last().yesByDefault);
        QCOMPARE(FilingRun::labelText(review, "lblReviewTotals"),
                 "Entered for this account: 2 employees, gross wages $55,000.00, taxable wages "
                 "$6,000.00\nEmployer screen: 4 employees in the third month, gross wages "
                 "$15,000.00, taxable wages $10,000.00");
        FilingRun::typeInCell(employees, 1, "Gross Wages", "500000"); // the slip corrected
        FilingRun::press(review, "cmdCloseReview");
        QVERIFY(!review.isVisible());
        QVERIFY(FilingRun::labelText(run.form(2), "lblRunningTotals")
                    .startsWith("Entered for this account: 2 employees,"));
        run.enterEmployee(three);
        run.nameReport();
        QCOMPARE(run.read(reportName), aRecord + eRecord + records(one, two, three));
    }

    // A report of the same name is replaced only after Yes; No keeps it and names again.
    void existingReport_askedBeforeReplacing()
    {
        for (const bool yes : {false, true}) {
            FilingRun run;
            run.write(reportName, "earlier\r\n");
            run.fileOneAccount({false, false, yes});
            run.nameReport();
            QCOMPARE(run.desktop.questions().last(),
                     "File with the name already exists, do you want to overwrite it?");
            QCOMPARE(run.read(reportName), yes ? aRecord + eRecord : "earlier\r\n");
            QCOMPARE(run.exists("testFile.TXT"), !yes); // a replaced report takes its place
            QCOMPARE(run.desktop.notices(), QStringList{(yes ? closing : taken).arg(reportName)});
            QCOMPARE(run.desktop.ended, yes); // No: named again
            QVERIFY(yes || isUpEmptied(run.form(3)));
        }
    }
};

QTEST_MAIN(FilingTest)
#include "tst_filing.moc"
