// The cost of starting a quarter from last quarter's report of one account of EMPLOYEES employees:
// the report read and offered (the contact screen's button until its boxes are filled), RUNS times;
// then, on that account's employee screen, one press of Fill Next, PRESSES times.
// Prints the best and the median of each.
//
//     previous_cost [EMPLOYEES [RUNS [PRESSES]]]    (defaults: 10000 employees, 7 runs, 100)

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
void print(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: best %.2f ms, median %.2f ms\n", what, ms.front(), ms[ms.size() / 2]);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int employees = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const int presses = argc > 3 ? std::atoi(argv[3]) : 100;
    if (employees < 1 || runs < 1 || presses < 1) {
        std::fprintf(stderr, "usage: %s [EMPLOYEES [RUNS [PRESSES]]]\n", argv[0]);
        return 2;
    }
    FilingRun filing;
    QByteArray bytes = aRecord + eRecord;
    for (int i = 0; i < employees; ++i)
        bytes += Records::makeLine(with(validEmployee, {"SSN", QString::number(100000000 + i)}))
                     .toLatin1() +
                 "\r\n";
    filing.write(QStringLiteral("last.CSV"), bytes);
    filing.start();

    std::vector<double> reading, filling;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        filing.desktop.filesToOpen.enqueue(filing.path(QStringLiteral("last.CSV")));
        timer.start();
        FilingRun::press(filing.program->form1(), "cmdFromPreviousReport");
        reading.push_back(timer.nsecsElapsed() / 1e6);
    }
    filing.desktop.answer({true});
    filing.acceptContact();
    filing.enterAccount();
    auto *ssn = FilingRun::find<QLineEdit>(filing.program->form3(), "txtSSN");
    for (int press = 0; press < presses; ++press) {
        timer.start();
        FilingRun::press(filing.program->form3(), "cmdFillFromPrevious");
        filling.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (ssn->text() != QString::number(100000000 + presses - 1)) {
        std::fprintf(stderr, "Fill Next did not walk the report: %s\n", qPrintable(ssn->text()));
        return 1;
    }
    std::printf("previous report of %d employees in one account\n", employees);
    print("  read and offered", reading);
    print("  one press of Fill Next", filling);
    return 0;
}
