#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QPrinter;

// Every contact the program has with the desktop goes through this object: the yes/no questions,
// the notices, the browser, the printer, the general failure message and the end of the program.
// The program uses QtDesktop; tests put a scripted one in its place.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // A modal question with Yes and No, no icon, Yes the default unless `yesByDefault` is false
    // (a question whose Yes would write something doubtful). True for Yes.
    virtual bool ask(const QString &text, const QString &title = QString(),
                     bool yesByDefault = true) = 0;
    // A modal notice with only an OK button and no icon.
    virtual void tell(const QString &text, const QString &title = QString()) = 0;
    // The message shown when a file operation fails; the program ends right after it.
    virtual void showFailure(const QString &text) = 0;
    // Asks the desktop to open the page in the user's browser, without waiting for it.
    virtual void openWebPage(const QUrl &url) = 0;
    // Points the printer at its output before a document is printed.
    virtual void preparePrinter(QPrinter &printer) = 0;
    // Ends the program. The real desktop does not return from this; a scripted one records it
    // and returns, and the program then unwinds without doing any further work.
    virtual void endProgram(int exitCode) = 0;
    // A modal dialog for choosing one existing file, starting in the current folder; `filter`
    // holds name filters separated by ";;". The chosen file's path, or an empty text for Cancel.
    virtual QString chooseFileToOpen(const QString &title, const QString &filter) = 0;
    // A modal dialog for choosing the name of a file to write, starting in the current folder
    // with `suggested`; it asks before an existing file is chosen. The path, or an empty text.
    virtual QString chooseFileToSave(const QString &title, const QString &filter,
                                     const QString &suggested) = 0;
    // A modal window with the text above the lines, which wrap and can be selected for copying;
    // closed with Close or Escape.
    virtual void showFindings(const QString &title, const QString &text,
                              const QStringList &lines) = 0;
};

class QtDesktop : public Desktop
{
public:
    bool ask(const QString &text, const QString &title = QString(),
             bool yesByDefault = true) override;
    void tell(const QString &text, const QString &title) override;
    void showFailure(const QString &text) override;
    void openWebPage(const QUrl &url) override;
    void preparePrinter(QPrinter &printer) override;
    [[noreturn]] void endProgram(int exitCode) override;
    QString chooseFileToOpen(const QString &title, const QString &filter) override;
    QString chooseFileToSave(const QString &title, const QString &filter,
                             const QString &suggested) override;
    void showFindings(const QString &title, const QString &text, const QStringList &lines) override;
};
