// Last quarter's report as the start of this one: its contact fills the contact screen, its
// accounts are offered on the employer screen and its employees one key each on the employee
// screen, every box checked again by its screen as if typed.

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "check/reportchecker.h"
#include "contact/form1.h"

#include <QFileInfo>

QStringList cNeededRoutines::firstFindings(const QByteArray &bytes, const QString &fileName,
                                           bool (*stop)(const Finding &))
{
    QStringList findings;
    for (const Finding &finding : checkReport(bytes, fileName).findings)
        if (stop(finding) && findings.size() < 10)
            findings << findingText(finding);
    return findings;
}

// The report is read as tavo-check reads one; only a file that breaks a report's layout is
// refused, findings on the values of fields are the screens' to find again.
void cNeededRoutines::startFromPreviousReport(const QString &fileName)
{
    const QString title = QStringLiteral("Start from Previous Report");
    QByteArray bytes;
    if (!readChosenFile(fileName, title, bytes))
        return;
    const QStringList findings =
        firstFindings(bytes, fileName, [](const Finding &finding) { return finding.layout; });
    const std::optional<Filing> filing = findings.isEmpty() ? readFiling(bytes) : std::nullopt;
    if (!filing) {
        program.desktop().tell(QStringLiteral("The file %1 cannot be used:\n").arg(fileName) +
                                   findings.join(u'\n'),
                               title);
        return;
    }
    program.previousReport = Program::PreviousReport{QFileInfo(fileName).fileName(), *filing};
    program.form1().showPreviousReport();
}
