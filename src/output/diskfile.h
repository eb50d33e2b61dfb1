#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// What failed: the file, and the system's error number and description; a number of 0 when no
// system call failed, the description then saying what went wrong.
struct FileError {
    QString file;
    int number = 0;
    QString description;
};

// "Error 13: Permission denied", or the description alone when no system call failed.
QString errorText(const FileError &error);

// The error the system reported last (errno) for the file, with its description.
FileError lastSystemError(const QString &file);
// The error with the given system number, with its description.
FileError systemError(const QString &file, int number);

// Opens a file with std::fopen semantics; the name may hold any character the system allows.
std::FILE *openFile(const QString &fileName, const char *mode);

// Hands everything written to the file over to the disk itself (not only to the system's cache),
// so a record survives a crash of the program or of the computer.
bool syncToDisk(std::FILE *file);

// Hands the folder's list of names over to the disk, so a file just made or renamed keeps its
// name after a crash of the computer. Does nothing where the system has no such call.
bool syncFolderOf(const QString &fileName, FileError &error);

// Gives the open file the permissions, owner and group of the file `model`, when there is one
// (Windows keeps a file private by its folder's access list: nothing to give there). An owner or
// group the system does not let us give stays ours.
void takePermissions(std::FILE *file, const QString &model);

// Cuts the file back to `size` bytes, dropping a line that was only partly written.
bool truncateFile(std::FILE *file, long size);

// Reads the whole of a regular file. A missing file, a folder, a pipe or a device in its place
// (opened without waiting for anything to write to it) or a failed read fill `error`.
bool readFileBytes(const QString &fileName, QByteArray &content, FileError &error);

// Deletes the file.
bool removeFile(const QString &fileName, FileError &error);

enum class MoveOutcome { Moved, TargetExists, Failed };

// Gives `from` the name `to` in one step. Without `replace` an existing `to`, even one that
// appeared a moment ago, is left alone and TargetExists is returned; `from` then stays. With
// `replace`, a `to` without any write permission is not replaced either: that fails with EACCES.
MoveOutcome moveIntoPlace(const QString &from, const QString &to, bool replace, FileError &error);

// Writes the bytes under the name safely: beside it first, synced, then given its name in one
// step as moveIntoPlace does, with `replace` as there. Killed at any moment, the name holds its
// old bytes or the new ones, whole; when the bytes do not get the name, nothing new is left behind.
// The new file takes the permissions (and, where the system lets it, the owner and group) of
// `permissionsOf`, the file it replaces or copies, before any byte is written: a working file
// only its owner may read stays so.
MoveOutcome writeFileSafely(const QString &fileName, const QByteArray &bytes, bool replace,
                            FileError &error, const QString &permissionsOf);
