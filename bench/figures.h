#pragma once

// What the benchmarks of many employees share: their two arguments, and their figures printed as
// bench/run reads them.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// EMPLOYEES and RUNS from the command line (by default 10000 employees and 7 runs, unless the
// benchmark gives its own); false, after the usage, when either is not a positive number.
inline bool readArguments(int argc, char *argv[], int &employees, int &runs,
                          int defaultEmployees = 10000, int defaultRuns = 7)
{
    employees = argc > 1 ? std::atoi(argv[1]) : defaultEmployees;
    runs = argc > 2 ? std::atoi(argv[2]) : defaultRuns;
    if (employees >= 1 && runs >= 1)
        return true;
    std::fprintf(stderr, "usage: %s [EMPLOYEES [RUNS]]\n", argv[0]);
    return false;
}

// "WHAT: best X ms, median Y ms" of the timings in milliseconds.
inline void printFigures(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%s: best %.2f ms, median %.2f ms\n", what, ms.front(), ms[ms.size() / 2]);
}
