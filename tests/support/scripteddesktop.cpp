#include "scripteddesktop.h"

#include <QPrinter>
#include <QTest>

void ScriptedDesktop::show(Kind kind, const QString &title, const QString &text)
{
    shown.append({kind, title, text});
    if (whileShowing)
        whileShowing(shown.last());
}

bool ScriptedDesktop::ask(const QString &text, const QString &title)
{
    show(Kind::Question, title, text);
    if (!answers.isEmpty())
        return answers.dequeue();
    const QByteArray message = "unscripted question: " + text.toUtf8();
    if (!QTest::currentTestFunction())
        qFatal("%s", message.constData());
    QTest::qFail(message.constData(), __FILE__, __LINE__);
    return false;
}

void ScriptedDesktop::preparePrinter(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfOutput);
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
