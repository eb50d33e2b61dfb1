#pragma once

#include "app/desktop.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include <functional>

// A desktop for tests: questions are answered from a queue, every text shown is recorded, the end
// of the program is recorded instead of ending the process, and no real dialog ever opens. A
// question with no answer left in the queue fails the running test at once, naming the question
// (outside a test it aborts the process).
class ScriptedDesktop : public Desktop
{
public:
    enum class Kind { Question, Notice, Failure, FileDialog, Findings };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    // Answers for the coming questions, in order: true for Yes.
    void answer(std::initializer_list<bool> list) { answers.append(QList<bool>(list)); }

    bool ask(const QString &text, const QString &title) override;
    void tell(const QString &text, const QString &title) override
    {
        show(Kind::Notice, title, text);
    }
    void showFailure(const QString &text) override { show(Kind::Failure, QString(), text); }
    void openWebPage(const QUrl &url) override { openedPages.append(url); }
    void preparePrinter(QPrinter &printer) override;
    void endProgram(int code) override
    {
        ended = true;
        exitCode = code;
    }
    // Answered from filesToOpen (an empty name stands for Cancel); with none scripted the test
    // fails. Recorded with the filter as its text.
    QString chooseFileToOpen(const QString &title, const QString &filter) override;
    // Recorded with the lines joined by LF as its text.
    void showFindings(const QString &title, const QStringList &lines) override;

    QStringList texts(Kind kind) const;
    QStringList questions() const { return texts(Kind::Question); }
    QStringList notices() const { return texts(Kind::Notice); }
    QStringList failures() const { return texts(Kind::Failure); }

    QList<Shown> shown;
    QList<QUrl> openedPages;
    QQueue<bool> answers;
    QQueue<QString> filesToOpen;
    bool ended = false;
    int exitCode = -1;
    QString pdfOutput;                               // where printing goes
    std::function<void(const Shown &)> whileShowing; // runs while a box is "up"

private:
    void show(Kind kind, const QString &title, const QString &text);
};
