#include "storage/TextFileReading.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace {

class Descriptor final
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The files built into the program cannot change while they are read.
FileReading readResource(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileReadStatus::Missing, {}};
    if (file.size() > maxBytes)
        return {FileReadStatus::TooLarge, {}};
    return {FileReadStatus::Read, file.readAll()};
}

} // namespace

FileReading readTextFile(const QString &path)
{
    return readRegularFile(path, maxTextFileSize);
}

FileReading readRegularFile(const QString &path, qint64 maxBytes)
{
    if (path.startsWith(u':'))
        return readResource(path, maxBytes);
    // Opening a pipe waits for its writer, unless the open does not block;
    // on a regular file the flag changes nothing.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return {errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Unreadable, {}};

    struct stat info = {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {FileReadStatus::Unreadable, {}};
    if (info.st_size > maxBytes)
        return {FileReadStatus::TooLarge, {}};

    // Room for one byte more than fstat said: a file that grew meanwhile is
    // read on, up to one byte past the limit, which tells it is too large.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (length > maxBytes)
                break;
            bytes.resize(qsizetype(maxBytes) + 1);
        }
        const ssize_t n = ::read(file.get(), bytes.data() + length, std::size_t(bytes.size() - length));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {FileReadStatus::Unreadable, {}};
        if (n == 0)
            break;
        length += n;
    }
    if (length > maxBytes)
        return {FileReadStatus::TooLarge, {}};
    bytes.truncate(length);
    return {FileReadStatus::Read, std::move(bytes)};
}
