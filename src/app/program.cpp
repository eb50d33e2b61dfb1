#include "app/program.h"

#include "app/neededroutines.h"
#include "app/screenflow.h"
#include "contact/form1.h"
#include "desktop/desktop.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"
#include "output/diskfile.h"

#include <QLockFile>
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

Program::Program(Desktop &desktop) : m_desktop(desktop) {}

Program::~Program() = default;

QString Program::anotherCopyNotice(const QString &lockFileName)
{
    return QStringLiteral("Another copy of this program is already preparing a report in this "
                          "folder. Two copies would mix their records in one working file, so "
                          "this copy will now close.\r\n\r\nFinish the report in the other "
                          "copy first. If no other copy is running, delete the file ") +
           lockFileName + QStringLiteral(" in this folder and start the program again.");
}

void Program::start()
{
    if (!takeWorkingFileLock())
        return;
    form1().showUnfinished(cNeededRoutines(*this).unfinishedFilingLine());
    if (m_desktop.ask(versionNotice(), versionNoticeTitle))
        m_desktop.openWebPage(QUrl(versionPageAddress));
    form1().show();
}

// One copy at a time may work with a folder's working file: records of two copies appended to
// one file would make a report that is wrong without anybody noticing.
bool Program::takeWorkingFileLock()
{
    auto lock = std::make_unique<QLockFile>(lockFileName());
    // A copy that has been open for hours still holds its lock; only a lock left by a copy that
    // is no longer running (a crash or a killed run on this computer) is taken over.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    if (lock->error() == QLockFile::LockFailedError)
        m_desktop.tell(anotherCopyNotice(lockFileName()), programTitle);
    else
        m_desktop.tell(QStringLiteral("The file ") + lockFileName() +
                           QStringLiteral(" could not be made in this folder, so no report can be "
                                          "prepared here. Start the program in a folder you may "
                                          "write to."),
                       programTitle);
    if (!m_ended)
        endProgram(1);
    return false;
}

Form1 &Program::form1()
{
    if (!m_form1) {
        m_form1 = std::make_unique<Form1>(state);
        ScreenFlow::connect(*this, *m_form1);
    }
    return *m_form1;
}

Form2 &Program::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(state);
        ScreenFlow::connect(*this, *m_form2);
    }
    return *m_form2;
}

Form3 &Program::form3()
{
    if (!m_form3) {
        m_form3 = std::make_unique<Form3>(state);
        ScreenFlow::connect(*this, *m_form3);
    }
    return *m_form3;
}

FormNameFile &Program::formNameFile()
{
    if (!m_formNameFile) {
        m_formNameFile = std::make_unique<FormNameFile>();
        ScreenFlow::connect(*this, *m_formNameFile);
    }
    return *m_formNameFile;
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
    // The real desktop ends the process without returning, so the lock goes first.
    m_lock.reset();
    m_desktop.endProgram(exitCode);
}

void Program::askToEndProgram()
{
    if (m_desktop.ask(QStringLiteral("Are you sure you want to close the program?")))
        endProgram();
}

void Program::endOnProgramFault(const QString &what)
{
    m_desktop.showFailure(what + QStringLiteral("\n\nThe program will now close."));
    endProgram(1);
}

void Program::endOnFileFailure(const QString &what, const FileError &error)
{
    QStringList parts{what, QStringLiteral("The program will now close.")};
    if (error.number != 0)
        parts.prepend(errorText(error));
    else if (!error.description.isEmpty())
        parts.insert(1, error.description);
    m_desktop.showFailure(parts.join(QStringLiteral("\n\n")));
    endProgram(1);
}
