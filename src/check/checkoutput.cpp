#include "check/checkoutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

const char *severityWord(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

QString orNotSummed(const QString &sum)
{
    return sum.isEmpty() ? QStringLiteral("unknown (a wage is not a number)") : sum;
}

} // namespace

QByteArray findingsText(const FileReport &report)
{
    // Put together piece by piece: a file name may hold anything, "%1" included.
    const QString prefix = report.path + QStringLiteral(": ");
    QString text;
    for (const Finding &finding : report.findings)
        text += report.path + u':' + QString::number(finding.line) + u':' +
                QLatin1String(finding.field) + QStringLiteral(": ") +
                QLatin1String(severityWord(finding.severity)) + QStringLiteral(": ") +
                finding.message + u'\n';
    for (const AccountSummary &account : report.accounts) {
        const QString employees = counted(account.employees, "employee", "employees");
        if (account.account.isEmpty() && account.grossWages.isEmpty())
            text += prefix + QStringLiteral("account of the incomplete E record on line ") +
                    QString::number(account.line) + QStringLiteral(": ") + employees + u'\n';
        else
            text += prefix + QStringLiteral("account ") + account.account +
                    QStringLiteral(" (line ") + QString::number(account.line) +
                    QStringLiteral("): ") + employees + QStringLiteral("; gross wages ") +
                    account.grossWages + QStringLiteral(", S records' sum ") +
                    orNotSummed(account.employeeGrossWages) + QStringLiteral("; taxable wages ") +
                    account.taxableWages + QStringLiteral(", S records' sum ") +
                    orNotSummed(account.employeeTaxableWages) + u'\n';
    }
    text += prefix + counted(report.eRecords, "account", "accounts") + QStringLiteral(", ") +
            counted(report.sRecords, "employee", "employees") + QStringLiteral(", ") +
            counted(report.lines, "line", "lines") + QStringLiteral(": ") +
            counted(report.errors, "error", "errors") + QStringLiteral(", ") +
            counted(report.warnings, "warning", "warnings") + u'\n';
    return text.toLocal8Bit();
}

QByteArray findingsJson(const QList<FileReport> &reports)
{
    QJsonArray files;
    qint64 errors = 0;
    qint64 warnings = 0;
    for (const FileReport &report : reports) {
        QJsonObject file{{"file", report.path}};
        if (!report.readError.isEmpty()) {
            file.insert("readError", report.readError);
            files.append(file);
            continue;
        }
        QJsonArray findings;
        for (const Finding &finding : report.findings)
            findings.append(QJsonObject{{"line", finding.line},
                                        {"field", QLatin1String(finding.field)},
                                        {"severity", QLatin1String(severityWord(finding.severity))},
                                        {"message", finding.message}});
        QJsonArray accounts;
        const auto sum = [](const QString &text) {
            return text.isEmpty() ? QJsonValue() : QJsonValue(text);
        };
        for (const AccountSummary &account : report.accounts)
            accounts.append(
                QJsonObject{{"line", account.line},
                            {"account", account.account},
                            {"employees", account.employees},
                            {"grossWages", account.grossWages},
                            {"employeeGrossWages", sum(account.employeeGrossWages)},
                            {"taxableWages", account.taxableWages},
                            {"employeeTaxableWages", sum(account.employeeTaxableWages)}});
        file.insert("lines", report.lines);
        file.insert(
            "records",
            QJsonObject{{"A", report.aRecords}, {"E", report.eRecords}, {"S", report.sRecords}});
        file.insert("accounts", accounts);
        file.insert("errors", report.errors);
        file.insert("warnings", report.warnings);
        file.insert("findings", findings);
        files.append(file);
        errors += report.errors;
        warnings += report.warnings;
    }
    const QJsonObject all{{"files", files}, {"errors", errors}, {"warnings", warnings}};
    return QJsonDocument(all).toJson(QJsonDocument::Indented);
}
