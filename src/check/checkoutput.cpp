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

QString counted(qint64 count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

QString orNotSummed(const QString &sum)
{
    return sum.isEmpty() ? QStringLiteral("not summed, a wage is not a number") : sum;
}

} // namespace

QByteArray findingsText(const FileReport &report)
{
    QString text;
    for (const Finding &finding : report.findings)
        text += QStringLiteral("%1:%2:%3: %4: %5\n")
                    .arg(report.path)
                    .arg(finding.line)
                    .arg(QLatin1String(finding.field),
                         QLatin1String(severityWord(finding.severity)), finding.message);
    for (const AccountSummary &account : report.accounts)
        text += QStringLiteral("%1: account %2 (line %3): %4; gross wages %5, S records %6; "
                               "taxable wages %7, S records %8\n")
                    .arg(report.path, account.account)
                    .arg(account.line)
                    .arg(counted(account.employees, "employee", "employees"), account.grossWages,
                         orNotSummed(account.employeeGrossWages), account.taxableWages,
                         orNotSummed(account.employeeTaxableWages));
    text +=
        QStringLiteral("%1: %2, %3 in %4; %5, %6\n")
            .arg(report.path, counted(report.eRecords, "account", "accounts"),
                 counted(report.sRecords, "employee", "employees"),
                 counted(report.lines, "line", "lines"), counted(report.errors, "error", "errors"),
                 counted(report.warnings, "warning", "warnings"));
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
