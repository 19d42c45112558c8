#include "server/ClientKey.h"

QByteArray clientKey(const QHostAddress &address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4) {
        QByteArray key(4, '\0');
        for (int i = 0; i < 4; ++i)
            key[i] = char((v4 >> (24 - 8 * i)) & 0xff);
        return key;
    }
    const Q_IPV6ADDR v6 = address.toIPv6Address();
    return QByteArray(reinterpret_cast<const char *>(v6.c), 8);
}

QHostAddress clientAddress(const QHostAddress &peer, const QHostAddress &proxy, QByteArrayView realIp)
{
    if (proxy.isNull() || !peer.isEqual(proxy, QHostAddress::TolerantConversion))
        return peer;
    const QHostAddress named(QString::fromLatin1(realIp.trimmed()));
    return named.isNull() ? peer : named;
}
