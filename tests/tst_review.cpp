// The ways into the working file beside the screens' own: employees imported from a spreadsheet
// file, all of them or none; corrections in Review Filing through the field tables; the filing
// taken up again from each place a file can end, unfinished filings kept across starts; and a
// quarter started from last quarter's report.

#include "filingrun.h"
#include "rules/employeeimport.h"
#include "rules/reportreader.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace
{
// Account 7654321 without employees, then the valid account's three employees, ONE, TWO and
// THREE, ONE's SSN standing twice, its third month's count three.
const QByteArray threeEmployees = aRecord + "E,7654321,123456789,22026,0,0,0,0,0,0,0\r\n" +
                                  QByteArray(eRecord).replace(",4,4,", ",4,3,") +
                                  "S,0123456  ,111111111,ONE,MARY,,250000,100000,13, , \r\n"
                                  "S,0123456  ,222222222,TWO,MARY,,250000,100000,13, , \r\n"
                                  "S,0123456  ,111111111,THREE,MARY,,250000,100000,13, , \r\n";

// The bytes chosen in the file dialog as last quarter's report, with the answers to the questions
// on the way.
void chooseAsPreviousReport(FilingRun &run, const QByteArray &report,
                            std::initializer_list<bool> answers = {})
{
    run.write("last.CSV", report);
    run.desktop.answer(answers);
    run.desktop.filesToOpen.enqueue(run.path("last.CSV"));
    FilingRun::press(run.form(0), "cmdFromPreviousReport");
}
} // namespace

class ReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void importRecordsOrFindings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected"); // the S records, or else the findings
        const auto row = [](const char *tag, const QByteArray &bytes, const QStringList &expected) {
            QTest::newRow(tag) << bytes << expected;
        };
        row("converted, quoted, header and blank lines skipped",
            "\xEF\xBB\xBFssn,a,b,c,d,e,f\r\n\r\n120-45-6789,\"O'NEIL\",MARY,,"
            "\"$1,234.56\",0.50,13\r\n987654321, SMITH ,JO,A,15000.00,$0.00,07",
            {"S,0123456  ,120456789,O'NEIL,MARY,,123456,50,13, , ",
             "S,0123456  ,987654321,SMITH,JO,A,1500000,0,07, , "});
        // The fields through the employee screen's rules and box lengths, each finding at its line
        // in field order, nothing taken.
        const QString nine = "SSN: Employee SSN  must be 9 digits long.",
                      weeks = "CREDIT WEEKS: EMPLOYEE CREDIT WEEKS must be numeric between 0 and "
                              "14 inclusive.",
                      zero = " A spreadsheet may have dropped the SSN's leading zero: format the "
                             "SSN column as text and enter all 9 digits.";
        // Dollars without two decimals: the line, GROSS or TAXABLE, the text, and how to write it.
        const QString cents = "line %1, %2 WAGES: %2 WAGES %3 is not an amount in dollars and "
                              "cents: write it with two decimals, as %4.";
        row("not converted: decimals not two, a short group, dashes elsewhere; box lengths",
            "12-345-6789,A,B,,1234.5,0,1\n123456789,A,B,,\"1,23.45\",\"$1,800.5\",1\n"
            "123456789 ,A,B,,0.00,0.00,013\n223456789,A,B,,10000000000.00,1800.555,1",
            {"line 1, " + nine,
             "line 1, SSN: SSN has 11 characters; its entry box takes at most 9.",
             cents.arg("1", "GROSS", "1234.5", "1234.50 or $1,234.50"),
             cents.arg("2", "GROSS", "1,23.45", "1234.56 or $1,234.56"),
             cents.arg("2", "TAXABLE", "$1,800.5", "1800.50 or $1,800.50"),
             "line 3, SSN: SSN has 10 characters; its entry box takes at most 9.",
             "line 3, CREDIT WEEKS: CREDIT WEEKS has 3 characters; its entry box takes at most 2.",
             "line 4, GROSS WAGES: GROSS WAGES has 13 characters; its entry box takes at most 12.",
             cents.arg("4", "TAXABLE", "1800.555", "1234.56 or $1,234.56")});
        // What LibreOffice Calc's command-line conversion made of a sheet (calc-wages.fods) whose
        // wages show as $2,500.00 and whose SSN column is numbers: the cells' values.
        QFile calc(QStringLiteral(TESTDATA "/calc-wages.csv"));
        QVERIFY(calc.open(QIODevice::ReadOnly));
        // Wages in bare digits: the line, GROSS or TAXABLE, the amount, and that in dollars.
        const QString bare = "line %1, %2 WAGES: %2 WAGES %3 has no cents: write the amount in "
                             "dollars and cents, as %3.00 or $%4.00. A spreadsheet writes the "
                             "cell's value unless the file is saved with the cells' content as "
                             "shown.";
        row("plain digits are dollars to a spreadsheet; an SSN that lost its zero", calc.readAll(),
            {bare.arg("2", "GROSS", "2500", "2,500"), bare.arg("2", "TAXABLE", "1000", "1,000"),
             "line 3, " + nine + zero, bare.arg("3", "GROSS", "12500", "12,500"),
             bare.arg("3", "TAXABLE", "7000", "7,000")});
        row("the layout's findings with the fields', after a byte order mark",
            "\xEF\xBB\xBF"
            "123456789,A,B,,1.00,1.00,1\n\n1234567890,A,B,,0.03,0.02,1\n1,2\n\"1,2\n\"1\"2,3\n"
            "12345678,A,B,,1.00,1.00,15",
            {"line 3, " + nine,
             "line 3, SSN: SSN has 10 characters; its entry box takes at most 9.",
             "line 4, line: 2 fields found, 7 expected: SSN, last name, first name, middle name, "
             "gross wages, taxable wages, credit weeks.",
             "line 5, line: A quotation mark is not closed.",
             "line 6, line: Only a comma may follow a closing quotation mark.",
             "line 7, " + nine + zero, "line 7, " + weeks});
        // A masked SSN with wages is no column name.
        row("an SSN twice in the file, one already written, a masked SSN first",
            "N/A,A,B,,0,0,1\n123456789, A ,B,,0,0,1\n111111111,A,B,,5,0.06,1\n"
            "123-45-6789,C,D,,0,0,\"1\"",
            {"line 1, " + nine,
             "line 3, SSN: The SSN 111111111 is already entered for this account (DOE JOHN).",
             bare.arg("3", "GROSS", "5", "5"),
             "line 4, SSN: The SSN 123456789 is already entered for this account (A B, line 2)."});
        const QString saveAsCsv = " Save it as CSV (comma-separated values) and use that file "
                                  "instead.";
        const QString utf16 =
            "file: The file is UTF-16 text, as a spreadsheet saves \"Unicode text\"." + saveAsCsv;
        // "12,\n" in UTF-16 after its byte order mark and without, and little-endian; then a file
        // with NUL bytes.
        row("UTF-16, as \"Unicode text\"", QByteArray::fromHex("feff00310032002c000a"), {utf16});
        row("UTF-16 without its mark", QByteArray::fromHex("00310032002c000a"), {utf16});
        row("UTF-16, little-endian", QByteArray::fromHex("fffe310032002c000a00"), {utf16});
        row("NUL bytes", QByteArray("12\0x", 4),
            {"file: The file holds NUL bytes, so it is not text." + saveAsCsv});
    }
    void importRecordsOrFindings()
    {
        QFETCH(QByteArray, bytes);
        SsnIndex written;
        written.add(u"111111111", u"DOE", u"JOHN");
        const auto result = EmployeeImport::importEmployees(bytes, "0123456", written);
        QStringList got;
        for (const EmployeeEntries &employee : result.employees)
            got << Records::makeLine(employee);
        for (const Finding &finding : result.findings)
            got << findingText(finding);
        QTEST(got, "expected");
    }

    // A cell typed over in Review Filing, opened on the employee screen of the filing resumed: the
    // value passes and is written, or it is refused with its message and stays in the open editor
    // while the cell keeps its value; the working file stays private to its owner. The table's
    // model holds to the rules of Qt's models all the while.
    void correction_checkedAndWrittenOrRefused()
    {
        // The cell, what is typed over it and the message (empty: written); the bytes of the
        // working file the correction replaces, and with what; a question asked (answered Yes when
        // the case's name ends so) with its default button; what the editor keeps of the typing.
        struct Correction {
            const char *name, *table;
            int row;
            const char *column;
            QString typed, message;
            QByteArray from, to;
            QString asked, kept = QString();
        };
        const QString again = "The SSN 111111111 is already entered for this account (ONE MARY). "
                              "Add it a second time? [No]",
                      remove =
                          "Remove the employee 222222222, TWO MARY, from account 0123456? [No]";
        const QList<Correction> cases = {
            {"an employee passes", "tblEmployees", 1, "Gross Wages", "260000", "",
             "TWO,MARY,,250000", "TWO,MARY,,260000"},
            {"the editor takes no more than the box", "tblEmployees", 1, "Credit Weeks", "140", "",
             "250000,100000,13, , \r\nS,0123456  ,111111111,THREE",
             "250000,100000,14, , \r\nS,"
             "0123456  ,111111111,THREE",
             "", "14"},
            {"a rule", "tblEmployees", 0, "SSN", "12345678",
             "Employees, row 1, SSN: Employee SSN  must be 9 digits long."},
            {"an SSN already in the account, No", "tblEmployees", 1, "SSN", "111111111",
             "Employees, row 2, SSN: The SSN 111111111 is already entered for this account (ONE "
             "MARY).",
             "", "", again},
            {"an SSN already in the account, Yes", "tblEmployees", 1, "SSN", "111111111", "",
             "222222222", "111111111", again},
            // Nothing typed: the row removed with the Delete key.
            {"an employee removed, No", "tblEmployees", 1, "SSN", "", "", "", "", remove,
             "222222222"},
            {"an employee removed, Yes", "tblEmployees", 1, "SSN", "", "",
             "S,0123456  ,222222222,TWO,MARY,,250000,100000,13, , \r\n", "", remove, "111111111"},
            {"a partner field", "tblEmployees", 0, "Taxable Wages", "900000",
             "Employees, row 1, GROSS WAGES: GROSS WAGES must be greater than or equal to TAXABLE "
             "WAGES"},
            // An account's number, its employees' records following.
            {"an account number", "tblAccounts", 1, "Account Number", "7777777", "", "0123456",
             "7777777"},
            {"another account's number", "tblAccounts", 1, "Account Number", "7654321",
             "Accounts, row 2, ACCOUNT NUMBER: Account 7654321 is already in this filing."},
            {"a year the employer screen does not offer", "tblAccounts", 1, "Quarter/Year", "12027",
             "Accounts, row 2, QUARTER-YEAR: QUARTER-YEAR 12027: the year must be one the "
             "employer screen offers, 2019 to 2026"},
            {"an account's rule", "tblAccounts", 1, "Month 3", "x",
             "Accounts, row 2, EMPLOYEES MONTH 3: NUMBER OF EMPLOYEES  for the third month must "
             "be numeric"},
            {"the contact", "tblContact", 0, "Contact Email", "mary@example",
             "Contact, row 1, CONTACT EMAIL: CONTACT EMAIL must be a valid email address format"}};
        // Every rule of Qt's models holds.
        QTest::failOnWarning(QRegularExpression("^FAIL!"));
        using Mode = QAbstractItemModelTester::FailureReportingMode;
        for (const Correction &c : cases) {
            // A file only its owner may read, resumed despite ONE's SSN twice.
            FilingRun run;
            run.write("mine.TXT", threeEmployees);
            QVERIFY(
                QFile::setPermissions(run.path("mine.TXT"), QFile::ReadOwner | QFile::WriteOwner));
            run.resume("", {true, true}, "mine.TXT");
            FilingRun::press(run.form(2), "cmdReviewEmployees");
            auto *view = run.form(2).findChild<QTableView *>(c.table);
            QAbstractItemModelTester tester(view->model(), Mode::Warning);
            const auto at = [&] { return FilingRun::cell(view, c.row, c.column); };
            const QString before = at().data().toString();
            run.desktop.answer({QByteArray(c.name).endsWith("Yes")});
            if (c.typed.isEmpty()) {
                view->setCurrentIndex(at());
                QTest::keyClick(view, Qt::Key_Delete);
            } else {
                FilingRun::typeInCell(view, c.row, c.column, c.typed);
            }
            // The questions after the version notice, the warnings and "Add an additional
            // employee?".
            const QString asked = run.desktop.questions().mid(3).join("") +
                                  (run.desktop.shown.last().yesByDefault ? "" : " [No]");
            const auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            const QString written = c.kept.isEmpty() ? c.typed : c.kept;
            const QByteArray expected = QByteArray(threeEmployees).replace(c.from, c.to);
            QCOMPARE(std::tuple(c.name, FilingRun::labelText(*view->window(), "lblReviewMessage"),
                                view->accessibleDescription(), at().data().toString(),
                                editor ? editor->text() : "", asked, run.workingFile()),
                     std::tuple(c.name, c.message, c.message,
                                c.message.isEmpty() ? written : before,
                                c.message.isEmpty() ? "" : c.typed, c.asked, expected));
#ifndef Q_OS_WIN // there a file is kept private by the access list it inherits from its folder
            // Wages and SSNs are not left readable by others (user, group, others' permissions).
            QCOMPARE(QFileInfo(run.path("testFile.TXT")).permissions() & 0x0777,
                     QFile::ReadUser | QFile::WriteUser);
#endif
            if (!c.message.isEmpty())
                continue;
            // The account's employees counted in the window, and on the employee screen once the
            // window is closed.
            const QString counted =
                QString("Entered for this account: %1 employees").arg(expected.count("\nS,"));
            QWidget &review = *view->window();
            QCOMPARE(FilingRun::labelText(review, "lblReviewTotals").section(',', 0, 0), counted);
            FilingRun::press(review, "cmdCloseReview");
            QVERIFY(!review.isVisible());
            QCOMPARE(FilingRun::labelText(run.form(2), "lblRunningTotals").section(',', 0, 0),
                     counted);
        }
        FilingRun gone; // a working file that holds no filing any more: a notice, no window
        gone.resume(threeEmployees, {true, true});
        gone.write("testFile.TXT", "");
        FilingRun::press(gone.form(2), "cmdReviewEmployees");
        QCOMPARE(
            gone.desktop.notices() + gone.visibleScreens(),
            (QStringList{"The working file testFile.TXT holds no filing to review.", "Form3"}));
    }

    // From each place a file can end the filing carries on as if its records had been typed; a
    // kept file becomes the working file, the one there kept in turn.
    void resume_fromEachPlaceAFileCanEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown"); // a question, the screen up, or the notice
        QTest::newRow("the A record") << aRecord << "Form2";
        QTest::newRow("an account") << aRecord + eRecord << "Do you have any employees to report?";
        QTest::newRow("an employee")
            << aRecord + eRecord + sRecord << "Add an additional employee?";
        QTest::newRow("no A record first")
            << eRecord + aRecord << "The file %1 holds no report to resume.";
        // The first ten findings shown.
        QString ten = "The file %1 cannot be resumed:\nline 2, FEIN: FEIN must be 9 digits long.";
        for (int line = 3; line <= 11; ++line)
            ten += QString("\nline %1, line: 1 fields, 11 expected").arg(line);
        const QByteArray errors = aRecord + QByteArray(eRecord).replace("123456789", "12345678") +
                                  QByteArray("S\r\n").repeated(11);
        QTest::newRow("errors, the first ten shown") << errors << ten;
    }
    void resume_fromEachPlaceAFileCanEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        FilingRun run;
        const QByteArray there = aRecord + eRecord + sRecord + sRecord; // the working file there
        run.write("testFile.TXT.previous", bytes);
        for (const char age : {'2', '3', '4', '5'})
            run.write(QString("testFile.TXT.previous-") + age, QByteArray(1, age));
        QString behind; // the screen up while the first question stands, and what it says
        run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &box) {
            if (box.title.isEmpty() && box.text.endsWith('?') && behind.isEmpty())
                behind = run.visibleScreens().join("") + ": " +
                         FilingRun::labelText(run.form(2), "lblResumed");
        };
        run.resume(there, {false, false}, "testFile.TXT.previous");
        const bool resumed = !shown.startsWith("The file");
        QCOMPARE(run.desktop.shown.value(2).title, resumed ? "" : "Resume Unfinished Report");
        QCOMPARE(shown == "Form2" ? run.visibleScreens().join("") : run.desktop.shown[2].text,
                 QString(shown).replace("%1", run.path("testFile.TXT.previous")));
        QCOMPARE(run.workingFile(), resumed ? bytes : there);
        QCOMPARE(run.read("testFile.TXT.previous"), resumed ? there : bytes);
        for (const char age : {'2', '3', '4', '5'}) // the older kept files stay where they were
            QCOMPARE(run.read(QString("testFile.TXT.previous-") + age), QByteArray(1, age));
        if (shown.endsWith('?')) // the question stands over the screen that says what it resumed
            QCOMPARE(behind, QString("Form3: Resumed testFile.TXT.previous: 1 account, %1.")
                                 .arg(bytes.contains("\nS,") ? "1 employee" : "0 employees"));
    }

    // A file with an account that was not saved as a report is kept when a new filing starts,
    // the newest as .previous, the older ones moving on to .previous-5 and the oldest dropped.
    void unfinishedFilings_keptAcrossStarts()
    {
        FilingRun run;
        const QByteArray killed = aRecord + eRecord + sRecord; // a run killed with records
        // The kept file of each age, the newest without a number.
        auto kept = [](int n) { return QString("testFile.TXT.previous-%1").arg(n).remove("-1"); };
        for (int age = 1; age <= 5; ++age)
            run.write(kept(age), QByteArray::number(age));
        // Three starts, each passing the contact screen and closed: the first on the killed run's
        // working file, the second on the one the first left, the third on a filing saved as a
        // report, which is not kept.
        for (const QStringList &files :
             {QStringList{"testFile.TXT"}, {}, {"testFile.TXT", reportName}}) {
            for (const QString &file : files)
                run.write(file, killed);
            run.restart();
            run.start(); // the contact screen names the unfinished filing Resume carries on
            auto *unfinished = run.find<QLabel>(0, "lblUnfinished");
            QCOMPARE(unfinished->isHidden() ? QString() : unfinished->text(),
                     files.size() > 1 ? "" // saved as a report: nothing unfinished
                                      : "An unfinished report with 1 account and 1 employee is "
                                        "kept as testFile.TXT" +
                                            QString(files.isEmpty() ? ".previous" : "") +
                                            "; Resume Unfinished Report\u2026 carries on from it.");
            run.acceptContact();
            run.program->endProgram();
        }
        for (int age = 1; age <= 5; ++age)
            QCOMPARE(run.read(kept(age)), age == 1 ? killed : QByteArray::number(age - 1));
    }

    // Last quarter's report: two accounts of two and three employees, and an account's gross
    // wages that are not its employees' sum, which tavo-check warns about. This quarter taken from
    // it with the accounts' list, the first account's employees imported from a spreadsheet's
    // sheet and the second's brought up by Fill Next, only the wages and weeks typed, gives the
    // report of the same values typed by hand; a sheet of the second account's employees is asked
    // about when imported into the first. An empty file is no report: it is refused with its
    // findings and fills nothing; a contact that breaks today's rules fills the contact screen all
    // the same, which marks it as if typed.
    void quarterFromPreviousReport_sameAsTypedByHand()
    {
        const QByteArray report = "A,O,Pat Payroll,mary@example,8005551234,, , , , , \r\n"
                                  "E,1111111,123456789,22026,3,4,2,500002,10500,200000,36000\r\n"
                                  "S,1111111  ,111111111,ONE,MARY,,250000,100000,13, , \r\n"
                                  "S,1111111  ,222222222,TWO,MARY,,250000,100000,13, , \r\n"
                                  "E,2222222,123456789,22026,3,4,3,750000,10500,300000,36000\r\n"
                                  "S,2222222  ,333333333,THREE,MARY,,250000,100000,13, , \r\n"
                                  "S,2222222  ,444444444,FOUR,MARY,,250000,100000,13, , \r\n"
                                  "S,2222222  ,555555555,FIVE,MARY,,250000,100000,13, , \r\n";
        const Filing last = *readReport(report, {}).filing;
        // This quarter's gross wages and weeks, typed by hand, give these records.
        const QByteArray typed = QByteArray(report)
                                     .replace("250000,100000,13", "250001,100000,12")
                                     .replace("@example,", "@example.com,");
        FilingRun run;
        run.start();
        QWidget &contact = run.form(0);
        chooseAsPreviousReport(run, "");
        QCOMPARE(run.desktop.shown.last().title + ": " + run.desktop.shown.last().text,
                 "Start from Previous Report: The file " + run.path("last.CSV") +
                     " cannot be used:\nline: the file holds no record");
        QCOMPARE(FilingRun::labelText(contact, "lblPreviousReport"), "");
        chooseAsPreviousReport(run, report, {true});
        QCOMPARE(
            run.desktop.questions().last() + QString::number(run.desktop.shown.last().yesByDefault),
            "The report last.CSV has 1 warning:\nline 2, GROSS WAGES: GROSS WAGES 500002 is not "
            "the sum of the account's 2 S records' gross wages, 500000\nStart from it anyway?0");
        QCOMPARE(FilingRun::labelText(contact, "lblPreviousReport"),
                 "Previous report: last.CSV, 2 accounts, 5 employees.");
        FilingRun::put(contact, "lstReportingTypeCode", "O");
        FilingRun::press(contact, "cmdCreateALine");
        QCOMPARE(FilingRun::labelText(contact, "lblEmailError"),
                 "CONTACT EMAIL must be a valid email address format");
        FilingRun::put(contact, "txtContactEmail", "mary@example.com");
        FilingRun::press(contact, "cmdCreateALine");
        QWidget &employer = run.form(1), &form = run.form(2);
        auto *offered = FilingRun::find<QListWidget>(employer, "lstPreviousAccounts");
        // The questions on the way, for both accounts: any employees, another employee, another
        // account; the first account typed again is not filed a second time.
        run.desktop.answer({true, false, true, false, true, true, true, true, false, false});
        // Fill Next pressed with Alt+N as often as given, at once, each press emptying the gross
        // wages typed and the marks of the last try: then the employee of the SSN is up, and the
        // gross wages, Tab, the taxable wages, Tab and the weeks are typed.
        const auto fillNext = [&](int presses, const QString &ssn) {
            QApplication::setActiveWindow(&form);
            auto *gross = FilingRun::find<QLineEdit>(form, "txtEmployeeGrossWages");
            for (int press = 0; press < presses; ++press) {
                FilingRun::type(gross, "777700");
                QTest::keyClick(gross, Qt::Key_N, Qt::AltModifier);
                QCOMPARE(gross->text(), "");
            }
            QCOMPARE(FilingRun::labelText(form, "lblEmployeeGrossWages_errorMessage"), "");
            QCOMPARE(FilingRun::find<QLineEdit>(form, "txtSSN")->text(), ssn);
            for (const char *typed : {"250001", "100000", "12"}) {
                QTest::keyClicks(form.focusWidget(), typed);
                if (QByteArray(typed) != "12")
                    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
            }
        };
        const auto addEmployee = [&] {
            QApplication::setActiveWindow(&form);
            QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
        };
        const auto stillToEnter = [&] { return FilingRun::labelText(form, "lblFromPrevious"); };

        // The first account chosen from the list. The other account's sheet imported into it is
        // asked about, No the default; a file that cannot be read is told; its own sheet, with
        // column names and amounts as a spreadsheet writes them, is imported whole, adds up to
        // the employer screen's totals, and takes its employees off the list.
        FilingRun::fill(employer,
                        with(last.accounts[0].employer, {"ACCOUNT NUMBER", "", "FEIN", ""}));
        FilingRun::choose(offered, offered->item(0)->text());
        FilingRun::press(employer, "cmdCreateELine");
        QCOMPARE(stillToEnter(), "2 of 2 employees from the previous report are still to enter.");
        run.desktop.answers.prepend(false);
        run.import("333333333,THREE,MARY,,2500.01,1000.00,12\r\n");
        QCOMPARE(run.desktop.questions().last(),
                 "These employees are listed under account 2222222 in the previous report, not "
                 "under 1111111. Import them into 1111111?");
        QVERIFY(!run.desktop.shown.last().yesByDefault);
#ifndef Q_OS_WIN // no FIFO there
        QCOMPARE(::mkfifo(qPrintable(run.path("pipe.csv")), 0600), 0);
        run.desktop.filesToOpen.enqueue(run.path("pipe.csv"));
        FilingRun::press(form, "cmdImportEmployees");
        QCOMPARE(run.desktop.notices().last(), "The file " + run.path("pipe.csv") +
                                                   " could not be read.\n\nIt is not a regular "
                                                   "file but a pipe, a device or a socket.");
#endif
        run.import(
            "SSN,Last,First,Middle,Gross,Taxable,Weeks\r\n111-11-1111,ONE,MARY,,\"$2,500.01\","
            "1000.00,12\r\n222222222,TWO,MARY,,2500.01,1000.00,12\r\n");
        QCOMPARE(run.desktop.notices().last(),
                 "2 employees were imported.\n\nThe first line was read as column names.");
        QCOMPARE(FilingRun::labelText(form, "lblRunningTotals"),
                 "Entered for this account: 2 employees, gross wages $5,000.02, taxable wages "
                 "$2,000.00\nEmployer screen: 2 employees in the third month, gross wages "
                 "$5,000.02, taxable wages $2,000.00\nThe employees add up to the employer "
                 "screen's totals.");
        QCOMPARE(stillToEnter(), "All 2 employees from the previous report are entered.");

        // The second offered again, the first marked as filed: it cannot be chosen; typed, it is
        // asked about, and No.
        const EmployerEntries &second = last.accounts[1].employer;
        FilingRun::fill(employer, with(second, {"ACCOUNT NUMBER", "", "FEIN", ""}));
        QCOMPARE(QString("%1 / %2 / %3")
                     .arg(offered->item(0)->text(), offered->item(1)->text())
                     .arg(offered->count()),
                 "1111111, FEIN 123456789, 2 employees (filed) / 2222222, FEIN 123456789, 3 "
                 "employees / 2");
        FilingRun::choose(offered, offered->item(0)->text());
        QVERIFY(offered->selectedItems().isEmpty());
        FilingRun::put(employer, "txtEAN", "1111111");
        FilingRun::put(employer, "txtFEIN", "123456789");
        FilingRun::press(employer, "cmdCreateELine");
        QVERIFY(employer.isVisible() && run.desktop.questions().last().startsWith(
                                            "Account 1111111 is already in this filing."));
        FilingRun::choose(offered, offered->item(1)->text());
        FilingRun::press(employer, "cmdCreateELine");
        QCOMPARE(stillToEnter(), "3 of 3 employees from the previous report are still to enter.");
        // In the report's order; a second press skips one, after the last comes the first again.
        FilingRun::press(form, "cmdAddEmployee"); // every box marked
        fillNext(4, "333333333"), addEmployee();
        // A sheet with an SSN the screen wrote is refused whole with its findings.
        run.import("333333333,X,Y,,1.00,1.00,1\n");
        QCOMPARE(run.desktop.shown.last().title + ": " + run.desktop.shown.last().text,
                 "Import Employees: Nothing was imported.\nline 1, SSN: The SSN 333333333 is "
                 "already entered for this account (THREE MARY).");
        fillNext(1, "444444444");
        // The template holds those still to enter.
        run.desktop.filesToOpen.enqueue(run.path("wages.csv"));
        FilingRun::press(form, "cmdSaveTemplate");
        QCOMPARE(run.read("wages.csv"),
                 "SSN,Last Name,First Name,Middle Name,Gross Wages,Taxable Wages,Credit Weeks\r\n"
                 "444-44-4444,FOUR,MARY,,,,\r\n555-55-5555,FIVE,MARY,,,,\r\n");
        // Review Filing over it: the focus on the first SSN of the account at hand; the one
        // employee entered stays; those still to enter, greyed and without records, follow a
        // corrected SSN, and FOUR, taken off the list, goes from them and from the count; Escape
        // leaves the boxes as they were.
        FilingRun::press(form, "cmdReviewEmployees");
        auto *table = form.findChild<QTableView *>("tblEmployees");
        auto *accounts = form.findChild<QTableView *>("tblAccounts");
        const auto ssnAt = [&](int row) {
            return FilingRun::cell(table, row, "SSN").data().toString();
        };
        QWidget &review = *table->window();
        QApplication::setActiveWindow(&review);
        QVERIFY(QApplication::focusWidget() == table && review.isModal());
        QCOMPARE(table->currentIndex(), FilingRun::cell(table, 0, "SSN"));
        QCOMPARE(accounts->currentIndex(), FilingRun::cell(accounts, 1, "Account Number"));
        for (QPushButton *button : review.findChildren<QPushButton *>())
            QVERIFY(!button->autoDefault() && !button->isDefault()); // Enter commits
        auto *remove = FilingRun::find(review, "cmdRemoveEmployee");
        QVERIFY(!remove->isEnabled());
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(run.desktop.notices().last(),
                 "An account keeps at least one employee. Correct this employee instead.");
        FilingRun::typeInCell(table, 0, "SSN", "555555555"); // THREE not entered
        QCOMPARE(ssnAt(1), "333333333");
        FilingRun::typeInCell(table, 0, "SSN", "333333333");
        QCOMPARE(ssnAt(1), "444444444");
        QCOMPARE(FilingRun::cell(table, 2, "Gross Wages").data(), "not entered");
        QVERIFY(!(FilingRun::cell(table, 2, "SSN").flags() & Qt::ItemIsEditable));
        table->setCurrentIndex(FilingRun::cell(table, 1, "SSN"));
        QVERIFY(remove->isEnabled());
        run.desktop.answers.prepend(true);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(run.desktop.questions().last(),
                 "Take 444444444, FOUR MARY off this quarter's list?");
        QVERIFY(!run.desktop.shown.last().yesByDefault);
        QVERIFY(table->model()->rowCount() == 2 && ssnAt(1) == "555555555");
        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!review.isVisible());
        QCOMPARE(stillToEnter(), "1 of 2 employees from the previous report are still to enter.");
        addEmployee();
        fillNext(1, "555555555"), addEmployee();
        QCOMPARE(stillToEnter(), "All 2 employees from the previous report are entered.");
        QVERIFY(!FilingRun::find(form, "cmdFillFromPrevious")->isEnabled());
        run.nameReport();
        QCOMPARE(run.read(reportName), typed);
    }
};

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
