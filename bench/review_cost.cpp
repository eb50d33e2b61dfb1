// The cost of Review Filing on a large account: a working file of one account of EMPLOYEES
// employees, resumed; then, RUNS times, the window opened from the employee screen's button until
// it shows, and one correction typed into a cell until the working file is rewritten on the disk.
// Prints the best and the median of each.
//
//     review_cost [EMPLOYEES [RUNS]]    (defaults: 10000 employees, 7 runs)

#include "contact/form1.h"
#include "employee/form3.h"
#include "filingrun.h"
#include "review/reviewfiling.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
void print(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: best %.1f ms, median %.1f ms\n", what, ms.front(), ms[ms.size() / 2]);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int employees = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    if (employees < 1 || runs < 1) {
        std::fprintf(stderr, "usage: %s [EMPLOYEES [RUNS]]\n", argv[0]);
        return 2;
    }
    FilingRun filing;
    QByteArray bytes = aRecord + eRecord;
    for (int i = 0; i < employees; ++i)
        bytes += Records::makeLine(with(validEmployee, {"SSN", QString::number(100000000 + i)}))
                     .toLatin1() +
                 "\r\n";
    filing.write(QStringLiteral("testFile.TXT"), bytes);
    filing.start();
    filing.desktop.answer({true});
    filing.desktop.filesToOpen.enqueue(filing.path(QStringLiteral("testFile.TXT")));
    FilingRun::press(filing.program->form1(), "cmdResumeReport");

    std::vector<double> opening, correcting;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        FilingRun::press(filing.program->form3(), "cmdReviewEmployees");
        auto *review = filing.program->form3().findChild<ReviewFiling *>();
        QApplication::processEvents(); // until it shows
        opening.push_back(timer.nsecsElapsed() / 1e6);
        if (!review || !review->isVisible()) {
            std::fprintf(stderr, "Review Filing did not open\n");
            return 1;
        }
        QApplication::setActiveWindow(review);
        auto *table = review->findChild<QTableView *>(QStringLiteral("tblEmployees"));
        const QByteArray before = filing.workingFile();
        timer.start();
        FilingRun::typeInCell(table, employees - 1, QStringLiteral("Credit Weeks"),
                              QString::number(run % 2 + 1));
        correcting.push_back(timer.nsecsElapsed() / 1e6);
        if (filing.workingFile() == before) {
            std::fprintf(stderr, "the correction was not written\n");
            return 1;
        }
        review->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("review of %d employees in one account, %d runs\n", employees, runs);
    print("  open the window", opening);
    print("  one correction on the disk", correcting);
    return 0;
}
