// Employees imported from a spreadsheet file, all of them or none, and the running totals of the
// employee screen.

#include "employee/form3.h"
#include "filingrun.h"
#include "rules/employeeimport.h"
#include "rules/records.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class ImportTest : public QObject
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
                      belowTaxable = "WAGES: GROSS WAGES must be greater than or equal to TAXABLE "
                                     "WAGES",
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
            "123456789,A,B,,1.00,1.00,1\n\n1234567890,A,,,0.02,0.03,15\n1,2\n\"1,2\n\"1\"2,3\n"
            "12345678,A,B,,1.00,1.00,15",
            {"line 3, " + nine,
             "line 3, SSN: SSN has 10 characters; its entry box takes at most 9.",
             "line 3, FIRST NAME: EMPLOYEE FIRST NAME in S line must not be blank. ",
             "line 3, GROSS " + belowTaxable, "line 3, TAXABLE " + belowTaxable, "line 3, " + weeks,
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

    // The screen: a pipe is told at once; findings write nothing; an import adds up with what
    // was typed, says how many and that the first line was taken for column names, and asks for
    // another employee; the next account counts afresh.
    void importOnTheScreen_totalsFollow()
    {
        const QByteArray threeEmployees = "SSN,Last,First,Middle,Gross,Taxable,Weeks\r\n"
                                          "111-22-3333,LEE,ANN,,\"$4,000.00\",3000.00,13\r\n"
                                          "222334444,KIM,BO,J,4000.00,3000.00,1\r\n"
                                          "333445555,DOE,JO,,4500.00,3000.00,0\r\n";
        FilingRun run;
        run.fileOneAccount({true, true}, 1);
        QWidget &form = run.form(2);
        const auto totals = [&form] { return FilingRun::labelText(form, "lblRunningTotals"); };
#ifndef Q_OS_WIN
        QCOMPARE(::mkfifo(qPrintable(run.path("<u>pipe.csv")), 0600), 0);
        run.desktop.filesToOpen.enqueue(run.path("<u>pipe.csv"));
        FilingRun::press(form, "cmdImportEmployees");
        QCOMPARE(run.desktop.notices(), {"The file " + run.path("<u>pipe.csv") +
                                         " could not be read.\n\nIt is not a regular file but a "
                                         "pipe, a device or a socket."});
#endif
        run.import(threeEmployees + "123456789,X,Y,,1.00,1.00,1\n"); // written by the screen
        QCOMPARE(run.desktop.shown.last().title + ": " + run.desktop.shown.last().text,
                 "Import Employees: Nothing was imported.\nline 5, SSN: The SSN 123456789 "
                 "is already entered for this account (O'NEIL MARY).");
        QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
        QVERIFY(!totals().contains("add up"));
        run.desktop.answer({false, true}); // no other employee, another account
        run.import(threeEmployees);
        QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord +
                                        "S,0123456  ,111223333,LEE,ANN,,400000,300000,13, , \r\n"
                                        "S,0123456  ,222334444,KIM,BO,J,400000,300000,1, , \r\n"
                                        "S,0123456  ,333445555,DOE,JO,,450000,300000,0, , \r\n");
        QCOMPARE(run.desktop.notices().last(),
                 "3 employees were imported.\n\nThe first line was read as column names.");
        QCOMPARE(run.desktop.questions().last(),
                 "Add an additional VL Unemployment Compensation tax account to this file?");
        QCOMPARE(totals(), "Entered for this account: 4 employees, gross wages $15,000.00, taxable "
                           "wages $10,000.00\nEmployer screen: 4 employees in the third month, "
                           "gross wages $15,000.00, taxable wages $10,000.00\nThe employees add "
                           "up to the employer screen's totals.");
        // The same account again, filed on Yes; employees for it, then no more.
        run.desktop.answer({true, true, false, false});
        run.enterAccount(with(validEmployer, {"EMPLOYEES MONTH 3", "1"}));
        run.import("123456789,A,B,,$1.00,0.01,1"); // an SSN of the account before
        QCOMPARE(run.desktop.notices().last(), "1 employee was imported.");
        QCOMPARE(totals(), "Entered for this account: 1 employee, gross wages $1.00, taxable wages "
                           "$0.01\nEmployer screen: 1 employee in the third month, gross wages "
                           "$15,000.00, taxable wages $10,000.00"); // the count alone agrees
#ifdef Q_OS_WIN
        QSKIP("Windows has no FIFO: every check above passed, the pipe's was left out");
#endif
    }
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
