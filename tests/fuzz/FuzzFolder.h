#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// One folder for the whole run, in memory where the system offers it: a
// target writes its input there as the file the program would read.
inline QTemporaryDir &fuzzFolder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/vylora-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/vylora-fuzz-XXXXXX"));
    return dir;
}

inline QString writeFuzzFile(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = fuzzFolder().filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}
