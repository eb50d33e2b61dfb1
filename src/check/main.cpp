#include "check/checkoutput.h"
#include "check/reportchecker.h"

#include <QCoreApplication>
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

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Only the application object has the command line in UTF-16 there.
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
#else
    // Elsewhere the arguments are the bytes the application object would decode the same way;
    // not making it saves a share of the start-up.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
#endif

    bool json = false;
    bool optionsEnded = false;
    QStringList files;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument.startsWith(u'-') && argument.size() > 1) {
            if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
                std::fputs(usage, stdout);
                return 0;
            }
            if (argument == QLatin1String("--json")) {
                json = true;
            } else if (argument == QLatin1String("--")) {
                optionsEnded = true;
            } else {
                write(stderr, "tavo-check: unknown option " + argument.toLocal8Bit() + "\n\n");
                std::fputs(usage, stderr);
                return 2;
            }
            continue;
        }
        files.append(argument);
    }
    if (files.isEmpty()) {
        std::fputs("tavo-check: no file given\n\n", stderr);
        std::fputs(usage, stderr);
        return 2;
    }

    bool unreadable = false;
    bool errors = false;
    QList<FileReport> reports;
    for (const QString &path : std::as_const(files)) {
        FileReport report = checkReportFile(path);
        if (!report.readError.isEmpty()) {
            unreadable = true;
            write(stderr, "tavo-check: cannot read " + path.toLocal8Bit() + ": " +
                              report.readError.toLocal8Bit() + "\n");
        } else {
            errors = errors || report.errors > 0;
            if (!json)
                write(stdout, findingsText(report));
        }
        if (json)
            reports.append(std::move(report));
        std::fflush(stdout);
    }
    if (json)
        write(stdout, findingsJson(reports));
    return unreadable ? 2 : (errors ? 1 : 0);
}
