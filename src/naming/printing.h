#pragma once

#include <QStringList>

class QPrinter;

// Prints the lines on the printer, one printed line each, in one document, a new page when a page
// is full. False when the printer could not be started.
bool printLines(QPrinter &printer, const QStringList &lines);
