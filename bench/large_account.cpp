// Review Filing and a previous report on an account of EMPLOYEES employees, RUNS times each:
// Review Filing opened from the employee screen's button until it shows, and one correction typed
// into a cell until the working file is rewritten on the disk; last quarter's report of that
// account read and offered (the contact screen's button until its boxes are filled), and one press
// of Fill Next. Prints the best and the median of each.
//
//     large_account [EMPLOYEES [RUNS]]    (defaults: 10000 employees, 7 runs)

#include "figures.h"
#include "filingrun.h"
#include "largeaccount.h"
#include "review/reviewfiling.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>
#include <vector>

namespace
{
// Runs `step` RUNS times and gives the milliseconds each took.
template <typename F> std::vector<double> timed(int runs, F step)
{
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        step(run);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return ms;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int employees = 0, runs = 0;
    if (!readArguments(argc, argv, employees, runs))
        return 2;
    QByteArray bytes = largeAccount(employees);

    FilingRun filing;
    filing.resume(bytes, {true});
    Form3 &form = filing.program->form3();
    ReviewFiling *review = nullptr;
    const std::vector<double> opening = timed(runs, [&](int) {
        delete review;
        FilingRun::press(form, "cmdReviewEmployees");
        review = form.findChild<ReviewFiling *>();
        QApplication::processEvents(); // until it shows
    });
    QApplication::setActiveWindow(review);
    auto *table = review->findChild<QTableView *>(QStringLiteral("tblEmployees"));
    const std::vector<double> correcting = timed(runs, [&](int run) {
        FilingRun::typeInCell(table, employees - 1, QStringLiteral("Credit Weeks"),
                              QString::number(run % 2 + 1));
    });
    if (!filing.workingFile().endsWith(QByteArray::number((runs - 1) % 2 + 1) + ", , \r\n")) {
        std::fprintf(stderr, "the corrections were not written\n");
        return 1;
    }

    FilingRun previous;
    previous.write(QStringLiteral("last.CSV"), bytes);
    previous.start();
    const std::vector<double> reading = timed(runs, [&](int) {
        previous.desktop.filesToOpen.enqueue(previous.path(QStringLiteral("last.CSV")));
        FilingRun::press(previous.program->form1(), "cmdFromPreviousReport");
    });
    previous.desktop.answer({true});
    previous.acceptContact();
    previous.enterAccount();
    const std::vector<double> filling = timed(
        100, [&](int) { FilingRun::press(previous.program->form3(), "cmdFillFromPrevious"); });
    if (FilingRun::find<QLineEdit>(previous.program->form3(), "txtSSN")->text() != ssnOf(99)) {
        std::fprintf(stderr, "Fill Next did not walk the report\n");
        return 1;
    }
    std::printf("an account of %d employees, %d runs\n", employees, runs);
    printFigures("  Review Filing opened", opening);
    printFigures("  one correction on the disk", correcting);
    printFigures("  previous report read and offered", reading);
    printFigures("  one press of Fill Next", filling);
    return 0;
}
