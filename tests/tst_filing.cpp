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
#include <QTest>

namespace
{
// The questions on the way.
const auto account = "Add an additional VL Unemployment Compensation tax account to this file?",
           any = "Do you have any employees to report?", another = "Add an additional employee?";
// The notices: the report made, and its name already taken.
const QString closing = "File named %1 has been created. This CSV file will be stored in the same "
                        "location where this program is located.  The program is now closing\u2026",
              taken = "The file name = %1.  you selected already exists please name the file again";

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
        // A report of the name there already: replaced only after Yes; No keeps it and the
        // naming screen comes back emptied.
        const QString name = "FTP_WR4X-4BX_0000012345_Q4.CSV";
        run.write(name, "earlier\r\n");
        run.desktop.answer({false, true});
        const NamingEntries tpa{FilerKind::Tpa, FilingMethod::Ftp, "0000012345", "q4"};
        run.nameReport(tpa);
        QVERIFY(isUpEmptied(run.form(3)) && run.read(name) == "earlier\r\n");
        run.nameReport(tpa);
        QCOMPARE(run.desktop.questions().mid(11),
                 QStringList(2, "File with the name already exists, do you want to overwrite it?"));
        const QByteArray records =
            "A,A,Mary O'Neil-Smith,mary.smith@example.com,8005551234,42, , , , , \r\n"
            "E,1111111,123456789,12024,0,0,0,0,0,0,0\r\n"
            "E,2222222,123456789,32025,3,4,2,1500000,10500,1000000,36000\r\n"
            "S,2222222  ,323456789,O'NEIL,MARY,,750000,500000,13, , \r\n"
            "S,2222222  ,423456789,SMITH-JONES,MARY,Q,750000,500000,13, , \r\n"
            "E,3333333,123456789,42019,3,4,1,1500000,10500,1000000,36000\r\n"
            "S,3333333  ,123456789,O'NEIL,MARY,,1500000,1000000,13, , \r\n";
        QCOMPARE(run.read(name), records);
        const auto first = [&](int n) { return records.split('\n').mid(0, n).join('\n') + '\n'; };
        QCOMPARE(written, (QByteArrayList{"", first(2), first(2), first(3), first(4), first(4),
                                          first(5), first(5), first(6), first(7), first(7), records,
                                          records, records, ""}));
        // The working file took the replaced report's place.
        QCOMPARE(run.files(), QStringList{name});
        QCOMPARE(run.desktop.notices(), (QStringList{taken.arg(name), closing.arg(name)}));
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
};

QTEST_MAIN(FilingTest)
#include "tst_filing.moc"
