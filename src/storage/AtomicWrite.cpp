#include "storage/AtomicWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // write() may only fill the buffer and report success; the disk's
    // answer (full, over quota, over the size limit) comes with the flush,
    // and commit() would rename an incomplete file over the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting(); // the temporary goes with the QSaveFile
        return false;
    }
    if (!file.commit())
        return false;
    return syncFolder(QFileInfo(path).absolutePath());
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

int removeStaleTemporaries(const QString &folder, const QDateTime &startedAt)
{
    // The temporary's name is the file's name and six random letters or
    // digits; only names of our own file kinds are touched.
    static const QRegularExpression temporary(QStringLiteral("^[^/]+\\.(ini|txt|conf)\\.[A-Za-z0-9]{6}$"),
                                              QRegularExpression::CaseInsensitiveOption);
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (!temporary.match(entry.fileName()).hasMatch() || entry.lastModified() >= startedAt)
            continue;
        if (QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}
