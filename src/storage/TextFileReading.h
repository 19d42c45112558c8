#pragma once

#include <QByteArray>
#include <QString>

// Every text file of ours is small: a chart is about 10 KiB, a language file
// less. A larger file is not one of ours, and reading it whole would cost
// time and memory without bound.
inline constexpr qint64 maxTextFileSize = 1024 * 1024;

enum class FileReadStatus { Read, Missing, Unreadable, TooLarge };

struct FileReading
{
    FileReadStatus status = FileReadStatus::Missing;
    QByteArray bytes; // the whole file when status is Read
};

// Opens first and asks questions afterwards: only an open that fails with
// "no such file" means the file is absent. Asking whether it exists before
// opening can get "no" while another process replaces it. Only a regular
// file is read: a pipe or a device is Unreadable, found without waiting
// for a writer. A path that starts with ":" names a file built into the
// program.
FileReading readTextFile(const QString &path);
// The same for any file of ours up to `maxBytes`.
FileReading readRegularFile(const QString &path, qint64 maxBytes);
