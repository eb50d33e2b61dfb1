// Renders the four screens, filled in as during a filing and the employer screen with its error
// marks, and Review Filing with a finding, into PNG files for the README.
// Usage: screenshots OUTPUT_FOLDER

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "naming/formnamefile.h"
#include "rules/calendar.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace
{
bool save(QWidget &screen, const QString &folder, const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!screen.grab().save(path)) {
        qCritical("could not write %s", qPrintable(path));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: screenshots OUTPUT_FOLDER");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(folder);
    bool saved = true;

    // A quarter started from last quarter's report of the same account, with three employees.
    FilingRun run;
    QByteArray last =
        aRecord + records(with(validEmployer, {"EMPLOYEES MONTH 3", "3", "GROSS WAGES", "750000",
                                               "TAXABLE WAGES", "300000"}));
    for (const char *ssn : {"123456789", "234567891", "345678912"})
        last += records(with(validEmployee, {"SSN", ssn}));
    run.write(QStringLiteral("FTP_WR4-4B_0123456_Q3.CSV"), last);
    run.start();
    run.desktop.filesToOpen.enqueue(run.path(QStringLiteral("FTP_WR4-4B_0123456_Q3.CSV")));
    Form1 &contact = run.program->form1();
    FilingRun::press(contact, "cmdFromPreviousReport");
    FilingRun::put(contact, "lstReportingTypeCode", QStringLiteral("O"));
    saved &= save(contact, folder, QStringLiteral("contact"));

    FilingRun::press(contact, "cmdCreateALine");
    Form2 &employer = run.program->form2();
    FilingRun::fill(employer,
                    with(EmployerEntries{}, {"QUARTER-YEAR", "2", "ACCOUNT NUMBER", "12345", "FEIN",
                                             "123456789", "EMPLOYEES MONTH 1", "3", "GROSS WAGES",
                                             "900", "TAXABLE WAGES", "1000"}));
    FilingRun::press(employer, "cmdCreateELine");
    saved &= save(employer, folder, QStringLiteral("employer-marks"));

    run.desktop.answer({true});
    run.enterAccount(
        with(validEmployer, {"QUARTER-YEAR", "2" + QString::number(today().year() - 1)}));
    // One employee entered already, so the running totals under the account show a count and sums.
    run.desktop.answer({true});
    run.enterEmployee(
        with(validEmployee, {"SSN", "987654321", "LAST NAME", "SMITH-JONES", "FIRST NAME", "JOHN",
                             "GROSS WAGES", "1250000", "TAXABLE WAGES", "900000"}));
    Form3 &employee = run.program->form3();
    FilingRun::press(employee, "cmdFillFromPrevious");
    FilingRun::fill(employee, validEmployee);
    saved &= save(employee, folder, QStringLiteral("employee"));

    // Review Filing with the finding of a correction that its rules refused.
    FilingRun::press(employee, "cmdReviewEmployees");
    auto *review = employee.findChild<QDialog *>(QStringLiteral("ReviewFiling"));
    QApplication::setActiveWindow(review);
    FilingRun::typeInCell(review->findChild<QTableView *>(QStringLiteral("tblEmployees")), 0,
                          QStringLiteral("Taxable Wages"), QStringLiteral("1500000"));
    saved &= save(*review, folder, QStringLiteral("review"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the refused value dropped
    review->close();

    run.desktop.answer({false, false});
    FilingRun::press(employee, "cmdAddEmployee");
    FormNameFile &naming = run.program->formNameFile();
    FilingRun::fill(naming, NamingEntries{FilerKind::Employer, FilingMethod::FileUpload,
                                          QStringLiteral("0123456"), QStringLiteral("1Q2014")});
    saved &= save(naming, folder, QStringLiteral("naming"));

    return saved ? 0 : 1;
}
