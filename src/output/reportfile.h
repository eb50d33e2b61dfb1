#pragma once

#include "output/workingfile.h"

#include <QString>

// The report file's name: the prefix for the filing method and type, the account number or
// TPAID as typed, "_" and the sequence number in upper case when one is given, and ".CSV".
// Empty when the method or the type is not one of the known ones.
QString composeReportFileName(const QString &uploadOrFtp, const QString &reportingType,
                              const QString &number, const QString &sequenceNumber);

enum class CopyOutcome { Copied, TargetExists, Failed };

// Copies the working file to the report file. The copy is written beside the target and moved
// into place in one step, so a report file is never left half-written. Without `replace` an
// existing target, even one that appeared meanwhile, is left alone and TargetExists is returned.
CopyOutcome copyReportFile(const QString &source, const QString &target, bool replace,
                           FileError &error);
