#include "server/TlsFiles.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>

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

} // namespace

std::optional<QSslConfiguration> loadTlsFiles(const QString &certificatePath, const QString &keyPath,
                                              QString &error)
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
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}
