// The working file as a document: corrections in Review Filing through the field tables, the
// filing taken up again from each place a file can end, and unfinished filings kept across starts.
// And a quarter started from last quarter's report: its contact, accounts and employees offered,
// its wage template filled in and imported, the same report as one typed by hand.

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "review/reviewfiling.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTest>

namespace
{
const EmployeeEntries employees[] = {
    with(validEmployee, {"SSN", "111111111", "LAST NAME", "ONE", "GROSS WAGES", "500000",
                         "TAXABLE WAGES", "300000"}),
    with(validEmployee, {"SSN", "222222222", "LAST NAME", "TWO", "GROSS WAGES", "500000",
                         "TAXABLE WAGES", "300000"}),
    with(validEmployee, {"SSN", "333333333", "LAST NAME", "THREE", "GROSS WAGES", "500000",
                         "TAXABLE WAGES", "400000"})};
const QByteArray threeEmployees = aRecord + QByteArray(eRecord).replace(",4,4,", ",4,3,") +
                                  Records::makeLine(employees[0]).toLatin1() + "\r\n" +
                                  Records::makeLine(employees[1]).toLatin1() + "\r\n" +
                                  Records::makeLine(employees[2]).toLatin1() + "\r\n";

// Review Filing, opened on the employee screen of a filing resumed from the bytes.
ReviewFiling *openReview(FilingRun &run, const QByteArray &bytes)
{
    run.write("testFile.TXT", bytes);
    run.start();
    run.desktop.answer({true});
    run.desktop.filesToOpen.enqueue(run.path("testFile.TXT"));
    FilingRun::press(run.program->form1(), "cmdResumeReport");
    FilingRun::press(run.program->form3(), "cmdReviewEmployees");
    auto *review = run.program->form3().findChild<ReviewFiling *>();
    if (review)
        QApplication::setActiveWindow(review);
    return review;
}
} // namespace

class ReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void correction_checkedAndWrittenOrRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: written
        QTest::addColumn<QByteArray>("file");
        const QByteArray same = threeEmployees;
        QTest::newRow("an employee passes")
            << "tblEmployees" << 1 << "Gross Wages"
            << "600000"
            << "" << QByteArray(same).replace("TWO,MARY,,500000", "TWO,MARY,,600000");
        QTest::newRow("a rule") << "tblEmployees" << 0 << "SSN"
                                << "12345678"
                                << "Row 1, SSN: Employee SSN  must be 9 digits long." << same;
        QTest::newRow("an SSN already in the account")
            << "tblEmployees" << 2 << "SSN"
            << "111111111"
            << "Row 3, SSN: SSN 111111111 has already been entered for this account." << same;
        QTest::newRow("a partner field")
            << "tblEmployees" << 0 << "Taxable Wages"
            << "900000"
            << "Row 1, GROSS WAGES: GROSS WAGES must be greater than or equal to TAXABLE WAGES"
            << same;
        QTest::newRow("a box length")
            << "tblEmployees" << 0 << "Credit Weeks"
            << "014"
            << "Row 1, CREDIT WEEKS: CREDIT WEEKS has 3 characters; its entry box takes at most "
               "2."
            << same;
        QTest::newRow("an account number, its employees follow")
            << "tblAccounts" << 0 << "Account Number"
            << "7654321"
            << "" << QByteArray(same).replace("0123456", "7654321");
        QTest::newRow("an account's rule")
            << "tblAccounts" << 0 << "Month 3"
            << "x"
            << "Row 1, EMPLOYEES MONTH 3: NUMBER OF EMPLOYEES  for the third month must be numeric"
            << same;
        QTest::newRow("the contact")
            << "tblContact" << 0 << "Contact Email"
            << "mary@example"
            << "Row 1, CONTACT EMAIL: CONTACT EMAIL must be a valid email address format" << same;
    }
    void correction_checkedAndWrittenOrRefused()
    {
        QFETCH(QString, table);
        QFETCH(int, row);
        QFETCH(QString, column);
        QFETCH(QString, typed);
        FilingRun run;
        ReviewFiling *review = openReview(run, threeEmployees);
        QVERIFY(review && review->isVisible());
        auto *view = review->findChild<QTableView *>(table);
        QAbstractItemModel *model = view->model();
        int at = 0;
        while (model->headerData(at, Qt::Horizontal).toString() != column)
            ++at;
        const QModelIndex cell = model->index(row, at);
        const QString before = cell.data().toString();
        if (column == "Credit Weeks") // more than the editor takes, as another program would
            QVERIFY(!model->setData(cell, typed));
        else
            FilingRun::typeInCell(view, row, column, typed);
        QTEST(FilingRun::labelText(*review, "lblReviewMessage"), "message");
        QTEST(view->accessibleDescription(), "message");
        QTEST(run.workingFile(), "file");
        QCOMPARE(cell.data().toString(), run.workingFile() == threeEmployees ? before : typed);
    }

    // Enter in a question answers it; in Review Filing F2 edits in place, Escape cancels the
    // edit, Delete asks before it removes, an account keeps one employee, and Escape closes.
    void review_keysRemovalAndClosing()
    {
        FilingRun run;
        ReviewFiling *review = openReview(run, threeEmployees);
        auto *employees = review->findChild<QTableView *>("tblEmployees");
        QCOMPARE(QApplication::focusWidget(), employees);
        QCOMPARE(employees->currentIndex(), employees->model()->index(0, 0));
        QTest::keyClick(employees, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "9");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(review->isVisible());
        QCOMPARE(run.workingFile(), threeEmployees);
        run.desktop.answer({false, true, true});
        for (int row : {2, 2, 1, 0}) { // No, Yes, Yes, and the last one stays
            employees->setCurrentIndex(employees->model()->index(row, 0));
            QTest::keyClick(employees, Qt::Key_Delete);
            if (row == 2) // the totals follow
                QVERIFY(FilingRun::labelText(*review, "lblReviewTotals")
                            .startsWith(run.desktop.questions().size() == 3
                                            ? "Entered for this account: 3 employees, gross"
                                            : "Entered for this account: 2 employees, gross"));
        }
        QCOMPARE(run.desktop.questions().mid(2),
                 (QStringList{"Remove the employee 333333333, THREE MARY, from account 0123456?",
                              "Remove the employee 333333333, THREE MARY, from account 0123456?",
                              "Remove the employee 222222222, TWO MARY, from account 0123456?"}));
        QCOMPARE(run.desktop.notices(),
                 {"An account keeps at least one employee. Correct this employee instead."});
        QCOMPARE(run.workingFile(), threeEmployees.left(threeEmployees.indexOf("S,0123456  ,222")));
        QTest::keyClick(employees, Qt::Key_Escape);
        QVERIFY(!review->isVisible() && run.program->form3().isVisible());
        QVERIFY(FilingRun::labelText(run.program->form3(), "lblRunningTotals")
                    .startsWith("Entered for this account: 1 employee,"));
    }

    // From each place a file can end the filing carries on as if its records had been typed.
    void resume_fromEachPlaceAFileCanEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown"); // a question, the screen up, or the notice
        QTest::newRow("the A record") << aRecord << "Form2";
        QTest::newRow("an account") << aRecord + eRecord << "Do you have any employees to report?";
        QTest::newRow("an employee")
            << aRecord + eRecord + sRecord << "Add an additional employee?";
        QTest::newRow("empty") << QByteArray() << "The file %1 holds no report to resume.";
        QTest::newRow("no A record first")
            << eRecord + aRecord << "The file %1 holds no report to resume.";
        QTest::newRow("errors")
            << aRecord + QByteArray(eRecord).replace("123456789", "12345678") + "S\r\n"
            << "The file %1 cannot be resumed:\nline 2, FEIN: FEIN must be 9 digits long.\nline "
               "3, line: 1 fields, 11 expected";
    }
    void resume_fromEachPlaceAFileCanEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        FilingRun run;
        run.write("testFile.TXT", aRecord + eRecord + sRecord + sRecord);
        run.write("kept.TXT", bytes);
        run.start();
        run.desktop.answer({false, false});
        run.desktop.filesToOpen.enqueue(run.path("kept.TXT"));
        FilingRun::press(run.program->form1(), "cmdResumeReport");
        const bool resumed = !shown.startsWith("The file");
        QCOMPARE(run.desktop.shown[1].text, "Working files (testFile.TXT testFile.TXT.*)");
        if (shown == "Form2")
            QCOMPARE(run.visibleScreens(), QStringList{"Form2"});
        else
            QCOMPARE(run.desktop.shown[2].text, shown.arg(run.path("kept.TXT")));
        QCOMPARE(run.workingFile(), resumed ? bytes : aRecord + eRecord + sRecord + sRecord);
        QCOMPARE(run.exists("testFile.TXT.previous"), resumed);
        QVERIFY(resumed || run.visibleScreens() == QStringList{"Form1"});
    }

    // A file with an account that was not saved as a report is kept when a new filing starts,
    // the newest as .previous, the older ones moving on to .previous-5 and the oldest dropped.
    void unfinishedFilings_keptAcrossStarts()
    {
        FilingRun run;
        const QByteArray killed = aRecord + eRecord + sRecord; // a run killed with records
        run.write("testFile.TXT", killed);
        for (int age = 2; age <= 5; ++age)
            run.write("testFile.TXT.previous-" + QString::number(age), QByteArray::number(age));
        run.write("testFile.TXT.previous", "1");
        for (int start = 0; start < 2; ++start) { // each passes the contact screen and is closed
            run.start();
            run.acceptContact();
            run.program->endProgram();
            run.restart();
        }
        QCOMPARE(run.read("testFile.TXT.previous"), killed);
        for (int age = 2; age <= 5; ++age)
            QCOMPARE(run.read("testFile.TXT.previous-" + QString::number(age)),
                     QByteArray::number(age - 1));
        // A filing saved as a report is not kept.
        run.write("testFile.TXT", killed);
        run.write(reportName, killed);
        run.start();
        run.acceptContact();
        QCOMPARE(run.read("testFile.TXT.previous"), killed);
        QCOMPARE(run.read("testFile.TXT.previous-2"), "1");
    }

    // Last quarter's report: two accounts of two and three employees. This quarter typed by hand,
    // taken from the report with the accounts' list and Fill Next, or with the second account's
    // wage template filled in by a script and imported: the same report.
    void quarterFromPreviousReport_sameAsTypedByHand()
    {
        Filing last{with(validContact, {"CONTACT NAME", "Pat Payroll"}), {}};
        for (const QStringList &names : {QStringList{"ONE", "TWO"}, {"THREE", "FOUR", "FIVE"}}) {
            const QString number = QString::number(last.accounts.size() + 1).repeated(7);
            last.accounts.append({with(validEmployer, {"ACCOUNT NUMBER", number}), {}});
            for (const QString &name : names)
                last.accounts.last().employees.append(with(
                    validEmployee, {"SSN", QString::number(last.employeeCount() + 1).repeated(9),
                                    "LAST NAME", name}));
            for (EmployeeEntries &employee : last.accounts.last().employees)
                employee.accountNumber = number;
        }
        const QStringList wages = {"GROSS WAGES", "450000",       "TAXABLE WAGES",
                                   "400000",      "CREDIT WEEKS", "12"};
        QByteArray reports[3];
        for (const int mode : {0, 1, 2}) { // by hand, Fill Next, the template
            FilingRun run;
            run.write("last.CSV", last.toBytes());
            run.start();
            Form1 &contact = run.program->form1();
            if (mode > 0) {
                run.desktop.filesToOpen.enqueue(run.path("last.CSV"));
                FilingRun::press(contact, "cmdFromPreviousReport");
                QCOMPARE(FilingRun::labelText(contact, "lblPreviousReport"),
                         "Previous report: last.CSV, 2 accounts, 5 employees.");
                FilingRun::put(contact, "lstReportingTypeCode", "O");
                FilingRun::press(contact, "cmdCreateALine");
            } else {
                run.acceptContact(last.contact);
            }
            for (const FiledAccount &previous : last.accounts) {
                const bool second = &previous == &last.accounts.last();
                Form2 &employer = run.program->form2();
                FilingRun::fill(employer, previous.employer);
                if (mode > 0) { // the account number and FEIN from the list, not typed
                    auto *offered = FilingRun::find<QListWidget>(employer, "lstPreviousAccounts");
                    FilingRun::put(employer, "txtEAN", "");
                    FilingRun::put(employer, "txtFEIN", "");
                    FilingRun::choose(offered, offered->item(second)->text());
                }
                run.desktop.answer({true});
                FilingRun::press(employer, "cmdCreateELine");
                Form3 &form = run.program->form3();
                if (mode == 2 && second) {
                    run.desktop.filesToOpen.enqueue(run.path("wages.csv"));
                    FilingRun::press(form, "cmdSaveTemplate");
                    const QByteArray template_ = run.read("wages.csv");
                    QCOMPARE(template_,
                             "SSN,Last Name,First Name,Middle Name,Gross Wages,Taxable "
                             "Wages,Credit Weeks\r\n333-33-3333,THREE,MARY,,,,\r\n"
                             "444-44-4444,FOUR,MARY,,,,\r\n555-55-5555,FIVE,MARY,,,,\r\n");
                    run.desktop.answer({false, false});
                    run.import(QByteArray(template_).replace(",,,\r\n", ",4500.00,4000.00,12\r\n"));
                    break;
                }
                const int count = int(previous.employees.size());
                for (int i = 0; i < count; ++i) {
                    if (mode == 0)
                        FilingRun::fill(form, with(previous.employees[i], wages));
                    // Fill Next offers them in the report's order; a second press skips one.
                    for (int press = 0; press < (mode > 0 && second && i == 0 ? 4 : mode > 0);
                         ++press)
                        FilingRun::press(form, "cmdFillFromPrevious");
                    if (mode > 0) { // only the wages and weeks typed
                        QCOMPARE(FilingRun::find<QLineEdit>(form, "txtSSN")->text(),
                                 previous.employees[i].ssn);
                        QCOMPARE(form.focusWidget(),
                                 FilingRun::find(form, "txtEmployeeGrossWages"));
                        FilingRun::put(form, "txtEmployeeGrossWages", "450000");
                        FilingRun::put(form, "txtEmpTaxableWages", "400000");
                        FilingRun::put(form, "txtEmployeeCreditWeek", "12");
                    }
                    if (mode == 1 && second && i == 1) { // those still to enter, greyed
                        FilingRun::press(form, "cmdReviewEmployees");
                        QAbstractItemModel *rows =
                            form.findChild<QTableView *>("tblEmployees")->model();
                        QCOMPARE(rows->rowCount(), 3);
                        QCOMPARE(rows->index(2, 4).data(), "not entered");
                        QVERIFY(!(rows->flags(rows->index(2, 0)) & Qt::ItemIsEditable));
                        form.findChild<ReviewFiling *>()->close();
                    }
                    run.desktop.answer({i + 1 < count});
                    if (i + 1 == count)
                        run.desktop.answer({!second});
                    FilingRun::press(form, "cmdAddEmployee");
                }
                if (mode == 1 && !second) {
                    QCOMPARE(FilingRun::labelText(form, "lblFromPrevious"),
                             "All 2 employees from the previous report are entered.");
                    QVERIFY(!FilingRun::find(form, "cmdFillFromPrevious")->isEnabled());
                }
            }
            run.nameReport();
            reports[mode] = run.read(reportName);
        }
        QCOMPARE(reports[0].count('\n'), 8); // A, and E and its S records twice
        QCOMPARE(reports[1], reports[0]);
        QCOMPARE(reports[2], reports[0]);
    }

    // A file that is no report is refused with its findings; one whose values break today's
    // rules fills the boxes all the same, and the screen marks them as if typed.
    void previousReport_refusedOrItsContactFilled_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("notice");
        QTest::newRow("a spreadsheet's CSV")
            << QByteArray("SSN,Last name,First name\r\n123-45-6789,O'NEIL,MARY\r\n")
            << "The file %1 cannot be used:\nRECORD TYPE: the file holds no E record: a report has "
               "at least one account\nline 1, RECORD TYPE: record type \"SSN\" is none of A, E and "
               "S\nline 1, RECORD TYPE: the file must begin with the A record\nline 2, RECORD "
               "TYPE: record type \"123-45-6789\" is none of A, E and S";
        QTest::newRow("empty") << QByteArray()
                               << "The file %1 cannot be used:\nline: the file holds no record";
        QTest::newRow("values today's rules refuse")
            << QByteArray(aRecord).replace("@example.com", "@example") + eRecord +
                   QByteArray(sRecord).replace(",123456789,", ",12345678,")
            << "";
    }
    void previousReport_refusedOrItsContactFilled()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, notice);
        FilingRun run;
        run.write("last.CSV", bytes);
        run.start();
        run.desktop.filesToOpen.enqueue(run.path("last.CSV"));
        Form1 &contact = run.program->form1();
        FilingRun::press(contact, "cmdFromPreviousReport");
        QCOMPARE(run.desktop.shown.last().text, notice.isEmpty()
                                                    ? "Report files (*.CSV *.csv)"
                                                    : notice.arg(run.path("last.CSV")));
        QCOMPARE(FilingRun::find<QLineEdit>(contact, "txtContactName")->text(),
                 notice.isEmpty() ? "Mary Smith" : "");
        FilingRun::put(contact, "lstReportingTypeCode", "O");
        FilingRun::press(contact, "cmdCreateALine");
        QCOMPARE(FilingRun::labelText(contact, "lblEmailError"),
                 notice.isEmpty() ? "CONTACT EMAIL must be a valid email address format"
                                  : "CONTACT EMAIL must not be blank");
        QVERIFY(!run.exists("testFile.TXT"));
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
