#include "app/SingleProgram.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// Local socket names are short and shared by the whole machine: the
// folder's hash keeps them apart.
QString serverNameFor(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(folder) : canonical).toUtf8();
    return QStringLiteral("vylora-") +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

constexpr int knockTimeoutMs = 1000;

} // namespace

SingleProgram::SingleProgram(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_serverName(serverNameFor(folder))
    , m_lock(QDir(folder).filePath(QStringLiteral("vylora.lock")))
{
    // A chart stays open for hours: only a dead holder frees the lock.
    m_lock.setStaleLockTime(0);
}

bool SingleProgram::claim()
{
    if (!m_lock.tryLock()) {
        // A folder where no lock can be written is no folder another run
        // holds; its saves say what goes wrong.
        if (m_lock.error() != QLockFile::LockFailedError)
            return true;
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(knockTimeoutMs)) {
            socket.write("raise");
            socket.waitForBytesWritten(knockTimeoutMs);
        }
        return false;
    }
    // A socket left by a holder that died is ours now.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *knock = m_server->nextPendingConnection()) {
            connect(knock, &QLocalSocket::disconnected, knock, &QObject::deleteLater);
            emit knocked();
        }
    });
    m_server->listen(m_serverName);
    return true;
}

bool SingleProgram::hold()
{
    // As for claim(): a folder where no lock can be written is held by nobody.
    return m_lock.tryLock() || m_lock.error() != QLockFile::LockFailedError;
}

void SingleProgram::release()
{
    if (m_server)
        m_server->close();
    m_lock.unlock();
}
