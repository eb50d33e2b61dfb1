#include "filingrun.h"

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "output/formnamefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

bool FilingRun::exists(const QString &fileName) const
{
    return QFile::exists(path(fileName));
}

QByteArray FilingRun::read(const QString &fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void FilingRun::write(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("could not write %s", qPrintable(fileName));
}

QStringList FilingRun::files() const
{
    QStringList names = QDir(path(".")).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    names.removeAll(QStringLiteral("testFile.TXT.previous"));
    return names;
}

void FilingRun::acceptContact(const QString &filingType, const QString &name, const QString &email,
                              const QString &phone, const QString &extension)
{
    Form1 &screen = program->form1();
    choose(screen, "lstReportingTypeCode", filingType);
    type(screen, "txtContactName", name);
    type(screen, "txtContactEmail", email);
    type(screen, "txtContactPhone", phone);
    type(screen, "txtPhoneExt", extension);
    press(screen, "cmdCreateALine");
}

void FilingRun::enterAccount(const Account &account)
{
    Form2 &screen = program->form2();
    if (!account.quarter.isEmpty())
        choose(screen, "lstQuarter", account.quarter);
    if (!account.year.isEmpty())
        choose(screen, "lstYear", account.year);
    type(screen, "txtEAN", account.ean);
    type(screen, "txtFEIN", account.fein);
    type(screen, "txtFirstMonth", account.first);
    type(screen, "txtSecondMonth", account.second);
    type(screen, "txtThirdMonth", account.third);
    type(screen, "txtGrossWages", account.gross);
    type(screen, "txtEmployeeWithholding", account.withholding);
    type(screen, "txtTaxableWages", account.taxable);
    type(screen, "txtEmployerContributions", account.contributions);
    press(screen, "cmdCreateELine");
}

void FilingRun::enterEmployee(const Employee &employee)
{
    Form3 &screen = program->form3();
    type(screen, "txtSSN", employee.ssn);
    type(screen, "txtEmpLastName", employee.last);
    type(screen, "txtEmpFirstName", employee.first);
    type(screen, "txtEmployeeMiddleName", employee.middle);
    type(screen, "txtEmployeeGrossWages", employee.gross);
    type(screen, "txtEmpTaxableWages", employee.taxable);
    type(screen, "txtEmployeeCreditWeek", employee.weeks);
    press(screen, "cmdAddEmployee");
}

void FilingRun::nameReport(const QString &kind, const QString &method, const QString &number,
                           const QString &sequence)
{
    FormNameFile &screen = program->formNameFile();
    QApplication::setActiveWindow(&screen);
    if (!kind.isEmpty())
        choose(screen, "lstEmployeOrTPA", kind);
    if (!method.isEmpty())
        choose(screen, "lstFTPorUPLOAD", method);
    type(screen, "EAN_TPAID", number);
    type(screen, "txtSequenceNumber", sequence);
    press(screen, "cmdNameFile");
}

void FilingRun::type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void FilingRun::type(QWidget &screen, const char *box, const QString &text)
{
    type(find<QLineEdit>(screen, box), text);
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

void FilingRun::choose(QWidget &screen, const char *list, const QString &item)
{
    choose(find<QListWidget>(screen, list), item);
}

void FilingRun::press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void FilingRun::press(QWidget &screen, const char *button)
{
    press(find<QAbstractButton>(screen, button));
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
