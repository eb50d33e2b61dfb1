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
    fill(screen, {{"txtContactName", name},
                  {"txtContactEmail", email},
                  {"txtContactPhone", phone},
                  {"txtPhoneExt", extension}});
    press(screen, "cmdCreateALine");
}

void FilingRun::enterAccount(const Account &a)
{
    Form2 &screen = program->form2();
    for (const auto &[list, item] : {std::pair{"lstQuarter", a.quarter}, {"lstYear", a.year}}) {
        if (!item.isEmpty())
            choose(screen, list, item);
    }
    fill(screen, {{"txtEAN", a.ean},
                  {"txtFEIN", a.fein},
                  {"txtFirstMonth", a.first},
                  {"txtSecondMonth", a.second},
                  {"txtThirdMonth", a.third},
                  {"txtGrossWages", a.gross},
                  {"txtEmployeeWithholding", a.withholding},
                  {"txtTaxableWages", a.taxable},
                  {"txtEmployerContributions", a.contributions}});
    press(screen, "cmdCreateELine");
}

void FilingRun::enterEmployee(const Employee &e)
{
    Form3 &screen = program->form3();
    fill(screen, {{"txtSSN", e.ssn},
                  {"txtEmpLastName", e.last},
                  {"txtEmpFirstName", e.first},
                  {"txtEmployeeMiddleName", e.middle},
                  {"txtEmployeeGrossWages", e.gross},
                  {"txtEmpTaxableWages", e.taxable},
                  {"txtEmployeeCreditWeek", e.weeks}});
    press(screen, "cmdAddEmployee");
}

void FilingRun::fill(QWidget &screen, std::initializer_list<std::pair<const char *, QString>> boxes)
{
    for (const auto &[box, text] : boxes)
        type(screen, box, text);
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
