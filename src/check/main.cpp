// tavo-check: checks report files before upload with the screens' own rules; see the usage.

#include "rules/counted.h"
#include "rules/reportreader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

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

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int fail(const QString &message, bool withUsage)
{
    write(stderr, "tavo-check: " + message + '\n' + (withUsage ? "\n" + QString(usage) : ""));
    return 2;
}

QJsonObject toJson(const Report &report)
{
    QJsonArray findings, accounts;
    for (const Finding &f : report.findings)
        findings.append(QJsonObject{{"line", f.line},
                                    {"field", f.field},
                                    {"severity", severityName(f.severity)},
                                    {"message", f.message}});
    const auto sum = [](const QString &sum) { return sum.isEmpty() ? QJsonValue() : sum; };
    for (const AccountSummary &a : report.accounts)
        accounts.append(QJsonObject{{"line", a.line},
                                    {"account", a.account},
                                    {"employees", a.employees},
                                    {"grossWages", a.grossWages},
                                    {"employeeGrossWages", sum(a.employeeGrossWages)},
                                    {"taxableWages", a.taxableWages},
                                    {"employeeTaxableWages", sum(a.employeeTaxableWages)}});
    return {{"file", report.path},
            {"lines", report.lines},
            {"records",
             QJsonObject{{"A", report.aRecords}, {"E", report.eRecords}, {"S", report.sRecords}}},
            {"accounts", accounts},
            {"errors", report.errors},
            {"warnings", report.warnings},
            {"findings", findings}};
}

// One line per finding, FILE:LINE:FIELD: error|warning: MESSAGE, then the file's accounts with
// their E totals beside the sums of their S records, and its counts.
QString toText(const Report &report)
{
    const QString &path = report.path;
    const auto sum = [](const QString &sum) {
        return sum.isEmpty() ? QStringLiteral("unknown (a wage is not a number)") : sum;
    };
    QString text;
    for (const Finding &f : report.findings)
        text += QStringLiteral("%1:%2:%3: %4: %5\n")
                    .arg(path, QString::number(f.line), f.field,
                         QLatin1String(severityName(f.severity)), f.message);
    for (const AccountSummary &a : report.accounts) {
        const QString employees = counted(a.employees, "employee", "employees");
        if (a.account.isEmpty() && a.grossWages.isEmpty())
            text += QStringLiteral("%1: account of the incomplete E record on line %2: %3\n")
                        .arg(path, QString::number(a.line), employees);
        else
            text +=
                QStringLiteral("%1: account %2 (line %3): %4; gross wages %5, S records' sum "
                               "%6; taxable wages %7, S records' sum %8\n")
                    .arg(path, a.account, QString::number(a.line), employees, a.grossWages,
                         sum(a.employeeGrossWages), a.taxableWages, sum(a.employeeTaxableWages));
    }
    return text + QStringLiteral("%1: %2, %3, %4: %5, %6\n")
                      .arg(path, counted(report.eRecords, "account", "accounts"),
                           counted(report.sRecords, "employee", "employees"),
                           counted(report.lines, "line", "lines"),
                           counted(report.errors, "error", "errors"),
                           counted(report.warnings, "warning", "warnings"));
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
#ifdef Q_OS_WIN
    // tavo-check writes its lines byte for byte as on Linux, each ended by LF alone, whether to a
    // console, a pipe or a file: a redirected output is the same file on both systems.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    bool json = false, optionsEnded = false;
    QStringList files;
    for (const QString &argument : QCoreApplication::arguments().mid(1)) {
        if (optionsEnded || !argument.startsWith(u'-') || argument.size() == 1)
            files.append(argument);
        else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return std::fputs(usage, stdout), 0;
        else if (argument == QLatin1String("--json"))
            json = true;
        else if (argument == QLatin1String("--"))
            optionsEnded = true;
        else
            return fail(QStringLiteral("unknown option ") + argument, true);
    }
    if (files.isEmpty())
        return fail(QStringLiteral("no file given"), true);

    int status = 0;
    QJsonArray all;
    qint64 errors = 0, warnings = 0;
    for (const QString &path : std::as_const(files)) {
        const Report report = readReportFile(path, Reading::Findings);
        if (!report.readError.isEmpty()) {
            status = fail("cannot read " + path + ": " + report.readError, false);
            if (json)
                all.append(QJsonObject{{"file", path}, {"readError", report.readError}});
            continue;
        }
        status = std::max(status, report.errors > 0 ? 1 : 0);
        errors += report.errors;
        warnings += report.warnings;
        if (json)
            all.append(toJson(report));
        else
            write(stdout, toText(report));
        std::fflush(stdout);
    }
    if (json)
        std::fputs(
            QJsonDocument(QJsonObject{{"files", all}, {"errors", errors}, {"warnings", warnings}})
                .toJson(QJsonDocument::Indented)
                .constData(),
            stdout);
    return status;
}
