#pragma once

#include "output/reportname.h"
#include "output/workingfile.h"

#include <QString>

enum class CopyOutcome { Copied, TargetExists, Failed };

// Copies the working file to the report file. The copy is written beside the target and moved
// into place in one step, so a report file is never left half-written. Without `replace` an
// existing target, even one that appeared meanwhile, is left alone and TargetExists is returned.
CopyOutcome copyReportFile(const QString &source, const QString &target, bool replace,
                           FileError &error);
