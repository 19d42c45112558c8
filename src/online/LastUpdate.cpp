#include "online/LastUpdate.h"

#include <QCryptographicHash>

#include "storage/UserSettings.h"

namespace {

const QString addressKey = QStringLiteral("server/chartAddress");
const QString etagKey = QStringLiteral("server/chartETag");
const QString lastModifiedKey = QStringLiteral("server/chartLastModified");
const QString digestKey = QStringLiteral("server/chartDigest");

QString digest(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

HttpValidators LastUpdate::heldVersion(const QUrl &address, const QByteArray &chartFile)
{
    const UserSettings settings;
    if (settings.value(addressKey) != address.toString(QUrl::FullyEncoded) ||
        settings.value(digestKey) != digest(chartFile))
        return {};
    return {settings.value(etagKey).toLatin1(), settings.value(lastModifiedKey).toLatin1()};
}

void LastUpdate::remember(const QUrl &address, const HttpValidators &version, const QByteArray &written)
{
    UserSettings().setValues({{addressKey, address.toString(QUrl::FullyEncoded)},
                              {etagKey, QString::fromLatin1(version.etag)},
                              {lastModifiedKey, QString::fromLatin1(version.lastModified)},
                              {digestKey, digest(written)}});
}
