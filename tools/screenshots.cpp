// Renders the four screens, filled in as during a filing and the employer screen with its error
// marks, into PNG files for the README. Usage: screenshots OUTPUT_FOLDER

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QApplication>
#include <QDir>
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

    FilingRun run;
    run.start();
    Form1 &contact = run.program->form1();
    FilingRun::choose(contact.ui.lstReportingTypeCode, QStringLiteral("Original"));
    FilingRun::type(contact.ui.txtContactName, QStringLiteral("Mary Smith"));
    FilingRun::type(contact.ui.txtContactEmail, QStringLiteral("mary@example.com"));
    FilingRun::type(contact.ui.txtContactPhone, QStringLiteral("8005551234"));
    saved &= save(contact, folder, QStringLiteral("contact"));

    FilingRun::press(contact.ui.cmdCreateALine);
    Form2 &employer = run.program->form2();
    FilingRun::choose(employer.ui.lstQuarter, QStringLiteral("2 = April to June"));
    FilingRun::type(employer.ui.txtEAN, QStringLiteral("12345"));
    FilingRun::type(employer.ui.txtFEIN, QStringLiteral("123456789"));
    FilingRun::type(employer.ui.txtFirstMonth, QStringLiteral("3"));
    FilingRun::type(employer.ui.txtGrossWages, QStringLiteral("900"));
    FilingRun::type(employer.ui.txtTaxableWages, QStringLiteral("1000"));
    FilingRun::press(employer.ui.cmdCreateELine);
    saved &= save(employer, folder, QStringLiteral("employer-marks"));

    run.desktop.answer({true});
    EmployerEntries account = validEmployer;
    account.year = QString::number(run.program->today().year() - 1);
    run.enterAccount(account);
    // One employee entered already, so the running totals under the account show a count and sums.
    run.desktop.answer({true});
    EmployeeEntries first = validEmployee;
    first.ssn = QStringLiteral("987654321");
    first.lastName = QStringLiteral("SMITH-JONES");
    first.firstName = QStringLiteral("JOHN");
    first.grossWages = QStringLiteral("1250000");
    first.taxableWages = QStringLiteral("900000");
    run.enterEmployee(first);
    Form3 &employee = run.program->form3();
    FilingRun::type(employee.ui.txtSSN, QStringLiteral("123456789"));
    FilingRun::type(employee.ui.txtEmpLastName, QStringLiteral("O'NEIL"));
    FilingRun::type(employee.ui.txtEmpFirstName, QStringLiteral("MARY"));
    FilingRun::type(employee.ui.txtEmployeeGrossWages, QStringLiteral("250000"));
    FilingRun::type(employee.ui.txtEmpTaxableWages, QStringLiteral("100000"));
    FilingRun::type(employee.ui.txtEmployeeCreditWeek, QStringLiteral("13"));
    saved &= save(employee, folder, QStringLiteral("employee"));

    run.desktop.answer({false, false});
    FilingRun::press(employee.ui.cmdAddEmployee);
    FormNameFile &naming = run.program->formNameFile();
    FilingRun::choose(naming.ui.lstEmployeOrTPA, QStringLiteral("Employer"));
    FilingRun::choose(naming.ui.lstFTPorUPLOAD, QStringLiteral("FILE UPLOAD"));
    FilingRun::type(naming.ui.EAN_TPAID, QStringLiteral("0123456"));
    FilingRun::type(naming.ui.txtSequenceNumber, QStringLiteral("1Q2014"));
    saved &= save(naming, folder, QStringLiteral("naming"));

    return saved ? 0 : 1;
}
