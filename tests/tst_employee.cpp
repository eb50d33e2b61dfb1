#include "app/neededroutines.h"
#include "rules/employeerules.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"

#include <QApplication>
#include <QTest>

#include <functional>

namespace
{
const QString ssnBlank = QStringLiteral("Employee SSN  must not be blank.");
const QString ssnLength = QStringLiteral("Employee SSN  must be 9 digits long.");
const QString ssnDigits = QStringLiteral("Employee SSN  must only contain the digits 0 to 9.");
const QString lastBlank = QStringLiteral("Employee Last Name in S line must not be blank. ");
const QString lastLong = QStringLiteral("EMPLOYEE LAST NAME too long must only be 25 characters.");
const QString lastChars = QStringLiteral("EMPLOYEE LAST NAME  must only contain alphanumerics, "
                                         "apostrophe and hyphens. No spaces allowed.");
const QString lastApostrophe = QStringLiteral(
    "EMPLOYEE LAST NAME - spaces around the apostrophe not allowed.  Must be like O'Connell.");
const QString lastHyphens =
    QStringLiteral("EMPLOYEE LAST NAME - ONLY TWO hyphens allowed in last name field. IE: "
                   "LASTNAME - COMPOUNDNAME - SUFFIX.");
const QString lastInARow =
    QStringLiteral("EMPLOYEE LAST NAME not formatted correctly. Two hyphens in a row not allowed.");
const QString firstBlank = QStringLiteral("EMPLOYEE FIRST NAME in S line must not be blank. ");
const QString firstLong =
    QStringLiteral("EMPLOYEE FIRST NAME  too long must only be 15 characters long.");
const QString firstChars = QStringLiteral("EMPLOYEE FIRST NAME must only contain alphanumerics, "
                                          "apostrophe and hyphens. No spaces allowed.");
const QString firstInARow = QStringLiteral(
    "EMPLOYEE FIRST NAME not formatted correctly. Two hyphens in a row not allowed.");
const QString middleLong =
    QStringLiteral("EMPLOYEE MIDDLE NAME too long must only be 15 characters long.");
const QString middleChars = QStringLiteral("EMPLOYEE MIDDLE NAME  must only contain "
                                           "alphanumerics, apostrophe  and hyphens. No spaces "
                                           "allowed.");
const QString middleInARow = QStringLiteral(
    "EMPLOYEE MIDDLE NAME not formatted correctly. Two hyphens in a row not allowed.");
const QString grossBlank = QStringLiteral("GROSS WAGES must not be blank.");
const QString wagesHint = QStringLiteral(
    "Enter wages, excluding the decimal point, ie $1234.56 wages should be entered as 123456.");
const QString grossDigits = QStringLiteral("GROSS WAGES must be numeric. ") + wagesHint;
const QString taxableBlank = QStringLiteral("TAXABLE WAGES must not be blank.");
const QString taxableDigits = QStringLiteral("TAXABLE WAGES must be numeric.  ") + wagesHint;
const QString taxableAboveGross =
    QStringLiteral("GROSS WAGES must be greater than or equal to TAXABLE WAGES");
const QString weeksBlank =
    QStringLiteral("EMPLOYEE CREDIT WEEKS must be not be blank. Employee Credit Weeks must be "
                   "numeric between 0 and 14 inclusive.");
const QString weeksRange =
    QStringLiteral("EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive.");

// Every entry box of the screen with its error label, top to bottom.
const QList<QPair<QString, QString>> fields = {
    {"txtSSN", "lblSSN_errorMesage"},
    {"txtEmpLastName", "lblEmpLastName_errorMessage"},
    {"txtEmpFirstName", "lblEmpFirstName_errorMessage"},
    {"txtEmployeeMiddleName", "lblEmployeMiddleName_errorMessage"},
    {"txtEmployeeGrossWages", "lblEmployeeGrossWages_errorMessage"},
    {"txtEmpTaxableWages", "lblEmpTaxableWages_errorMessage"},
    {"txtEmployeeCreditWeek", "lblEmployeeCreditWeek_errorMessage"}};

// Contact accepted, one account entered and the first employee question answered Yes.
Form3 &reachEmployeeScreen(FilingRun &run, const FilingRun::Account &account = {},
                           const QString &filingType = QStringLiteral("Original"))
{
    run.start();
    run.acceptContact(filingType);
    run.desktop.answer({true});
    run.enterAccount(account);
    return run.program->form3();
}

// The boxes filled in by typing, without pressing Add Employee.
void fill(Form3 &form, const FilingRun::Employee &employee)
{
    FilingRun::type(form.ui.txtSSN, employee.ssn);
    FilingRun::type(form.ui.txtEmpLastName, employee.last);
    FilingRun::type(form.ui.txtEmpFirstName, employee.first);
    FilingRun::type(form.ui.txtEmployeeMiddleName, employee.middle);
    FilingRun::type(form.ui.txtEmployeeGrossWages, employee.gross);
    FilingRun::type(form.ui.txtEmpTaxableWages, employee.taxable);
    FilingRun::type(form.ui.txtEmployeeCreditWeek, employee.weeks);
}

FilingRun::Account accountNumbered(const QString &ean)
{
    FilingRun::Account account;
    account.ean = ean;
    return account;
}
} // namespace

class EmployeeTest : public QObject
{
    Q_OBJECT

private slots:
    void nameRoutines_data();
    void nameRoutines();
    void rules_data();
    void rules();

    void screenOpens_captionsHintsLimitsTabOrderAndFocusOnSSN();
    void allEmpty_sixMessagesSixMarks_middleNameUnmarked_nothingWrittenNothingAsked();
    void correctedField_losesItsMarkOnTheNextPress_othersKeepTheirs();
    void addEmployee_appendsTheSRecord_namesTrimmed_otherFieldsAsTyped_data();
    void addEmployee_appendsTheSRecord_namesTrimmed_otherFieldsAsTyped();
    void countGrowsWithEveryEmployee_oneQuestionEach();
    void informationLabel_accountQuarterYearAndFilingType();
    void informationLabel_showsTheSecondAccountNotTheFirst();
    void clearForm3_emptiesBoxesOnly_marksLabelAndCountStay();
    void badInput_marksTheFieldAndWritesNothing_data();
    void badInput_marksTheFieldAndWritesNothing();
};

void EmployeeTest::nameRoutines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("apostropheGood");
    QTest::addColumn<bool>("atMostTwoHyphens");
    QTest::addColumn<bool>("noTwoHyphensInARow");

    QTest::newRow("O'CONNELL") << "O'CONNELL" << true << true << true;
    QTest::newRow("apostrophe last") << "OCONNELL'" << false << true << true;
    QTest::newRow("space before apostrophe") << "O 'CONNELL" << false << true << true;
    QTest::newRow("space after apostrophe") << "O' CONNELL" << false << true << true;
    QTest::newRow("only the first apostrophe counts") << "D'ANGELO'" << true << true << true;
    QTest::newRow("empty") << "" << true << true << true;
    // A name that starts with an apostrophe has nothing before it to find fault with.
    QTest::newRow("apostrophe first") << "'SMITH" << true << true << true;
    QTest::newRow("SMITH") << "SMITH" << true << true << true;
    QTest::newRow("one hyphen") << "SMITH-JONES" << true << true << true;
    QTest::newRow("two hyphens") << "SMITH-JONES-JR" << true << true << true;
    QTest::newRow("three hyphens") << "A-B-C-D" << true << false << true;
    QTest::newRow("two in a row") << "SMITH--JONES" << true << true << false;
    QTest::newRow("three in a row") << "A---B" << true << false << false;
    QTest::newRow("hyphen last") << "SMITH-" << true << true << true;
    QTest::newRow("hyphen first") << "-SMITH" << true << true << true;
}

void EmployeeTest::nameRoutines()
{
    QFETCH(QString, name);
    QFETCH(bool, apostropheGood);
    QFETCH(bool, atMostTwoHyphens);
    QFETCH(bool, noTwoHyphensInARow);
    QCOMPARE(cNeededRoutines::checkForGoodApostropheInEmployeeLastName(name), apostropheGood);
    QCOMPARE(cNeededRoutines::checkForOneOrLessHyphensInEmployeeLastNameField(name),
             atMostTwoHyphens);
    QCOMPARE(cNeededRoutines::checkForTwoHyphensInARow(name), noTwoHyphensInARow);
}

void EmployeeTest::rules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("partner"); // the other wage box, for the two wage rules
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const char *field, const QString &text,
                        const QString &partner, const QString &message) {
        QTest::newRow(name) << field << text << partner << message;
    };
    const QString ok;

    row("ssn blank", "ssn", "   ", ok, ssnBlank);
    row("ssn 8 digits", "ssn", "12345678", ok, ssnLength);
    row("ssn letter", "ssn", "12345678X", ok, ssnDigits);
    row("ssn leading space, 8 left", "ssn", " 12345678", ok, ssnLength);
    row("ssn leading space, 9 left", "ssn", " 123456789", ok, ssnDigits);

    row("last space inside", "last", "SMITH JR", ok, lastChars);
    row("last 25", "last", QString(25, u'A'), ok, ok);
    row("last 26", "last", QString(26, u'A'), ok, lastLong);
    row("last surrounding spaces", "last", "  O'NEIL ", ok, ok);
    row("last apostrophe last", "last", "OCONNELL'", ok, lastApostrophe);
    row("last two hyphens", "last", "SMITH-JONES-DOE", ok, ok);
    row("last three hyphens", "last", "A-B-C-D", ok, lastHyphens);
    row("last two in a row", "last", "SMITH--JONES", ok, lastInARow);
    row("last A---B, last failing shown", "last", "A---B", ok, lastInARow);

    row("first 15", "first", QString(15, u'b'), ok, ok);
    row("first 16", "first", QString(16, u'b'), ok, firstLong);
    row("first space inside", "first", "MARY ANN", ok, firstChars);
    row("first both fail, hyphens shown", "first", "MARY ANN--X", ok, firstInARow);
    row("first three hyphens pass", "first", "A-B-C-D", ok, ok);

    row("middle empty", "middle", "", ok, ok);
    row("middle three spaces", "middle", "   ", ok, middleChars);
    row("middle surrounding spaces", "middle", " ANN ", ok, ok);
    row("middle 16", "middle", QString(16, u'C'), ok, middleLong);
    row("middle two in a row", "middle", "A--B", ok, middleInARow);

    row("gross below taxable as numbers", "gross", "99", "100", taxableAboveGross);
    row("taxable above gross as numbers", "taxable", "100", "99", taxableAboveGross);
    row("gross equal with leading zero", "gross", "0200", "200", ok);
    row("taxable equal with leading zero", "taxable", "200", "0200", ok);
    row("gross letters", "gross", "ABC", "500", grossDigits);
    row("taxable beside letters gross", "taxable", "500", "ABC", ok);
    row("gross trailing space", "gross", "1500 ", "1500", ok);
    row("gross leading space", "gross", " 1500", "100", grossDigits);
    row("taxable letter O", "taxable", "5O0", "500", taxableDigits);

    row("weeks 14", "weeks", "14", ok, ok);
    row("weeks 15", "weeks", "15", ok, weeksRange);
    row("weeks 00", "weeks", "00", ok, ok);
    row("weeks digit then space", "weeks", "5 ", ok, ok);
    row("weeks space then digit", "weeks", " 5", ok, weeksRange);
    row("weeks blank", "weeks", "  ", ok, weeksBlank);
}

void EmployeeTest::rules()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, partner);
    QFETCH(QString, message);
    const QHash<QString, std::function<QString()>> rule = {
        {"ssn", [&] { return EmployeeRules::ssn(text); }},
        {"last", [&] { return EmployeeRules::lastName(text); }},
        {"first", [&] { return EmployeeRules::firstName(text); }},
        {"middle", [&] { return EmployeeRules::middleName(text); }},
        {"gross", [&] { return EmployeeRules::grossWages(text, partner); }},
        {"taxable", [&] { return EmployeeRules::taxableWages(text, partner); }},
        {"weeks", [&] { return EmployeeRules::creditWeeks(text); }}};
    QCOMPARE(rule.value(field)(), message);
}

void EmployeeTest::screenOpens_captionsHintsLimitsTabOrderAndFocusOnSSN()
{
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run);
    QCOMPARE(run.visibleScreens(), QStringList{"Form3"});
    QCOMPARE(form.windowTitle(), QStringLiteral("Create CSV file"));
    QApplication::setActiveWindow(&form);
    QCOMPARE(QApplication::focusWidget(), form.ui.txtSSN);

    QCOMPARE(form.ui.lblInfoSLine->text(),
             QStringLiteral("Filing a Veloria Unemployment Compensation Tax Report using a CSV "
                            "file. "));
    QCOMPARE(form.ui.lblEmployeeCreditWeeks->text(), QStringLiteral("Employee Credit Weeks "));
    QCOMPARE(form.ui.cmdAddEmployee->text(), QStringLiteral("Add Employee"));
    const QString hint = QStringLiteral(
        "Enter numbers without a decimal point, ie $1234.56 should be entered as 123456.  ");
    QCOMPARE(form.ui.lblEmployeeGrossWages->toolTip(), hint);
    QCOMPARE(form.ui.lblEmpTaxableWages->toolTip(), hint);

    // Typing stops at each box's limit.
    const QList<int> limits = {9, 25, 15, 15, 12, 12, 2};
    for (int i = 0; i < fields.size(); ++i) {
        QLineEdit *entry = form.findChild<QLineEdit *>(fields[i].first);
        FilingRun::type(entry, QString(40, u'7'));
        QCOMPARE(entry->text(), QString(limits[i], u'7'));
    }

    QStringList order;
    QWidget *widget = form.ui.txtSSN;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != form.ui.txtSSN);
    QCOMPARE(order,
             (QStringList{"txtSSN", "txtEmpLastName", "txtEmpFirstName", "txtEmployeeMiddleName",
                          "txtEmployeeGrossWages", "txtEmpTaxableWages", "txtEmployeeCreditWeek",
                          "cmdAddEmployee", "cmdImportEmployees"}));
}

void EmployeeTest::allEmpty_sixMessagesSixMarks_middleNameUnmarked_nothingWrittenNothingAsked()
{
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run);
    const QByteArray before = run.workingFile();
    const int asked = run.desktop.questions().size();
    FilingRun::press(form.ui.cmdAddEmployee);

    const QStringList messages = {ssnBlank,   lastBlank,    firstBlank, QString(),
                                  grossBlank, taxableBlank, weeksBlank};
    for (int i = 0; i < fields.size(); ++i) {
        QCOMPARE(form.findChild<QLabel *>(fields[i].second)->text(), messages[i]);
        QCOMPARE(isYellow(form.findChild<QLineEdit *>(fields[i].first)), !messages[i].isEmpty());
    }
    QCOMPARE(run.workingFile(), before);
    QCOMPARE(run.program->numberOFEmployee, 0);
    QCOMPARE(run.desktop.questions().size(), asked);
    QVERIFY(form.isVisible());
}

void EmployeeTest::correctedField_losesItsMarkOnTheNextPress_othersKeepTheirs()
{
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run);
    FilingRun::Employee employee;
    employee.ssn = "12345678";
    employee.gross = "99";
    employee.taxable = "100";
    employee.weeks = "15";
    run.enterEmployee(employee);
    QCOMPARE(form.ui.lblSSN_errorMesage->text(), ssnLength);
    QCOMPARE(form.ui.lblEmployeeGrossWages_errorMessage->text(), taxableAboveGross);
    QCOMPARE(form.ui.lblEmpTaxableWages_errorMessage->text(), taxableAboveGross);
    QCOMPARE(form.ui.lblEmployeeCreditWeek_errorMessage->text(), weeksRange);
    for (QLineEdit *entry : {form.ui.txtSSN, form.ui.txtEmployeeGrossWages,
                             form.ui.txtEmpTaxableWages, form.ui.txtEmployeeCreditWeek})
        QVERIFY(isYellow(entry));
    QVERIFY(!isYellow(form.ui.txtEmpLastName));

    // Typing does not clear a mark; the next press does, for the corrected field only.
    FilingRun::type(form.ui.txtSSN, "123456789");
    QVERIFY(isYellow(form.ui.txtSSN));
    FilingRun::press(form.ui.cmdAddEmployee);
    QVERIFY(!isYellow(form.ui.txtSSN));
    QCOMPARE(form.ui.lblSSN_errorMesage->text(), QString());
    QVERIFY(isYellow(form.ui.txtEmployeeGrossWages));
    QVERIFY(isYellow(form.ui.txtEmployeeCreditWeek));
    QCOMPARE(run.program->numberOFEmployee, 0);
}

void EmployeeTest::addEmployee_appendsTheSRecord_namesTrimmed_otherFieldsAsTyped_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QStringList>("entries"); // SSN, last, first, middle, gross, taxable, weeks
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("no middle name")
        << "1234567" << QStringList{"123456789", "O'NEIL", "MARY", "", "250000", "100000", "13"}
        << QByteArray("S,1234567  ,123456789,O'NEIL,MARY,,250000,100000,13, , \r\n");
    QTest::newRow("names in spaces")
        << "0123456" << QStringList{"000000001", "  SMITH ", " MARY", " ANN ", "1500", "0", "0"}
        << QByteArray("S,0123456  ,000000001,SMITH,MARY,ANN,1500,0,0, , \r\n");
    QTest::newRow("spaces after amounts and weeks")
        << "7654321" << QStringList{"123456789", "SMITH-JONES", "Jo", "", "1500 ", "1500", "5 "}
        << QByteArray("S,7654321  ,123456789,SMITH-JONES,Jo,,1500 ,1500,5 , , \r\n");
    QTest::newRow("leading zeros kept")
        << "0123456" << QStringList{"123456789", "D'ANGELO", "Al", "B", "0200", "200", "07"}
        << QByteArray("S,0123456  ,123456789,D'ANGELO,Al,B,0200,200,07, , \r\n");
}

void EmployeeTest::addEmployee_appendsTheSRecord_namesTrimmed_otherFieldsAsTyped()
{
    QFETCH(QString, account);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, record);
    FilingRun run;
    reachEmployeeScreen(run, accountNumbered(account));
    const QByteArray before = run.workingFile();
    QVERIFY(before.startsWith("A,O,Mary Smith,"));
    QCOMPARE(before.count("\r\n"), 2);
    QVERIFY(before.contains("\r\nE," + account.toLatin1() + ','));

    run.desktop.answer({true});
    run.enterEmployee(
        {entries[0], entries[1], entries[2], entries[3], entries[4], entries[5], entries[6]});
    QCOMPARE(run.workingFile(), before + record);
    QCOMPARE(run.program->numberOFEmployee, 1);
    QCOMPARE(run.desktop.questions().last(), QStringLiteral("Add an additional employee?"));
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());
}

void EmployeeTest::countGrowsWithEveryEmployee_oneQuestionEach()
{
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run);
    QCOMPARE(run.program->numberOFEmployee, 0);
    for (int count = 1; count <= 3; ++count) {
        run.desktop.answer({true});
        run.enterEmployee({});
        QCOMPARE(run.program->numberOFEmployee, count);
        QVERIFY(form.ui.txtSSN->text().isEmpty()); // emptied for the next one
    }
    QCOMPARE(run.workingFile().count("\r\nS,0123456  ,"), 3);
    QCOMPARE(run.desktop.questions().mid(2),
             QStringList(3, QStringLiteral("Add an additional employee?")));
}

void EmployeeTest::informationLabel_accountQuarterYearAndFilingType()
{
    FilingRun run;
    run.program->setToday([] { return QDate(2014, 12, 1); });
    FilingRun::Account account = accountNumbered("1234567");
    account.quarter = "3 = July to September";
    account.year = "2014";
    Form3 &form = reachEmployeeScreen(run, account);
    QCOMPARE(form.ui.lblEANInfo->text(),
             QStringLiteral("Account Number: 1234567\r\nQuarter/Year: 3/2014\r\nFile Type: "
                            "ORIGINAL"));
}

void EmployeeTest::informationLabel_showsTheSecondAccountNotTheFirst()
{
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run, accountNumbered("1234567"), "Amended");
    QCOMPARE(form.ui.lblEANInfo->text(),
             QStringLiteral("Account Number: 1234567\r\nQuarter/Year: 2/2026\r\nFile Type: "
                            "AMENDED"));
    run.desktop.answer({false, true});
    run.enterEmployee({});
    QCOMPARE(run.program->numberOFEmployee, 0); // counting starts again for the next account

    FilingRun::Account second = accountNumbered("7654321");
    second.quarter = "4 = October to December";
    second.year = "2025";
    run.desktop.answer({true});
    run.enterAccount(second);
    QVERIFY(form.isVisible());
    QCOMPARE(form.ui.lblEANInfo->text(),
             QStringLiteral("Account Number: 7654321\r\nQuarter/Year: 4/2025\r\nFile Type: "
                            "AMENDED"));
    run.desktop.answer({true});
    run.enterEmployee({});
    QVERIFY(run.workingFile().endsWith("\r\nS,7654321  ,123456789,O'NEIL,MARY,,250000,100000,13, "
                                       ", \r\n"));
}

void EmployeeTest::clearForm3_emptiesBoxesOnly_marksLabelAndCountStay()
{
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run);
    run.desktop.answer({true});
    run.enterEmployee({});
    FilingRun::Employee wrong;
    wrong.ssn = "1";
    wrong.weeks = "99";
    run.enterEmployee(wrong);
    const QString information = form.ui.lblEANInfo->text();

    cNeededRoutines(*run.program).clearForm3();
    for (const auto &field : fields)
        QVERIFY2(form.findChild<QLineEdit *>(field.first)->text().isEmpty(),
                 qPrintable(field.first));
    QCOMPARE(form.ui.lblSSN_errorMesage->text(), ssnLength);
    QCOMPARE(form.ui.lblEmployeeCreditWeek_errorMessage->text(), weeksRange);
    QVERIFY(isYellow(form.ui.txtSSN));
    QVERIFY(isYellow(form.ui.txtEmployeeCreditWeek));
    QVERIFY(!isYellow(form.ui.txtEmpLastName));
    QCOMPARE(form.ui.lblEANInfo->text(), information);
    QCOMPARE(run.program->numberOFEmployee, 1);
}

void EmployeeTest::badInput_marksTheFieldAndWritesNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *name, const char *field, const char *utf8,
                        const QString &message) {
        QTest::newRow(name) << field << QString::fromUtf8(utf8) << message;
    };
    row("ssn long paste", "txtSSN", "123-45-6789-0000000000", ssnDigits);
    row("ssn comma", "txtSSN", "123,45678", ssnDigits);
    row("ssn space inside", "txtSSN", "1234 5678", ssnDigits);
    row("ssn full-width digits", "txtSSN", "１２３４５６７８９", ssnDigits);
    row("ssn emoji", "txtSSN", "1234567😀", ssnDigits);
    row("last long paste", "txtEmpLastName", "VAN DER BERG VAN DER BERG VAN DER BERG", lastChars);
    row("last quote", "txtEmpLastName", "O\"NEIL", lastChars);
    row("last accented", "txtEmpLastName", "MÜLLER", lastChars);
    row("last Cyrillic", "txtEmpLastName", "ИВАНОВ", lastChars);
    row("last emoji", "txtEmpLastName", "SMITH😀", lastChars);
    row("last tab", "txtEmpLastName", "SMITH\t", lastChars);
    row("first long paste", "txtEmpFirstName", "MARY ANN MARY ANN MARY ANN", firstChars);
    row("first comma", "txtEmpFirstName", "MARY,ANN", firstChars);
    row("first accented", "txtEmpFirstName", "JOSÉ", firstChars);
    row("first emoji", "txtEmpFirstName", "😀", firstChars);
    row("middle long paste", "txtEmployeeMiddleName", "ANN MARIE ANN MARIE ANN", middleChars);
    row("middle quote", "txtEmployeeMiddleName", "\"ANN\"", middleChars);
    row("middle accented", "txtEmployeeMiddleName", "ÉLISE", middleChars);
    row("middle Arabic", "txtEmployeeMiddleName", "علي", middleChars);
    row("gross long paste", "txtEmployeeGrossWages", "1,234,567,890,123", grossDigits);
    row("gross decimal point", "txtEmployeeGrossWages", "2500.00", grossDigits);
    row("gross Arabic-Indic digits", "txtEmployeeGrossWages", "٢٥٠٠٠٠", grossDigits);
    row("taxable comma", "txtEmpTaxableWages", "100,000", taxableDigits);
    row("taxable emoji", "txtEmpTaxableWages", "1😀", taxableDigits);
    row("weeks long paste", "txtEmployeeCreditWeek", "-1 weeks", weeksRange);
    row("weeks full-width digit", "txtEmployeeCreditWeek", "５", weeksRange);
    row("weeks emoji", "txtEmployeeCreditWeek", "😀", weeksRange);
}

void EmployeeTest::badInput_marksTheFieldAndWritesNothing()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    FilingRun run;
    Form3 &form = reachEmployeeScreen(run);
    const QByteArray before = run.workingFile();
    const int asked = run.desktop.questions().size();
    FilingRun::Employee good;
    good.middle = "ANN";
    fill(form, good);
    QLineEdit *entry = form.findChild<QLineEdit *>(field);
    FilingRun::paste(entry, text);
    QVERIFY(entry->text().size() <= entry->maxLength());
    FilingRun::press(form.ui.cmdAddEmployee);
    for (const auto &other : fields) {
        const bool isThis = other.first == field;
        QCOMPARE(isYellow(form.findChild<QLineEdit *>(other.first)), isThis);
        QCOMPARE(form.findChild<QLabel *>(other.second)->text(), isThis ? message : QString());
    }
    QCOMPARE(entry->accessibleDescription(), message);
    QCOMPARE(run.workingFile(), before);
    QCOMPARE(run.program->numberOFEmployee, 0);
    QCOMPARE(run.desktop.questions().size(), asked);
}

QTEST_MAIN(EmployeeTest)
#include "tst_employee.moc"
