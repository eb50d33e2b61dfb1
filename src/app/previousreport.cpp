// Last quarter's report as the start of this one: its contact fills the contact screen, its
// accounts are offered on the employer screen and its employees one key each on the employee
// screen, every box checked again by its screen as if typed.

#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "desktop/desktop.h"
#include "rules/counted.h"
#include "rules/reportreader.h"

#include <QFileInfo>

QStringList cNeededRoutines::firstFindings(const QList<Finding> &all,
                                           const std::function<bool(const Finding &)> &stop)
{
    QStringList findings;
    for (const Finding &finding : all)
        if (stop(finding) && findings.size() < 10)
            findings << findingText(finding);
    return findings;
}

bool cNeededRoutines::accountTotalField(const QString &field)
{
    return field == QLatin1String("GROSS WAGES") || field == QLatin1String("TAXABLE WAGES") ||
           field == QLatin1String("EMPLOYEES MONTH 3");
}

QList<Finding> cNeededRoutines::doubtsOf(const Report &report,
                                         const std::function<bool(const Finding &)> &counts)
{
    // The warnings, but for the file's name, which matters nothing to a filing taken from it; and
    // a last line without its line end, which may be where the file was cut short.
    QList<Finding> doubts;
    for (const Finding &finding : report.findings) {
        const bool cut = finding.severity == Severity::Error && !finding.layout &&
                         finding.field == QLatin1String("line") && finding.line == report.lines;
        if ((finding.severity == Severity::Warning || cut) &&
            finding.field != QLatin1String("FILE NAME") && counts(finding))
            doubts.append(finding);
    }
    return doubts;
}

bool cNeededRoutines::goOnDespite(const QList<Finding> &doubts, const QString &subject,
                                  const QString &question)
{
    if (doubts.isEmpty())
        return true;
    const QStringList lines = firstFindings(doubts, [](const Finding &) { return true; });
    return program.desktop().ask(QStringLiteral("%1 has %2:\n%3\n%4")
                                     .arg(subject, counted(doubts.size(), "warning", "warnings"),
                                          lines.join(u'\n'), question),
                                 QString(), false);
}

// The report is read as tavo-check reads one; a file that breaks a report's layout is refused,
// one that tavo-check warns about is used only on Yes, and findings on the values of fields are
// the screens' to find again.
void cNeededRoutines::startFromPreviousReport(const QString &fileName)
{
    const QString title = QStringLiteral("Start from Previous Report");
    QByteArray bytes;
    if (!readChosenFile(fileName, title, bytes))
        return;
    const Report report = readReport(bytes, fileName);
    const QStringList findings =
        firstFindings(report.findings, [](const Finding &finding) { return finding.layout; });
    if (!findings.isEmpty() || !report.filing) {
        program.desktop().tell(QStringLiteral("The file %1 cannot be used:\n").arg(fileName) +
                                   findings.join(u'\n'),
                               title);
        return;
    }
    const QString name = QFileInfo(fileName).fileName();
    if (!goOnDespite(doubtsOf(report, [](const Finding &) { return true; }),
                     QStringLiteral("The report ") + name, QStringLiteral("Start from it anyway?")))
        return;
    program.state.previousReport = FilingState::PreviousReport{name, *report.filing};
    program.form1().showPreviousReport();
}
