#include "storage/AtomicWrite.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

// ".VYL2010.ini.vylora-tmp.Ab12Cd": the leading dot hides it, the mark says
// whose it is, and the six letters keep two writers of one file apart.
const QString temporaryMark = QStringLiteral(".vylora-tmp.");

QString randomLetters()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString six;
    for (int i = 0; i < 6; ++i)
        six += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return six;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// A new temporary beside target, open for writing, with the mode the
// target will have: the existing file's when `keepMode`, or the default
// (0666 less the umask).
int createTemporary(const QString &target, QString &temporary, bool keepMode = true)
{
    const QFileInfo info(target);
    struct stat existing {};
    const bool exists = keepMode && ::stat(QFile::encodeName(target).constData(), &existing) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = info.absolutePath() + QStringLiteral("/.") + info.fileName() + temporaryMark + randomLetters();
        const int fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0 && exists && ::fchmod(fd, existing.st_mode & 07777) != 0) {
            ::close(fd);
            ::unlink(QFile::encodeName(temporary).constData());
            return -1;
        }
        return fd;
    }
    return -1;
}

bool isOwnTemporary(const QString &name)
{
    static const QRegularExpression own(QStringLiteral("^\\..+\\.vylora-tmp\\.[A-Za-z0-9]{6}$"));
    return own.match(name).hasMatch();
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : link.absoluteFilePath();
    QString temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return false;
    const QByteArray temporaryName = QFile::encodeName(temporary);
    // write() may only fill the cache; the disk's answer (full, over quota,
    // over the size limit) comes with the sync, before anything is renamed.
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written ||
        std::rename(temporaryName.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(temporaryName.constData());
        return false;
    }
    return syncFolder(QFileInfo(target).absolutePath());
}

bool writeCacheFile(const QString &path, const QByteArray &bytes)
{
    QString temporary;
    const int fd = createTemporary(QFileInfo(path).absoluteFilePath(), temporary, false);
    if (fd < 0)
        return false;
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const bool written = writeAll(fd, bytes);
    if (::close(fd) != 0 || !written ||
        std::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temporaryName.constData());
        return false;
    }
    return true;
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
    const QDateTime staleBefore = startedAt.addSecs(-60);
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (!isOwnTemporary(entry.fileName()) || entry.isSymLink() || entry.lastModified() >= staleBefore)
            continue;
        if (QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}
