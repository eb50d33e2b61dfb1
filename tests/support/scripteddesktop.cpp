#include "scripteddesktop.h"

#include <QPrinter>
#include <QTest>

void ScriptedDesktop::answer(std::initializer_list<bool> list)
{
    for (bool yes : list)
        answers.enqueue(yes);
}

bool ScriptedDesktop::ask(const QString &text, const QString &title)
{
    shown.append({Kind::Question, title, text});
    if (whileShowing)
        whileShowing(shown.last());
    if (answers.isEmpty()) {
        unscriptedQuestions.append(text);
        return false;
    }
    return answers.dequeue();
}

void ScriptedDesktop::tell(const QString &text, const QString &title)
{
    shown.append({Kind::Notice, title, text});
    if (whileShowing)
        whileShowing(shown.last());
}

void ScriptedDesktop::showFailure(const QString &text)
{
    shown.append({Kind::Failure, QString(), text});
    if (whileShowing)
        whileShowing(shown.last());
}

void ScriptedDesktop::openWebPage(const QUrl &url)
{
    openedPages.append(url);
}

void ScriptedDesktop::preparePrinter(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfOutput);
}

void ScriptedDesktop::endProgram(int code)
{
    ended = true;
    exitCode = code;
}

QStringList ScriptedDesktop::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &box : shown) {
        if (box.kind == kind)
            result.append(box.text);
    }
    return result;
}

QString ScriptedDesktop::chooseFileToOpen(const QString &title, const QString &filter)
{
    shown.append({Kind::FileDialog, title, filter});
    if (filesToOpen.isEmpty()) {
        QTest::qFail("a file dialog opened with no file scripted", __FILE__, __LINE__);
        return QString();
    }
    return filesToOpen.dequeue();
}

void ScriptedDesktop::showFindings(const QString &title, const QStringList &lines)
{
    shown.append({Kind::Findings, title, lines.join(u'\n')});
    if (whileShowing)
        whileShowing(shown.last());
}
