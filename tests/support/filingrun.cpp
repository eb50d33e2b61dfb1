#include "filingrun.h"

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "output/formnamefile.h"

#include <QApplication>
#include <QFile>
#include <QTest>

bool isYellow(const QWidget *entry)
{
    return entry->palette().color(QPalette::Base) == QColor(255, 255, 0);
}

FilingRun::FilingRun() : m_previousFolder(QDir::currentPath())
{
    QDir::setCurrent(m_folder.path());
    program = std::make_unique<Program>(desktop);
    program->setToday([] { return QDate(2026, 12, 6); });
}

FilingRun::~FilingRun()
{
    program.reset();
    QDir::setCurrent(m_previousFolder);
}

void FilingRun::start(bool openVersionPage)
{
    desktop.answer({openVersionPage});
    program->start();
}

QString FilingRun::path(const QString &fileName) const
{
    return m_folder.filePath(fileName);
}

bool FilingRun::exists(const QString &fileName) const
{
    return QFile::exists(path(fileName));
}

QByteArray FilingRun::read(const QString &fileName) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QStringList FilingRun::files() const
{
    QStringList names =
        QDir(path(".")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

void FilingRun::write(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(path(fileName));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void FilingRun::acceptContact(const QString &filingType, const QString &name, const QString &email,
                              const QString &phone, const QString &extension)
{
    auto &ui = program->form1().ui;
    choose(ui.lstReportingTypeCode, filingType);
    type(ui.txtContactName, name);
    type(ui.txtContactEmail, email);
    type(ui.txtContactPhone, phone);
    type(ui.txtPhoneExt, extension);
    press(ui.cmdCreateALine);
}

void FilingRun::enterAccount(const Account &account)
{
    auto &ui = program->form2().ui;
    if (!account.quarter.isEmpty())
        choose(ui.lstQuarter, account.quarter);
    if (!account.year.isEmpty())
        choose(ui.lstYear, account.year);
    type(ui.txtEAN, account.ean);
    type(ui.txtFEIN, account.fein);
    type(ui.txtFirstMonth, account.first);
    type(ui.txtSecondMonth, account.second);
    type(ui.txtThirdMonth, account.third);
    type(ui.txtGrossWages, account.gross);
    type(ui.txtEmployeeWithholding, account.withholding);
    type(ui.txtTaxableWages, account.taxable);
    type(ui.txtEmployerContributions, account.contributions);
    press(ui.cmdCreateELine);
}

void FilingRun::enterEmployee(const Employee &employee)
{
    auto &ui = program->form3().ui;
    type(ui.txtSSN, employee.ssn);
    type(ui.txtEmpLastName, employee.last);
    type(ui.txtEmpFirstName, employee.first);
    type(ui.txtEmployeeMiddleName, employee.middle);
    type(ui.txtEmployeeGrossWages, employee.gross);
    type(ui.txtEmpTaxableWages, employee.taxable);
    type(ui.txtEmployeeCreditWeek, employee.weeks);
    press(ui.cmdAddEmployee);
}

void FilingRun::type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void FilingRun::paste(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    box->insert(text);
}

void FilingRun::choose(QListWidget *list, const QString &item)
{
    const QList<QListWidgetItem *> found = list->findItems(item, Qt::MatchExactly);
    if (found.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("no item %1 in %2").arg(item, list->objectName())),
                     __FILE__, __LINE__);
        return;
    }
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

void FilingRun::press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList FilingRun::visibleScreens() const
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}
