#include "app/program.h"

#include "app/desktop.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "output/formnamefile.h"

#include <QUrl>

const QString Program::versionPageAddress =
    QStringLiteral("https://www.uc.veloria.gov/tavo/csv-tool");
const QString Program::versionNoticeTitle = QStringLiteral("Create CSV File for TAVO - version 5");
const QString Program::programTitle = QStringLiteral("Create CSV File for TAVO");

QString Program::versionNotice()
{
    return QStringLiteral("You are using version 5.") + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Please check ") + versionPageAddress +
           QStringLiteral(" to see if you have the latest version.") + QStringLiteral("\r\r\n") +
           QStringLiteral("Do you want to open a browser window to this website?");
}

Program::Program(Desktop &desktop)
    : sOutFileName(QStringLiteral("testFile.TXT")), m_desktop(desktop),
      m_today([] { return QDate::currentDate(); })
{
}

Program::~Program() = default;

void Program::start()
{
    form1();
    if (m_desktop.ask(versionNotice(), versionNoticeTitle))
        m_desktop.openWebPage(QUrl(versionPageAddress));
    form1().show();
}

Form1 &Program::form1()
{
    if (!m_form1)
        m_form1 = std::make_unique<Form1>(*this);
    return *m_form1;
}

Form2 &Program::form2()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(*this);
    return *m_form2;
}

Form3 &Program::form3()
{
    if (!m_form3)
        m_form3 = std::make_unique<Form3>(*this);
    return *m_form3;
}

FormNameFile &Program::formNameFile()
{
    if (!m_formNameFile)
        m_formNameFile = std::make_unique<FormNameFile>(*this);
    return *m_formNameFile;
}

QString Program::filingTypeWord() const
{
    return reportingTypeCode == QLatin1String("O") ? QStringLiteral("ORIGINAL")
                                                   : QStringLiteral("AMENDED");
}

void Program::endProgram(int exitCode)
{
    if (m_ended)
        return;
    m_ended = true;
    for (QWidget *screen :
         {static_cast<QWidget *>(m_form1.get()), static_cast<QWidget *>(m_form2.get()),
          static_cast<QWidget *>(m_form3.get()), static_cast<QWidget *>(m_formNameFile.get())}) {
        if (screen)
            screen->hide();
    }
    m_desktop.endProgram(exitCode);
}

void Program::fail(const QString &what, int errorNumber, const QString &description)
{
    m_desktop.showFailure(QStringLiteral("Error %1: %2\n\n%3\n\nThe program will now close.")
                              .arg(errorNumber)
                              .arg(description, what));
    endProgram(1);
}
