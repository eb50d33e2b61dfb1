#include "app/neededroutines.h"
#include "rules/employerrules.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "validation/fielddisplay.h"

#include <QApplication>
#include <QTest>

namespace
{
const QByteArray aRecord("A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n");
const QString wagesHint(
    "Enter wages, excluding the decimal point, ie $1234.56 wages should be entered as 123456.");

const QString eanBlank("ACCOUNT NUMBER must not be blank.");
const QString eanLength("ACCOUNT NUMBER must be 7 digits long.  Please include leading zeros.");
const QString eanDigits("ACCOUNT NUMBER must be numberic.  Please include leading zeros.");
const QString feinBlank("FEIN must not be blank.");
const QString feinLength("FEIN must be 9 digits long.");
const QString feinDigits("FEIN must only contain the digits 0 to 9.");
const QString firstBlank("NUMBER OF EMPLOYEES for the first month must not be blank.");
const QString firstDigits("NUMBER OF EMPLOYEES for the first month must be numeric");
const QString secondBlank("NUMBER OF EMPLOYEES  for the second month must not be blank.");
const QString secondDigits("NUMBER OF EMPLOYEES  for the second month must be numeric");
const QString thirdDigits("NUMBER OF EMPLOYEES  for the third month must be numeric");
const QString grossBlank("GROSS WAGES must not be blank.");
const QString grossDigits = QStringLiteral("GROSS WAGES must be numeric. ") + wagesHint;
const QString grossTaxable("GROSS WAGES must be greater than or equal to TAXABLE WAGES");
const QString grossWithheld("GROSS WAGES must be greater than or equal to EMPLOYEE WITHHOLDING");
const QString heldBlank("EMPLOYEE WITHHOLDING must not be blank.");
const QString heldDigits = QStringLiteral("EMPLOYEE WITHHOLDING must be numeric.  ") + wagesHint;
const QString heldGross("EMPLOYEE WITHHOLDING must be less than or equal to GROSS WAGES");
const QString taxBlank("TAXABLE WAGES must not be blank.");
const QString taxDigits = QStringLiteral("TAXABLE WAGES must be numeric. ") + wagesHint;
const QString taxGross("TAXABLE WAGES must be less than or equal to GROSS WAGES");
const QString taxContrib("TAXABLE WAGES must be greater than or equal to EMPLOYER CONTRIBUTIONS.");
const QString contribBlank("Employer Contributions must not be blank.");
const QString contribDigits =
    QStringLiteral("EMPLOYER CONTRIBUTIONS must be numeric.  ") + wagesHint;
const QString contribTax("EMPLOYER CONTRIBUTIONS must be less than or equal to TAXABLE WAGES");
const QString bothMissing("You must select a QUARTER and YEAR for this filing.");
const QString quarterMissing("You must select a QUARTER for this filing.");
const QString yearMissing("You must select a YEAR for this filing.");

// The ten checked entries with their error labels, in the order the rules run.
QList<QPair<QWidget *, QLabel *>> fields(Ui::Form2 &ui)
{
    return {{ui.lstQuarter, ui.lblQuarterYear_errorMessage},
            {ui.txtEAN, ui.lblEAN_errorMessage},
            {ui.txtFEIN, ui.lblFEINError},
            {ui.txtFirstMonth, ui.lblFirstMonth_errorMessage},
            {ui.txtSecondMonth, ui.lblSecondMonth_errorMessage},
            {ui.txtThirdMonth, ui.lblThirdMonth_errorMessage},
            {ui.txtGrossWages, ui.txtGrossWages_errorMessage},
            {ui.txtEmployeeWithholding, ui.txtEmployeeWithholding_errorMessage},
            {ui.txtTaxableWages, ui.txtTaxableWages_errorMessage},
            {ui.txtEmployerContributions, ui.txtEmployerContributions_errorMessage}};
}

QStringList years(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

// The columns of a data table: their types, then their names.
template <typename... Types, typename... Names> void columns(const Names &...names)
{
    (QTest::addColumn<Types>(names), ...);
}

// One row of a data table, the values in column order.
template <typename... Values> void row(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

// The entry boxes of an account that passes, in screen order.
const QStringList passingEntries{"0123456", "123456789", "3",       "4",    "4",
                                 "1500000", "10500",     "1000000", "36000"};

// Chooses and types an account that passes every rule, without pressing Continue.
void fillPassingAccount(Ui::Form2 &ui)
{
    FilingRun::choose(ui.lstQuarter, "2 = April to June");
    FilingRun::choose(ui.lstYear, "2026");
    const auto all = fields(ui);
    for (int i = 1; i < all.size(); ++i)
        FilingRun::type(static_cast<QLineEdit *>(all[i].first), passingEntries[i - 1]);
}

// The contact screen accepted, so the employer screen is up and the working file holds the A
// record.
Form2 &openEmployerScreen(FilingRun &run, const QString &filingType = QStringLiteral("Original"))
{
    run.start();
    run.acceptContact(filingType);
    return run.program->form2();
}
} // namespace

class EmployerTest : public QObject
{
    Q_OBJECT

private slots:
    void textRules_data();
    void textRules();
    void amountCrossChecks_data();
    void amountCrossChecks();

    void quarterAndYear_messageAndBothListsColours_data();
    void quarterAndYear_messageAndBothListsColours();
    void allEmpty_marksAllTenAtOnce_accountLabelShownAndStaysShown();
    void continue_appendsTheERecordAsTyped_thenNoNoOpensNaming_data();
    void continue_appendsTheERecordAsTyped_thenNoNoOpensNaming();
    void screen_yearsFilingTypeCaptionsLimitsAndTabOrder_data();
    void screen_yearsFilingTypeCaptionsLimitsAndTabOrder();
    void clearForm2_emptiesEntriesOnly();
    void badInput_marksOnlyThatField_writesNothingKeepsEntries_data();
    void badInput_marksOnlyThatField_writesNothingKeepsEntries();
};

void EmployerTest::textRules_data()
{
    columns<QString, QString, QString>("field", "text", "message");
    row("ean empty", "ean", "", eanBlank);
    row("ean blanks only", "ean", "       ", eanBlank);
    row("ean 6 digits", "ean", "123456", eanLength);
    row("ean 8 digits", "ean", "12345678", eanLength);
    row("ean letter", "ean", "12345A7", eanDigits);
    row("ean leading blank, length on trimmed", "ean", " 0123456", eanDigits);
    row("ean leading zeros", "ean", "0012345", "");
    row("ean trailing blanks", "ean", "0012345  ", "");
    row("fein empty", "fein", "", feinBlank);
    row("fein blanks only", "fein", "   ", feinBlank);
    row("fein dash is length first", "fein", "12-3456789", feinLength);
    row("fein letter", "fein", "12345678A", feinDigits);
    row("fein inner blank", "fein", "1234 5678", feinDigits);
    row("fein leading blank", "fein", " 123456789", feinDigits);
    row("fein trailing blanks", "fein", "123456789   ", "");
    row("first empty", "first", "", firstBlank);
    row("first zero", "first", "0", "");
    row("first comma", "first", "1,5", firstDigits);
    row("second empty", "second", "", secondBlank);
    row("second letter", "second", "x", secondDigits);
    row("third decimal point", "third", "1.5", thirdDigits);
    row("third inner blank", "third", "1 5", thirdDigits);
}

void EmployerTest::textRules()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const QHash<QString, QString (*)(QStringView)> rules{{"ean", EmployerRules::accountNumber},
                                                         {"fein", EmployerRules::fein},
                                                         {"first", EmployerRules::firstMonth},
                                                         {"second", EmployerRules::secondMonth},
                                                         {"third", EmployerRules::thirdMonth}};
    QCOMPARE(rules.value(field)(text), message);
}

void EmployerTest::amountCrossChecks_data()
{
    // Amounts and messages in screen order: gross, withholding, taxable, contributions.
    columns<QStringList, QStringList>("amounts", "messages");
    const auto amountRow = [](const char *name, const QStringList &amounts,
                              const QStringList &messages) { row(name, amounts, messages); };
    const QStringList none{"", "", "", ""};
    amountRow("blank", {"", "  ", "", "   "}, {grossBlank, heldBlank, taxBlank, contribBlank});
    amountRow("not digits, partners skipped", {"12.50", "-1", "1,000", "+5"},
              {grossDigits, heldDigits, taxDigits, contribDigits});
    amountRow("zero everywhere", {"0", "0", "0", "0"}, none);
    amountRow("gross 900 taxable 1000", {"900", "0", "1000", "0"},
              {grossTaxable, "", taxGross, ""});
    amountRow("gross fails both, second message stands", {"1000", "1500", "1200", "0"},
              {grossWithheld, heldGross, taxGross, ""});
    amountRow("withholding above gross", {"1000", "1001", "1000", "0"},
              {grossWithheld, heldGross, "", ""});
    amountRow("taxable equals contributions", {"5000", "0", "5000", "5000"}, none);
    amountRow("contributions above taxable", {"5001", "0", "5000", "5001"},
              {"", "", taxContrib, contribTax});
    amountRow("withholding above taxable is no fault", {"1000", "900", "500", "0"}, none);
    amountRow("gross blank, taxable skips it", {"", "0", "100", "0"}, {grossBlank, "", "", ""});
    amountRow("partner with leading blank skipped", {"900", "0", " 1000", "5"},
              {"", "", taxDigits, ""});
    amountRow("00100 equals 100", {"100", "0", "00100", "0"}, none);
    amountRow("99 below 100", {"99", "0", "100", "0"}, {grossTaxable, "", taxGross, ""});
    amountRow("100 above 99", {"100", "0", "99", "0"}, none);
    amountRow("trailing blanks compare as numbers", {"1000  ", "1000 ", "1000", "999 "}, none);
    amountRow("13 digits differ in the last",
              {"9999999999999", "9999999999999", "9999999999998", "9999999999999"},
              {"", "", taxContrib, contribTax});
    amountRow("13 digits with a leading zero",
              {"0999999999999", "999999999999", "0999999999999", "999999999999"}, none);
}

void EmployerTest::amountCrossChecks()
{
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, messages);
    const QString &gross = amounts[0], &held = amounts[1], &tax = amounts[2], &contrib = amounts[3];
    QCOMPARE(EmployerRules::grossWages(gross, tax, held), messages[0]);
    QCOMPARE(EmployerRules::employeeWithholding(held, gross), messages[1]);
    QCOMPARE(EmployerRules::taxableWages(tax, gross, contrib), messages[2]);
    QCOMPARE(EmployerRules::employerContributions(contrib, tax), messages[3]);
}

void EmployerTest::quarterAndYear_messageAndBothListsColours_data()
{
    columns<QString, QString, QString, bool, bool>("quarter", "year", "message", "quarterYellow",
                                                   "yearYellow");
    row("neither", "", "", bothMissing, true, true);
    row("year only", "", "2025", quarterMissing, true, false);
    row("quarter only", "4 = October to December", "", yearMissing, false, true);
    row("both", "1 = January to March", "2019", "", false, false);
}

void EmployerTest::quarterAndYear_messageAndBothListsColours()
{
    QFETCH(QString, quarter);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(bool, quarterYellow);
    QFETCH(bool, yearYellow);

    FilingRun run;
    auto &ui = openEmployerScreen(run).ui;
    FilingRun::press(ui.cmdCreateELine); // everything marked first, so a pass must unmark
    FilingRun::Account account;
    account.quarter = quarter;
    account.year = year;
    run.enterAccount(account);
    QCOMPARE(ui.lblQuarterYear_errorMessage->text(), message);
    QVERIFY(!ui.lblQuarterYear_errorMessage->isHidden());
    QCOMPARE(isYellow(ui.lstQuarter), quarterYellow);
    QCOMPARE(isYellow(ui.lstYear), yearYellow);
    QCOMPARE(run.workingFile().count('\n'), message.isEmpty() ? 2 : 1);
}

void EmployerTest::allEmpty_marksAllTenAtOnce_accountLabelShownAndStaysShown()
{
    FilingRun run;
    auto &ui = openEmployerScreen(run).ui;
    QVERIFY(ui.lblEAN_errorMessage->isHidden());
    FilingRun::press(ui.cmdCreateELine);

    const QStringList blanks{bothMissing, eanBlank,   feinBlank, firstBlank, secondBlank,
                             QString(),   grossBlank, heldBlank, taxBlank,   contribBlank};
    const auto all = fields(ui);
    for (int i = 0; i < all.size(); ++i) {
        QLabel *label = all[i].second;
        if (i == 5) { // the third month's own wording
            QVERIFY(label->text().contains("third month"));
            QVERIFY(label->text().endsWith("must not be blank."));
        } else {
            QCOMPARE(label->text(), blanks[i]);
        }
        QVERIFY2(isYellow(all[i].first), qPrintable(all[i].first->objectName()));
        QVERIFY(label->isVisible());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
    QVERIFY(isYellow(ui.lstYear));
    QCOMPARE(run.workingFile(), aRecord);

    // Once shown, the account number's label stays up even when the account number passes.
    run.desktop.answer({false, false});
    run.enterAccount({});
    QCOMPARE(ui.lblEAN_errorMessage->text(), QString());
    QVERIFY(!ui.lblEAN_errorMessage->isHidden());
    for (const auto &field : fields(ui))
        QVERIFY2(!isYellow(field.first), qPrintable(field.first->objectName()));
    QVERIFY(!isYellow(ui.lstYear));
}

void EmployerTest::continue_appendsTheERecordAsTyped_thenNoNoOpensNaming_data()
{
    columns<QString, QString, QString, QString, QByteArray>("quarter", "fein", "gross", "taxable",
                                                            "line");
    row("April to June 2014", "2 = April to June", "123456789", "1500000", "1000000",
        QByteArray("E,0123456,123456789,22014,3,4,4,1500000,10500,1000000,36000"));
    row("FEIN with trailing blanks", "2 = April to June", "123456789  ", "1500000", "1000000",
        QByteArray("E,0123456,123456789  ,22014,3,4,4,1500000,10500,1000000,36000"));
    row("leading zeros kept, July to September", "3 = July to September", "123456789", "0001500000",
        "0036000", QByteArray("E,0123456,123456789,32014,3,4,4,0001500000,10500,0036000,36000"));
    row("13-digit amounts, October to December", "4 = October to December", "123456789",
        "9999999999999", "9999999999999",
        QByteArray("E,0123456,123456789,42014,3,4,4,9999999999999,10500,9999999999999,36000"));
}

void EmployerTest::continue_appendsTheERecordAsTyped_thenNoNoOpensNaming()
{
    QFETCH(QString, quarter);
    QFETCH(QString, fein);
    QFETCH(QString, gross);
    QFETCH(QString, taxable);
    QFETCH(QByteArray, line);

    FilingRun run;
    run.program->setToday([] { return QDate(2015, 3, 31); });
    Form2 &form = openEmployerScreen(run);
    FilingRun::Account account;
    account.quarter = quarter;
    account.year = "2014";
    account.fein = fein;
    account.gross = gross;
    account.taxable = taxable;
    run.desktop.answer({false, false});
    run.enterAccount(account);

    QCOMPARE(run.workingFile(), aRecord + line + "\r\n");
    QCOMPARE(
        run.desktop.questions().mid(1),
        (QStringList{"Do you have any employees to report?",
                     "Add an additional VL Unemployment Compensation tax account to this file?"}));
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());
    QVERIFY(!form.isVisible());
    QCOMPARE(run.visibleScreens(), QStringList{"FormNameFile"});
    QVERIFY(!run.desktop.ended);
}

void EmployerTest::screen_yearsFilingTypeCaptionsLimitsAndTabOrder_data()
{
    columns<QString, QDate, QStringList, QString>("filingType", "today", "years", "message");
    row("original, December 2026", "Original", QDate(2026, 12, 6),
        QStringList{"2026", "2025", "2024", "2023", "2022", "2021", "2020", "2019"},
        "The filing type is ORIGINAL.");
    row("amended, New Year 2014", "Amended", QDate(2014, 1, 1),
        QStringList{"2014", "2013", "2012", "2011", "2010", "2009", "2008", "2007"},
        "The filing type is AMENDED.");
}

void EmployerTest::screen_yearsFilingTypeCaptionsLimitsAndTabOrder()
{
    QFETCH(QString, filingType);
    QFETCH(QDate, today);
    QFETCH(QStringList, years);
    QFETCH(QString, message);

    FilingRun run;
    run.program->setToday([today] { return today; });
    Form2 &form = openEmployerScreen(run, filingType);
    auto &ui = form.ui;
    QCOMPARE(::years(ui.lstYear), years);
    QCOMPARE(::years(ui.lstQuarter),
             (QStringList{"1 = January to March", "2 = April to June", "3 = July to September",
                          "4 = October to December"}));
    QVERIFY(ui.lstQuarter->selectedItems().isEmpty());
    QVERIFY(ui.lstYear->selectedItems().isEmpty());
    QCOMPARE(ui.lblMessage->text(), message);
    QCOMPARE(ui.lblMessage->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(ui.lblMessage->font().bold());

    QApplication::setActiveWindow(&form);
    QCOMPARE(QApplication::focusWidget(), ui.cmdCreateELine);
    QCOMPARE(form.windowTitle(), QStringLiteral("Create CSV file"));
    QCOMPARE(ui.cmdCreateELine->text(), QStringLiteral("Continue"));
    QCOMPARE(ui.lblTaxableWages->text(),
             QStringLiteral("Enter the employee\u2019s quarterly taxable wages subject to "
                            "unemployment taxes. Reimbursable financial method employers should "
                            "enter zeros. ") +
                 wagesHint);
    for (QLabel *caption : {ui.lblGrossWages, ui.lblEmployeeWithholding, ui.lblTaxableWages,
                            ui.lblEmployerContributions})
        QCOMPARE(caption->toolTip(), QStringLiteral("Enter numbers without a decimal point, ie "
                                                    "$1234.56 should be entered as 123456.  "));

    // A paste longer than the box is cut at the box's limit; the FEIN box has none.
    const QString longDigits(40, u'1');
    const QList<QPair<QLineEdit *, int>> limits{
        {ui.txtEAN, 7},           {ui.txtFirstMonth, 5},
        {ui.txtSecondMonth, 5},   {ui.txtThirdMonth, 5},
        {ui.txtGrossWages, 13},   {ui.txtEmployeeWithholding, 13},
        {ui.txtTaxableWages, 13}, {ui.txtEmployerContributions, 13},
        {ui.txtFEIN, 40}};
    for (const auto &limit : limits) {
        FilingRun::paste(limit.first, longDigits);
        QCOMPARE(limit.first->text(), longDigits.left(limit.second));
    }

    QStringList order;
    QWidget *widget = ui.cmdCreateELine;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != ui.cmdCreateELine);
    QCOMPARE(order, (QStringList{"cmdCreateELine", "lstQuarter", "lstYear", "txtEAN", "txtFEIN",
                                 "txtFirstMonth", "txtSecondMonth", "txtThirdMonth",
                                 "txtGrossWages", "txtEmployeeWithholding", "txtTaxableWages",
                                 "txtEmployerContributions"}));
}

void EmployerTest::clearForm2_emptiesEntriesOnly()
{
    FilingRun run;
    auto &ui = openEmployerScreen(run).ui;
    FilingRun::Account account;
    account.fein = "12-3456789";
    account.taxable = "2000000";
    run.enterAccount(account); // FEIN, gross and taxable marked
    const QStringList yearsBefore = years(ui.lstYear);
    ui.lblMessage->setText("set by the caller");
    run.program->numberOFEmployee = 5;
    cNeededRoutines(*run.program).clearForm2();

    QVERIFY(ui.lstQuarter->selectedItems().isEmpty());
    QVERIFY(ui.lstYear->selectedItems().isEmpty());
    QCOMPARE(years(ui.lstYear), yearsBefore);
    QCOMPARE(run.program->numberOFEmployee, 0);
    QCOMPARE(ui.lblMessage->text(), QStringLiteral("set by the caller"));
    QCOMPARE(ui.lblFEINError->text(), feinLength);
    QCOMPARE(ui.txtGrossWages_errorMessage->text(), grossTaxable);
    QCOMPARE(ui.txtTaxableWages_errorMessage->text(), taxGross);
    for (const auto &field : fields(ui)) {
        const bool marked = field.first == ui.txtFEIN || field.first == ui.txtGrossWages ||
                            field.first == ui.txtTaxableWages;
        QCOMPARE(isYellow(field.first), marked);
        if (auto *box = qobject_cast<QLineEdit *>(field.first))
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
}

void EmployerTest::badInput_marksOnlyThatField_writesNothingKeepsEntries_data()
{
    columns<QString, QString, QString>("box", "text", "message");
    row("ean long paste with dash", "txtEAN", "12-34567890", eanDigits);
    row("ean sign", "txtEAN", "+123456", eanDigits);
    row("ean Arabic-Indic", "txtEAN", QString::fromUtf8("٠١٢٣٤٥٦"), eanDigits);
    row("fein long paste", "txtFEIN", QString(5000, u'1'), feinLength);
    row("fein thousands separators", "txtFEIN", "123,456,789", feinLength);
    row("fein Arabic-Indic", "txtFEIN", QString::fromUtf8("١٢٣٤٥٦٧٨٩"), feinDigits);
    row("first sign", "txtFirstMonth", "-1", firstDigits);
    row("second emoji", "txtSecondMonth", QString::fromUtf8("😀"), secondDigits);
    row("third long paste", "txtThirdMonth", "12a456789", thirdDigits);
    row("gross thousands separators", "txtGrossWages", "1,500,000", grossDigits);
    row("gross long paste", "txtGrossWages", "1500000.000000000000", grossDigits);
    row("withholding dollar", "txtEmployeeWithholding", "$105.00", heldDigits);
    row("contributions emoji", "txtEmployerContributions", QString::fromUtf8("36000😀"),
        contribDigits);
}

void EmployerTest::badInput_marksOnlyThatField_writesNothingKeepsEntries()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);

    FilingRun run;
    Form2 &form = openEmployerScreen(run);
    auto &ui = form.ui;
    fillPassingAccount(ui);
    auto *entry = form.findChild<QLineEdit *>(box);
    QVERIFY(entry);
    FilingRun::paste(entry, text);
    run.program->addAnotherAccount = true;
    FilingRun::press(ui.cmdCreateELine);

    for (const auto &field : fields(ui)) {
        QCOMPARE(isYellow(field.first), field.first == entry);
        QCOMPARE(field.second->text(), field.first == entry ? message : QString());
        if (field.first == entry)
            QVERIFY(!field.second->isHidden());
    }
    QCOMPARE(run.workingFile(), aRecord);
    QVERIFY(form.isVisible());
    QCOMPARE(run.desktop.questions().size(), 1); // the version notice only
    QVERIFY(!run.program->addAnotherAccount);    // cleared by every press

    // Every entry stays as it was typed, the bad one cut only at its box's limit.
    int i = 0;
    for (const auto &field : fields(ui)) {
        if (auto *line = qobject_cast<QLineEdit *>(field.first)) {
            const QString expected = passingEntries[i++];
            QCOMPARE(line->text(), line == entry ? text.left(line->maxLength()) : expected);
        }
    }
    QCOMPARE(selectedText(ui.lstQuarter), QStringLiteral("2 = April to June"));
    QCOMPARE(selectedText(ui.lstYear), QStringLiteral("2026"));
}

QTEST_MAIN(EmployerTest)
#include "tst_employer.moc"
