#pragma once

#include "rules/calendar.h"
#include "rules/employerrules.h"
#include "rules/filing.h"
#include "rules/runningtotals.h"
#include "rules/spaces.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class Desktop;
struct FileError;
class QLockFile;
class Form1;
class Form2;
class Form3;
class FormNameFile;

// One run of the program: the four screens, each made once when first needed, and the state they
// share. Screens and routines reach one another through it.
class Program
{
public:
    static const QString versionPageAddress;
    static const QString versionNoticeTitle;
    static const QString programTitle;
    static QString versionNotice();

    explicit Program(Desktop &desktop);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Takes the folder's working file for this run, then shows the version notice and the
    // contact screen. When another copy already works in this folder, says so and ends.
    void start();
    static QString anotherCopyNotice(const QString &lockFileName);
    QString lockFileName() const { return sOutFileName + QStringLiteral(".lock"); }

    Desktop &desktop() { return m_desktop; }

    Form1 &form1();
    Form2 &form2();
    Form3 &form3();
    FormNameFile &formNameFile();
    bool hasForm3() const { return m_form3 != nullptr; }

    // "ORIGINAL" for the code "O", "AMENDED" for anything else.
    QString filingTypeWord() const;

    // The date the employer screen takes its years from.
    QDate today() const { return ::today(); }
    void setToday(std::function<QDate()> today) { ::setToday(std::move(today)); }

    // Ends the run: every screen goes away and the desktop ends the program. Code that may have
    // ended the run checks hasEnded() and does nothing further.
    void endProgram(int exitCode = 0);
    // A fault of the program itself (a choice on a screen that the code does not know, say): it
    // is shown with the general failure message and the run ends, never passed over in silence.
    void endOnProgramFault(const QString &what);
    // Asks "Are you sure you want to close the program?" and ends the run on Yes. Every record
    // written so far stays in the working file.
    void askToEndProgram();
    bool hasEnded() const { return m_ended; }
    // The general failure message for a file operation that failed, then the end of the run: the
    // system's error number and description when a system call failed, and what could not be
    // done.
    void endOnFileFailure(const QString &what, const FileError &error);

    // State shared by the screens.
    const QString sOutFileName; // the working file, in the current folder
    QString reportingTypeCode;  // "O" or "A"; empty until a filing type is chosen
    QString tempLine;           // the A record, between building and writing it
    bool addAnotherAccount = false;
    qint32 numberOFEmployee = 0; // S records written for the current account
    bool badName = false;        // the last naming attempt failed or was declined
    // The account whose E record was written last: its S records carry its number, the employee
    // screen shows it, and its employees are added up against its figures.
    EmployerEntries currentAccount;
    RunningTotals accountTotals;
    void startAccount(const EmployerEntries &account);
    // Last quarter's report a new quarter starts from, remembered until the program ends; the
    // accounts whose E record this run has written.
    struct PreviousReport {
        QString name;
        Filing filing;
        // Per account number, the SSNs of its employees taken off this quarter's list (they left):
        // they no longer count as still to enter.
        QHash<QString, QSet<QString>> takenOff;
        QSet<QString> takenOffOf(QStringView accountNumber) const
        {
            return takenOff.value(trimSpaces(accountNumber.toString()));
        }
    };
    std::optional<PreviousReport> previousReport;
    QStringList filedAccounts;
    // The account at hand as the previous report has it, or null.
    const FiledAccount *previousAccount() const;

    // The shared state taken from a filing's records, as if they had been typed: the last account
    // is the one at hand, with its employees counted and added up.
    void carryOnFromFiling(const Filing &filing);

    // Called with the report file's name between writing it and reading it back for the
    // comparison with the working file. Empty in the program; tests use it to stand for a disk
    // that does not give back what it was given.
    std::function<void(const QString &)> beforeReportReadBack;

private:
    bool takeWorkingFileLock();

    Desktop &m_desktop;
    std::unique_ptr<QLockFile> m_lock;
    bool m_ended = false;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
    std::unique_ptr<FormNameFile> m_formNameFile;
};
