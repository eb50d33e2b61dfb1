// Renders the four screens, filled in as during a filing and the employer screen with its error
// marks, into PNG files for the README. Usage: screenshots OUTPUT_FOLDER

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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
    FilingRun::choose(FilingRun::find<QListWidget>(contact, "lstReportingTypeCode"),
                      QStringLiteral("Original"));
    FilingRun::type(FilingRun::find<QLineEdit>(contact, "txtContactName"),
                    QStringLiteral("Mary Smith"));
    FilingRun::type(FilingRun::find<QLineEdit>(contact, "txtContactEmail"),
                    QStringLiteral("mary@example.com"));
    FilingRun::type(FilingRun::find<QLineEdit>(contact, "txtContactPhone"),
                    QStringLiteral("8005551234"));
    saved &= save(contact, folder, QStringLiteral("contact"));

    FilingRun::press(contact, "cmdCreateALine");
    Form2 &employer = run.program->form2();
    FilingRun::choose(FilingRun::find<QListWidget>(employer, "lstQuarter"),
                      QStringLiteral("2 = April to June"));
    FilingRun::type(FilingRun::find<QLineEdit>(employer, "txtEAN"), QStringLiteral("12345"));
    FilingRun::type(FilingRun::find<QLineEdit>(employer, "txtFEIN"), QStringLiteral("123456789"));
    FilingRun::type(FilingRun::find<QLineEdit>(employer, "txtFirstMonth"), QStringLiteral("3"));
    FilingRun::type(FilingRun::find<QLineEdit>(employer, "txtGrossWages"), QStringLiteral("900"));
    FilingRun::type(FilingRun::find<QLineEdit>(employer, "txtTaxableWages"),
                    QStringLiteral("1000"));
    FilingRun::press(employer, "cmdCreateELine");
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
    FilingRun::type(FilingRun::find<QLineEdit>(employee, "txtSSN"), QStringLiteral("123456789"));
    FilingRun::type(FilingRun::find<QLineEdit>(employee, "txtEmpLastName"),
                    QStringLiteral("O'NEIL"));
    FilingRun::type(FilingRun::find<QLineEdit>(employee, "txtEmpFirstName"),
                    QStringLiteral("MARY"));
    FilingRun::type(FilingRun::find<QLineEdit>(employee, "txtEmployeeGrossWages"),
                    QStringLiteral("250000"));
    FilingRun::type(FilingRun::find<QLineEdit>(employee, "txtEmpTaxableWages"),
                    QStringLiteral("100000"));
    FilingRun::type(FilingRun::find<QLineEdit>(employee, "txtEmployeeCreditWeek"),
                    QStringLiteral("13"));
    saved &= save(employee, folder, QStringLiteral("employee"));

    run.desktop.answer({false, false});
    FilingRun::press(employee, "cmdAddEmployee");
    FormNameFile &naming = run.program->formNameFile();
    FilingRun::choose(FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA"),
                      QStringLiteral("Employer"));
    FilingRun::choose(FilingRun::find<QListWidget>(naming, "lstFTPorUPLOAD"),
                      QStringLiteral("FILE UPLOAD"));
    FilingRun::type(FilingRun::find<QLineEdit>(naming, "EAN_TPAID"), QStringLiteral("0123456"));
    FilingRun::type(FilingRun::find<QLineEdit>(naming, "txtSequenceNumber"),
                    QStringLiteral("1Q2014"));
    saved &= save(naming, folder, QStringLiteral("naming"));

    return saved ? 0 : 1;
}
