// The cost of accepting one employee: the employee rules, the S record appended to the working
// file and the question that follows, timed from the press of Add Employee until its handler
// returns. Enters employees into one account and compares the first ones with the last ones, to
// show that the cost does not grow with the working file.
//
// Run under valgrind --tool=callgrind --instr-atstart=no --collect-atstart=no, it also counts the
// instructions of exactly the timed presses of each window, written as two dumps, "first" and
// "last": a figure that does not depend on what else the machine is doing.
//
//     employee_cost [EMPLOYEES [WINDOW]]    (defaults: 10000 employees, windows of 100)

#include "employee/form3.h"
#include "filingrun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
// Without valgrind's header the markers do nothing.
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
struct Figures {
    double meanUs;
    double medianUs;
};

Figures figures(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    double sum = 0;
    for (qint64 ns : nanoseconds)
        sum += ns;
    const size_t n = nanoseconds.size();
    const double median =
        n % 2 ? nanoseconds[n / 2] : (nanoseconds[n / 2 - 1] + nanoseconds[n / 2]) / 2.0;
    return {sum / n / 1000.0, median / 1000.0};
}
} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform warns at every raise() of the employee screen; printing that is no
    // part of accepting an employee.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    const int employees = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int window = argc > 2 ? std::atoi(argv[2]) : 100;
    if (employees < 1 || window < 1 || window > employees) {
        std::fprintf(stderr, "usage: %s [EMPLOYEES [WINDOW]]\n", argv[0]);
        return 2;
    }

    FilingRun run;
    run.start();
    run.acceptContact();
    run.desktop.answer({true}); // "Do you have any employees to report?"
    run.enterAccount();

    Form3 &screen = run.program->form3();
    std::vector<qint64> cost(employees);
    QElapsedTimer timer;
    for (int i = 0; i < employees; ++i) {
        FilingRun::find<QLineEdit>(screen, "txtSSN")->setText(QString::number(100000000 + i));
        FilingRun::find<QLineEdit>(screen, "txtEmpLastName")
            ->setText(QStringLiteral("SMITH-JONES"));
        FilingRun::find<QLineEdit>(screen, "txtEmpFirstName")->setText(QStringLiteral("MARY"));
        FilingRun::find<QLineEdit>(screen, "txtEmployeeMiddleName")->setText(QStringLiteral("ANN"));
        FilingRun::find<QLineEdit>(screen, "txtEmployeeGrossWages")
            ->setText(QString::number(250000 + i));
        FilingRun::find<QLineEdit>(screen, "txtEmpTaxableWages")->setText(QStringLiteral("100000"));
        FilingRun::find<QLineEdit>(screen, "txtEmployeeCreditWeek")->setText(QStringLiteral("13"));
        // What the event loop would do between two presses of a user, outside the timing.
        QCoreApplication::processEvents();
        run.desktop.answer({true}); // "Add an additional employee?"

        const bool counted = i < window || i >= employees - window;
        if (counted) {
            CALLGRIND_START_INSTRUMENTATION;
            CALLGRIND_TOGGLE_COLLECT;
        }
        timer.start();
        FilingRun::press(screen, "cmdAddEmployee");
        cost[i] = timer.nsecsElapsed();
        if (counted) {
            CALLGRIND_TOGGLE_COLLECT;
            CALLGRIND_STOP_INSTRUMENTATION;
        }
        if (i == window - 1)
            CALLGRIND_DUMP_STATS_AT("first");
        if (i == employees - 1)
            CALLGRIND_DUMP_STATS_AT("last");

        if (run.program->state.numberOFEmployee != i + 1) {
            std::fprintf(stderr, "employee %d was not accepted\n", i + 1);
            return 1;
        }
    }
    const int lines = run.workingFile().count("\r\n");
    if (lines != employees + 2) {
        std::fprintf(stderr, "the working file has %d lines, not %d\n", lines, employees + 2);
        return 1;
    }

    const Figures first = figures({cost.begin(), cost.begin() + window});
    const Figures last = figures({cost.end() - window, cost.end()});
    std::printf("employees 1-%d: mean %.1f us, median %.1f us\n", window, first.meanUs,
                first.medianUs);
    std::printf("employees %d-%d: mean %.1f us, median %.1f us\n", employees - window + 1,
                employees, last.meanUs, last.medianUs);
    std::printf("ratio last/first: mean %.2f, median %.2f\n", last.meanUs / first.meanUs,
                last.medianUs / first.medianUs);
    return 0;
}
