#include "server/TlsFiles.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QSslServer>
#include <QTimer>

namespace {

std::optional<QByteArray> readFile(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2.").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.read(1024 * 1024);
}

// A key that is not the certificate's passes every reading and fails
// every handshake; one handshake with itself on the loopback tells.
QString selfHandshakeFault(const QSslConfiguration &configuration)
{
    QSslServer server;
    server.setSslConfiguration(configuration);
    if (!server.listen(QHostAddress::LocalHost))
        return {};
    QSslSocket client;
    client.setPeerVerifyMode(QSslSocket::VerifyNone);
    QString fault;
    QEventLoop loop;
    QObject::connect(&server, &QSslServer::pendingConnectionAvailable, &loop, &QEventLoop::quit);
    QObject::connect(&server, &QSslServer::errorOccurred, &loop, [&](QSslSocket *socket) {
        fault = socket->errorString();
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    client.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.serverPort());
    loop.exec();
    return fault;
}

} // namespace

std::optional<QSslConfiguration> loadTlsFiles(const QString &certificatePath, const QString &keyPath,
                                              QString &error, QString &warning)
{
    if (!QSslSocket::supportsSsl()) {
        error = QStringLiteral("this Qt has no TLS backend (install libssl3).");
        return std::nullopt;
    }
    const std::optional<QByteArray> certificates = readFile(certificatePath, error);
    const std::optional<QByteArray> keyBytes = certificates ? readFile(keyPath, error) : std::nullopt;
    if (!keyBytes)
        return std::nullopt;
    const QList<QSslCertificate> chain = QSslCertificate::fromData(*certificates, QSsl::Pem);
    if (chain.isEmpty()) {
        error = QStringLiteral("%1: no PEM certificate.").arg(certificatePath);
        return std::nullopt;
    }
    QSslKey key;
    for (QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa})
        if (key.isNull())
            key = QSslKey(*keyBytes, algorithm, QSsl::Pem);
    if (key.isNull()) {
        error = QStringLiteral("%1: no PEM private key without a passphrase.").arg(keyPath);
        return std::nullopt;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QSslCertificate &own = chain.first();
    if (own.expiryDate() <= now) {
        error = QStringLiteral("%1: the certificate expired on %2.")
                    .arg(certificatePath, own.expiryDate().toString(Qt::ISODate));
        return std::nullopt;
    }
    if (own.effectiveDate() > now) {
        error = QStringLiteral("%1: the certificate is valid only from %2.")
                    .arg(certificatePath, own.effectiveDate().toString(Qt::ISODate));
        return std::nullopt;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    if (const QString fault = selfHandshakeFault(configuration); !fault.isEmpty()) {
        error = QStringLiteral("%1 does not serve with %2 (is it the certificate's key?): %3.")
                    .arg(keyPath, certificatePath, fault.trimmed().remove(QRegularExpression(QStringLiteral("[:.]$"))));
        return std::nullopt;
    }
    if (own.expiryDate() <= now.addDays(warningDays))
        warning = QStringLiteral("%1: the certificate expires on %2; renew it.")
                      .arg(certificatePath, own.expiryDate().toString(Qt::ISODate));
    return configuration;
}
