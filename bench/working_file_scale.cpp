// A working file of many employees in one account (100,000 by default, about 6 MB): resumed, from
// the contact screen's button to the employee screen with its question, and opened in Review
// Filing, from the employee screen's button to the window; RUNS times each, each time in a fresh
// run of the program. And the process's peak memory (VmHWM) after the first run, which held the
// program's every structure for the file at once; later runs would add the heap's leftovers.
//
//     working_file_scale [EMPLOYEES [RUNS]]    (defaults: 100000 employees, 5 runs)

#include "figures.h"
#include "filingrun.h"
#include "largeaccount.h"
#include "review/reviewfiling.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace
{
// The process's peak resident memory in MB, or -1 where /proc does not tell it.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int employees = 0, runs = 0;
    if (!readArguments(argc, argv, employees, runs, 100000, 5))
        return 2;
    const double floor = peakMegabytes();
    QByteArray bytes = largeAccount(employees);
    // The file on the disk, and no copy of it kept here.
    QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("testFile.TXT"));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "the working file could not be written\n");
        return 1;
    }
    const double megabytes = bytes.size() / 1048576.0;
    bytes = QByteArray();

    std::vector<double> resuming, opening;
    double peak = 0;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        FilingRun filing;
        QFile::copy(source, filing.path(QStringLiteral("testFile.TXT")));
        filing.start();
        filing.desktop.answer({true});
        filing.desktop.filesToOpen.enqueue(filing.path(QStringLiteral("testFile.TXT")));
        timer.start();
        FilingRun::press(filing.program->form1(), "cmdResumeReport");
        QApplication::processEvents(); // until the screen shows
        resuming.push_back(timer.nsecsElapsed() / 1e6);

        Form3 &form = filing.program->form3();
        timer.start();
        FilingRun::press(form, "cmdReviewEmployees");
        QApplication::processEvents();
        opening.push_back(timer.nsecsElapsed() / 1e6);
        if (!form.findChild<ReviewFiling *>()) {
            std::fprintf(stderr, "Review Filing did not open\n");
            return 1;
        }
        if (run == 0)
            peak = peakMegabytes();
    }
    std::printf("a working file of %d employees (%.1f MB), %d runs\n", employees, megabytes, runs);
    printFigures("  resumed", resuming);
    printFigures("  Review Filing opened", opening);
    std::printf("  peak memory: %.0f MB (%.0f MB before the file was made)\n", peak, floor);
    return 0;
}
