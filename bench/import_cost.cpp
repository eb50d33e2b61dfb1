// The cost of importing employees from a spreadsheet file: the file of EMPLOYEES lines read,
// checked through the employee rules and its S records appended to the working file, first
// without the screens (reading, checking and the one batch write) and then as the user meets it,
// from the file dialog's Open to the notice that says how many were imported. Prints the best and
// the median of RUNS runs of each.
//
//     import_cost [EMPLOYEES [RUNS]]    (defaults: 10000 employees, 7 runs)

#include "employee/form3.h"
#include "figures.h"
#include "filingrun.h"
#include "output/workingfile.h"
#include "rules/employeeimport.h"
#include "rules/records.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>
#include <vector>

namespace
{

// A file as payroll software would write it: a header, dashed SSNs, dollar amounts with thousands
// commas in quotes, CR LF line ends.
QByteArray employeeFile(int employees)
{
    QByteArray bytes = "SSN,Last name,First name,Middle name,Gross wages,Taxable wages,Weeks\r\n";
    for (int i = 0; i < employees; ++i) {
        const QByteArray ssn = QByteArray::number(100000000 + i);
        bytes += ssn.left(3) + '-' + ssn.mid(3, 2) + '-' + ssn.mid(5) +
                 ",SMITH-JONES,MARY,ANN,\"$12,345.67\",7000.00,13\r\n";
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform warns at every raise(); printing that is no part of an import.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    int employees = 0, runs = 0;
    if (!readArguments(argc, argv, employees, runs))
        return 2;
    const QByteArray bytes = employeeFile(employees);

    std::vector<double> bare, screen;
    for (int run = 0; run < runs; ++run) {
        FilingRun filing;
        filing.start();
        filing.acceptContact();
        filing.desktop.answer({true, false, false}); // employees, then no more and no account
        filing.enterAccount();

        // Without the screens: read, check, build and write in one batch.
        QElapsedTimer timer;
        timer.start();
        const auto result = EmployeeImport::importEmployees(bytes, QStringLiteral("0123456"), {});
        QStringList records;
        for (const EmployeeEntries &employee : result.employees)
            records.append(Records::makeLine(employee));
        FileError error;
        const bool written = appendLinesToFile(filing.path("bare.TXT"), records, error);
        bare.push_back(timer.nsecsElapsed() / 1e6);
        if (!written || records.size() != employees) {
            std::fprintf(stderr, "the bare import failed: %lld findings\n",
                         static_cast<long long>(result.findings.size()));
            return 1;
        }

        // Through the screen: the dialog answers at once, so the press is Open to the notice.
        filing.write(QStringLiteral("employees.csv"), bytes);
        filing.desktop.filesToOpen.enqueue(filing.path(QStringLiteral("employees.csv")));
        qint64 atNotice = 0;
        filing.desktop.whileShowing = [&](const ScriptedDesktop::Shown &shown) {
            if (shown.kind == ScriptedDesktop::Kind::Notice && atNotice == 0)
                atNotice = timer.nsecsElapsed();
        };
        timer.start();
        FilingRun::press(filing.program->form3(), "cmdImportEmployees");
        screen.push_back(atNotice / 1e6);
        if (atNotice == 0 || filing.program->state.numberOFEmployee != employees) {
            std::fprintf(stderr, "the import through the screen failed\n");
            return 1;
        }
    }
    std::printf("import of %d employees, %lld bytes, %d runs\n", employees,
                static_cast<long long>(bytes.size()), runs);
    printFigures("  read, check and write, without the screens", bare);
    printFigures("  Open to the notice, through the employee screen", screen);
    return 0;
}
