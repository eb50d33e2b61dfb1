#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Program;
struct Finding;
struct Report;

// The routines behind the screens' buttons: the screen checks (checkroutines.cpp), the records'
// way to the disk (fileroutines.cpp), the questions that lead from screen to screen (flow.cpp),
// last quarter's report (previousreport.cpp) and the naming of the report file
// (namingroutines.cpp). It keeps nothing between calls; callers make a fresh one for each call.
class cNeededRoutines
{
public:
    explicit cNeededRoutines(Program &program) : program(program) {}

    // Contact screen
    bool A_lineGood();

    // Employer screen
    bool E_lineGood();
    void clearForm2();

    // Employee screen
    bool S_lineGood();
    void clearForm3();

    // Between the screens
    void showFirstAccount();
    // Carries on the unfinished filing of the working file `fileName`, or says why it cannot.
    void resumeFiling(const QString &fileName);
    // A line for the contact screen on the unfinished filing Resume can carry on, or nothing.
    QString unfinishedFilingLine();
    // Remembers last quarter's report for the screens to offer, or says why it cannot be used.
    void startFromPreviousReport(const QString &fileName);
    void addEmployee(bool firstEmp);
    void addAnotherAccount();
    void doneAddingEmployees();

    // Files. writeToFile returns false when the line could not be written: the failure has then
    // been reported, naming the file, and the run has ended.
    bool writeToFile(const QString &sFileName, const QString &sLine,
                     const QString &readWriteAppend);
    // Appends the lines all at once, all or none, the same way.
    bool writeLinesToFile(const QString &sFileName, const QStringList &lines);
    // Replaces the file's bytes whole and safely (the old ones stay on a failure), the same way.
    bool rewriteFile(const QString &sFileName, const QByteArray &bytes,
                     const QString &copiedFrom = QString());
    // Reads a file the user chose; false, after a notice naming it and the system's error, when
    // it cannot be read. The run goes on either way.
    bool readChosenFile(const QString &fileName, const QString &title, QByteArray &bytes);
    // Moves an unfinished filing in the working file aside before it is started afresh; false
    // when a kept file could not be moved: the failure has been reported and the run has ended.
    bool moveUnfinishedFilingAside(const QString &sFileName);
    bool goodFileName();
    void nameFile(const QString &reportingType, const QString &EANorTPAID,
                  const QString &sequenceNumber);
    void print_file(const QString &sFileName);

private:
    bool goodContactName();
    bool goodContactPhone();
    bool goodContactEmail();
    bool goodPhoneExt();

    bool goodQuarterYear();
    bool goodEAN();
    bool goodFEIN();
    bool goodFirstMonth();
    bool goodSecondMonth();
    bool goodThirdMonth();
    bool goodGrossWages();
    bool goodEmployeeWithholding();
    bool goodTaxableWages();
    bool goodEmployerContributions();

    bool goodSSN();
    bool goodEmpLastName();
    bool goodEmpFirstName();
    bool goodEmpMiddleName();
    bool goodEmpGrossWages();
    bool goodEmpTaxableWages();
    bool goodEmpCreditWeeks();

    bool goodEmployerOrTPA();
    bool goodFTPorUpload();
    bool goodFileNameEAN();
    bool goodTPAID();
    bool goodSequenceNumber();

    void saveNamedFile(const QString &name);
    // A file read as tavo-check reads a report: the first ten findings of those that `stop` it,
    // each as "line N, FIELD: MESSAGE".
    static QStringList firstFindings(const QList<Finding> &findings,
                                     const std::function<bool(const Finding &)> &stop);
    // Its findings that make a file doubtful, among those `counts` keeps: they are asked about.
    QList<Finding> doubtsOf(const Report &report,
                            const std::function<bool(const Finding &)> &counts);
    // The fields of an account's totals, which its S records add up to.
    static bool accountTotalField(const QString &field);
    // True when there are no doubts, or when the user answers Yes to "SUBJECT has N warnings:
    // (the first ten) QUESTION", No the default.
    bool goOnDespite(const QList<Finding> &doubts, const QString &subject, const QString &question);

    Program &program;
};
