#pragma once

#include "output/diskfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

enum class CopyOutcome { Copied, TargetExists, Failed, Differs };

// Writes `records`, the working file's bytes as read, to the report file. The copy is written and
// synced beside the target and moved into place in one step, so a report file is never left
// half-written. Without `replace` an existing target, even one that appeared meanwhile, is left
// alone and TargetExists is returned. The report is then read back and compared with the working
// file `source`; when they differ the report is removed again and Differs is returned.
// `beforeReadBack`, when given, is called with the report's name just before that comparison.
CopyOutcome copyReportFile(const QByteArray &records, const QString &source, const QString &target,
                           bool replace, FileError &error,
                           const std::function<void(const QString &)> &beforeReadBack = {});
