#pragma once

#include <QByteArray>
#include <QString>

// A file operation that failed: the system's error number and its description.
struct FileError {
    int number = 0;
    QString description;
};

// The working file and the report file are single-byte text. Every character the screens let
// through is plain ASCII, so Latin-1 gives each one its single byte.
QByteArray toSingleByteLine(const QString &line);

// Writes one line ended by CR LF: mode "W" starts the file afresh, mode "A" adds to its end; either
// creates a missing file. The file is opened and closed within the call. Returns false and fills
// `error` when the open, the write, the flush or the close failed.
bool writeLineToFile(const QString &fileName, const QString &line, const QString &mode,
                     FileError &error);
