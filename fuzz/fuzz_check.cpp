// Any bytes at all as a report file for tavo-check: nothing may crash or trip a sanitizer, and
// what it reports must hang together: every finding on a line of the file, in line order, and the
// counts of errors and warnings those of the findings.

#include "fuzzinput.h"
#include "rules/reportreader.h"

#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Under a report file's name, so the name check runs too.
    const Report report = readReport(bytes, QStringLiteral("FTP_WR4-4B_0123456.CSV"));
    qint64 errors = 0, previousLine = 0;
    bool inOrder = true;
    for (const Finding &f : report.findings) {
        inOrder &= f.line >= 0 && f.line <= report.lines && !f.message.isEmpty() &&
                   (f.line == 0 || f.line >= std::exchange(previousLine, f.line));
        errors += f.severity == Severity::Error;
    }
    if (!inOrder || errors != report.errors || report.findings.size() != errors + report.warnings)
        reportFault("fuzz_check", QStringLiteral("findings out of place, or miscounted"),
                    QString::fromLatin1(bytes));
    return 0;
}
