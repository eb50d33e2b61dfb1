#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// A file operation that failed: the system's error number and its description.
struct FileError {
    int number = 0;
    QString description;
};

// The error the system reported last (errno), with its description.
FileError lastSystemError();
// The error with the given system number, with its description.
FileError systemError(int number);

// Opens a file with std::fopen semantics; the name may hold any character the system allows.
std::FILE *openFile(const QString &fileName, const char *mode);

// Hands everything written to the file over to the disk itself (not only to the system's cache),
// so a record survives a crash of the program or of the computer.
bool syncToDisk(std::FILE *file);

// Hands the folder's list of names over to the disk, so a file just made or renamed keeps its
// name after a crash of the computer. Does nothing where the system has no such call.
void syncFolderOf(const QString &fileName);

// Cuts the file back to `size` bytes, dropping a line that was only partly written.
bool truncateFile(std::FILE *file, long size);

// Reads the whole file. A missing file, a folder in its place or a failed read fill `error`.
bool readFileBytes(const QString &fileName, QByteArray &content, FileError &error);

// Writes a file that must not exist yet, synced to the disk. On failure nothing is left behind.
bool writeNewFile(const QString &fileName, const QByteArray &content, FileError &error);

// Deletes the file.
bool removeFile(const QString &fileName, FileError &error);

enum class MoveOutcome { Moved, TargetExists, Failed };

// Gives `from` the name `to` in one step. Without `replace` an existing `to`, even one that
// appeared a moment ago, is left alone and TargetExists is returned; `from` then stays. With
// `replace`, a `to` without any write permission is not replaced either: that fails with EACCES.
MoveOutcome moveIntoPlace(const QString &from, const QString &to, bool replace, FileError &error);
