#pragma once

#include "output/diskfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The working file and the report file are single-byte text. Every character the screens let
// through is plain ASCII, so Latin-1 gives each one its single byte.
QByteArray toSingleByteLine(const QString &line);

// Writes one line ended by CR LF: mode "W" starts the file afresh (a non-empty file already there
// is first renamed to NAME.previous), mode "A" adds to its end; either creates a missing file. The
// file is opened, synced to the disk and closed within the call, so a record is safe once this
// returns. Returns false and fills `error` when the open, the write, the sync or the close failed;
// a line only partly written is then cut off again, so the file keeps whole records only.
bool writeLineToFile(const QString &fileName, const QString &line, const QString &mode,
                     FileError &error);

// Adds the lines, each ended by CR LF, to the end of the file in one open, write, sync and close.
// On a failure the file is cut back to its length before the call: all of the lines or none.
bool appendLinesToFile(const QString &fileName, const QStringList &lines, FileError &error);
