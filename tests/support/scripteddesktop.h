#pragma once

#include "app/desktop.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

#include <functional>

// A desktop for tests: questions are answered from a queue, every text shown is recorded, the end
// of the program is recorded instead of ending the test, and no real dialog ever opens.
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
    void answer(std::initializer_list<bool> answers);

    bool ask(const QString &text, const QString &title) override;
    void tell(const QString &text, const QString &title) override;
    void showFailure(const QString &text) override;
    void openWebPage(const QUrl &url) override;
    void preparePrinter(QPrinter &printer) override;
    void endProgram(int exitCode) override;
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
    QStringList unscriptedQuestions; // asked with no answer left in the queue (answered No)
    QQueue<bool> answers;
    QQueue<QString> filesToOpen;
    bool ended = false;
    int exitCode = -1;
    QString pdfOutput;                               // where printing goes
    std::function<void(const Shown &)> whileShowing; // runs while a box is "up"
};
