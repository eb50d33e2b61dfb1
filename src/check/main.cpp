// tavo-check: checks report files before upload with the screens' own rules; see the usage.

#include "check/reportchecker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstdio>

namespace
{

const char usage[] =
    "Usage: tavo-check [--json] FILE...\n"
    "\n"
    "Checks TAVO report files (the A, E and S records that tavo-csv writes) before upload, with\n"
    "the rules and messages of the tavo-csv screens. The files are only read.\n"
    "\n"
    "Prints one line per finding, FILE:LINE:FIELD: error: MESSAGE (or warning:), then a summary\n"
    "per file. Line 0 stands for the file as a whole.\n"
    "\n"
    "Options:\n"
    "  --json      print the findings and summaries as one JSON document\n"
    "  -h, --help  print this text and end\n"
    "  --          take every later argument as a file name\n"
    "\n"
    "Exit status: 0 when no file has an error (warnings allowed), 1 when a file has an error,\n"
    "2 when a file cannot be read or the arguments are wrong.\n";

void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

QLatin1String severityWord(Severity severity)
{
    return QLatin1String(severity == Severity::Error ? "error" : "warning");
}

// One line per finding, FILE:LINE:FIELD: error|warning: MESSAGE, then the file's summary: its
// accounts with their E totals beside the sums of their S records, and its counts.
QString findingsText(const FileReport &report)
{
    const QString prefix = report.path + QStringLiteral(": ");
    QString text;
    for (const Finding &finding : report.findings)
        text += report.path + u':' + QString::number(finding.line) + u':' +
                QLatin1String(finding.field) + QStringLiteral(": ") +
                severityWord(finding.severity) + QStringLiteral(": ") + finding.message + u'\n';
    const auto sum = [](const QString &sum) {
        return sum.isEmpty() ? QStringLiteral("unknown (a wage is not a number)") : sum;
    };
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
                    sum(account.employeeGrossWages) + QStringLiteral("; taxable wages ") +
                    account.taxableWages + QStringLiteral(", S records' sum ") +
                    sum(account.employeeTaxableWages) + u'\n';
    }
    return text + prefix + counted(report.eRecords, "account", "accounts") + QStringLiteral(", ") +
           counted(report.sRecords, "employee", "employees") + QStringLiteral(", ") +
           counted(report.lines, "line", "lines") + QStringLiteral(": ") +
           counted(report.errors, "error", "errors") + QStringLiteral(", ") +
           counted(report.warnings, "warning", "warnings") + u'\n';
}

QJsonObject findingsJson(const FileReport &report)
{
    if (!report.readError.isEmpty())
        return {{"file", report.path}, {"readError", report.readError}};
    QJsonArray findings, accounts;
    for (const Finding &finding : report.findings)
        findings.append(QJsonObject{{"line", finding.line},
                                    {"field", QLatin1String(finding.field)},
                                    {"severity", severityWord(finding.severity)},
                                    {"message", finding.message}});
    const auto sum = [](const QString &sum) { return sum.isEmpty() ? QJsonValue() : sum; };
    for (const AccountSummary &account : report.accounts)
        accounts.append(QJsonObject{{"line", account.line},
                                    {"account", account.account},
                                    {"employees", account.employees},
                                    {"grossWages", account.grossWages},
                                    {"employeeGrossWages", sum(account.employeeGrossWages)},
                                    {"taxableWages", account.taxableWages},
                                    {"employeeTaxableWages", sum(account.employeeTaxableWages)}});
    return {{"file", report.path},
            {"lines", report.lines},
            {"records",
             QJsonObject{{"A", report.aRecords}, {"E", report.eRecords}, {"S", report.sRecords}}},
            {"accounts", accounts},
            {"errors", report.errors},
            {"warnings", report.warnings},
            {"findings", findings}};
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    QCoreApplication app(argc, argv); // only it has the command line in UTF-16 there
    const QStringList arguments = QCoreApplication::arguments().mid(1);
#else
    QStringList arguments; // the bytes the application object would decode the same way
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif
    bool json = false, optionsEnded = false;
    QStringList files;
    for (const QString &argument : std::as_const(arguments)) {
        if (optionsEnded || !argument.startsWith(u'-') || argument.size() == 1) {
            files.append(argument);
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        } else if (argument == QLatin1String("--json")) {
            json = true;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else {
            write(stderr, "tavo-check: unknown option " + argument.toLocal8Bit() + "\n\n");
            std::fputs(usage, stderr);
            return 2;
        }
    }
    if (files.isEmpty()) {
        std::fputs("tavo-check: no file given\n\n", stderr);
        std::fputs(usage, stderr);
        return 2;
    }

    int status = 0;
    QJsonArray all;
    qint64 errors = 0, warnings = 0;
    for (const QString &path : std::as_const(files)) {
        const FileReport report = checkReportFile(path);
        if (!report.readError.isEmpty()) {
            status = 2;
            write(
                stderr,
                ("tavo-check: cannot read " + path + ": " + report.readError + "\n").toLocal8Bit());
        } else {
            status = std::max(status, report.errors > 0 ? 1 : 0);
            errors += report.errors;
            warnings += report.warnings;
            if (!json)
                write(stdout, findingsText(report).toLocal8Bit());
        }
        if (json)
            all.append(findingsJson(report));
        std::fflush(stdout);
    }
    if (json)
        write(stdout,
              QJsonDocument(QJsonObject{{"files", all}, {"errors", errors}, {"warnings", warnings}})
                  .toJson(QJsonDocument::Indented));
    return status;
}
