#pragma once

#include "rules/filingstate.h"

#include <QString>

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

// One run of the program: its start and the lock on the working file, the four screens, each made
// once when first needed and connected to the flow, the filing's state, and the end of the run.
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
    QString lockFileName() const { return state.sOutFileName + QStringLiteral(".lock"); }

    Desktop &desktop() { return m_desktop; }

    Form1 &form1();
    Form2 &form2();
    Form3 &form3();
    FormNameFile &formNameFile();
    bool hasForm3() const { return m_form3 != nullptr; }

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

    // What the screens of this run's filing share.
    FilingState state;

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
