#pragma once

#include "check/reportchecker.h"

#include <QByteArray>
#include <QList>

// The findings of one file, one line each as FILE:LINE:FIELD: error|warning: MESSAGE, then its
// summary: records, accounts with their E totals beside the sums of their S records, and counts.
QByteArray findingsText(const FileReport &report);

// All files' findings and summaries as one JSON document.
QByteArray findingsJson(const QList<FileReport> &reports);
