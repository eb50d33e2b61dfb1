// The working file as a document: corrections in Review Filing through the field tables, the
// filing taken up again from each place a file can end, and unfinished filings kept across starts.

#include "contact/form1.h"
#include "employee/form3.h"
#include "filingrun.h"
#include "review/reviewfiling.h"

#include <QHeaderView>
#include <QLabel>
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
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
