#pragma once

#include "output/diskfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The working file and the report file are single-byte text. Every character the screens let
// through is plain ASCII, so Latin-1 gives each one its single byte.
QByteArray toSingleByteLine(const QString &line);

// Writes one line ended by CR LF: mode "W" starts the file afresh, mode "A" adds to its end;
// either creates a missing file. The
// file is opened, synced to the disk and closed within the call, so a record is safe once this
// returns. Returns false and fills `error` when the open, the write, the sync or the close failed;
// a line only partly written is then cut off again, so the file keeps whole records only.
bool writeLineToFile(const QString &fileName, const QString &line, const QString &mode,
                     FileError &error);

// Adds the lines, each ended by CR LF, to the end of the file in one open, write, sync and close.
// On a failure the file is cut back to its length before the call: all of the lines or none.
bool appendLinesToFile(const QString &fileName, const QStringList &lines, FileError &error);

// Replaces the file's bytes whole, safely: the new bytes are written beside it, synced, and given
// its name in one step, and the folder is synced. Killed at any moment, the file holds its old
// bytes or its new ones; on a failure it keeps its old ones.
// The new file takes the permissions of `copiedFrom` when the bytes are a copy of that file,
// otherwise those of the file it replaces.
bool replaceFile(const QString &fileName, const QByteArray &bytes, FileError &error,
                 const QString &copiedFrom = QString());

// Before a new working file starts: one that holds an unfinished filing (an account, an E record,
// and not saved as a report in its folder) is kept as NAME.previous, the kept ones before it
// moving to NAME.previous-2 up to NAME.previous-5 and the oldest dropped; each move is a rename.
// A file that cannot be moved fills `error`, naming it, and stops the keeping.
inline constexpr int keptWorkingFiles = 5;
QString keptFileName(const QString &fileName, int age); // age 1: NAME.previous
// True when the file holds an unfinished filing; its bytes then go to `bytes` when given.
bool holdsUnfinishedFiling(const QString &fileName, QByteArray *bytes = nullptr);
bool moveUnfinishedFilingAside(const QString &fileName, FileError &error);
// The age of `chosen` among the working file's kept files, or 0 when it is none of them.
int keptFileAge(const QString &fileName, const QString &chosen);
// A kept file resumed becomes the working file again, by renames: it is no longer among the kept
// ones, the older ones take its place, and the working file is kept as before a new filing.
bool takeBackKeptFile(const QString &fileName, int age, FileError &error);
